// The command line against real files in a temporary folder, the error box's text, and the
// usage dialog the help switch opens.
#include <gtest/gtest.h>

#include <windows.h>
#include <richedit.h>

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/usage_dialog.h"
#include "base/controls.h"
#include "base/window.h"
#include "resource.h"
#include "test_support.h"

namespace zem {
namespace {

using test::MessageBoxAnswerer;
using test::PumpMessages;
using test::TempFolder;

constexpr char kProgram[] = "C:\\Zem\\ZemTarvelix.exe";
constexpr auto kNone = CommandLineMode::Erroneous;
constexpr auto kNoArgs = CommandLineMode::NoArguments;
constexpr auto kHelp = CommandLineMode::HelpRequested;
constexpr auto kFile = CommandLineMode::FileNamed;

// The current folder for the scope, put back afterwards.
class CurrentFolder {
public:
    explicit CurrentFolder(const std::string& path) {
        char old[MAX_PATH] = {};
        ::GetCurrentDirectoryA(MAX_PATH, old);
        old_ = old;
        ::SetCurrentDirectoryA(path.c_str());
    }
    ~CurrentFolder() { ::SetCurrentDirectoryA(old_.c_str()); }

private:
    std::string old_;
};

// Real files and folders; arguments name them as "<name>".
class CommandLineFiles : public ::testing::Test {
protected:
    CommandLineFiles() {
        names_["<a>"] = temp_.MakeFile("first file.txt");
        names_["<b>"] = temp_.MakeFile("second.log");
        names_["<readonly>"] = temp_.MakeFile("Locked File.txt");
        ::SetFileAttributesA(names_["<readonly>"].c_str(), FILE_ATTRIBUTE_READONLY);
        names_["<folder>"] = temp_.MakeFolder("A Folder");
        names_["<missing>"] = temp_.Path() + "\\No Such File.txt";
    }

    std::string Resolve(const std::string& argument) {
        const auto found = names_.find(argument);
        return found == names_.end() ? argument : found->second;
    }

    CommandLineResult Parse(const std::vector<std::string>& arguments) {
        StringList all{kProgram};
        for (const std::string& argument : arguments) all.push_back(Resolve(argument));
        return ParseCommandLine(TZemCommanLineStrList(all));
    }

    TempFolder temp_;
    std::map<std::string, std::string> names_;
};

struct Case {
    std::vector<std::string> arguments;
    CommandLineMode mode;
    std::string file;  // a "<name>", a literal, or empty
    bool readOnly;
    int errorIndex;
    uint32_t code;
};

TEST_F(CommandLineFiles, EveryCaseGivesItsModeFileReadOnlyWishIndexAndCode) {
    const std::vector<Case> cases = {
        {{}, kNoArgs, "", false, -1, 0},
        {{"/?"}, kHelp, "", false, -1, 0},
        {{"-help"}, kHelp, "", false, -1, 0},
        {{"/HLP"}, kHelp, "", false, -1, 0},
        {{"-h"}, kHelp, "", false, -1, 0},
        {{"<a>", "/Help"}, kHelp, "<a>", false, -1, 0},
        {{"<a>"}, kFile, "<a>", false, -1, 0},
        {{"<readonly>"}, kFile, "<readonly>", false, -1, 0},
        {{"/ro", "<a>"}, kFile, "<a>", true, -1, 0},
        {{"<a>", "/RO"}, kFile, "<a>", true, -1, 0},
        {{"-ReadOnly", "<a>"}, kFile, "<a>", true, -1, 0},
        {{"<missing>"}, kNone, "", false, 1, ErrCmdLineFileNotFound},
        {{"<a>", "/x"}, kFile, "<a>", false, 2, ErrUnknownSwitch},
        {{"<a>", "<missing>"}, kFile, "<missing>", false, -1, 0},
        {{"<a>", "<b>"}, kFile, "<b>", false, -1, 0},
        {{"<a>", "<missing>", "/x"}, kFile, "<missing>", false, 3, ErrUnknownSwitch},
        {{"/ro", "/x", "<a>"}, kFile, "<a>", true, -1, 0},
        {{"/x", "/ro", "<a>"}, kNone, "", false, 1, ErrUnknownSwitch},
        {{"?"}, kNone, "", false, 1, ErrCmdLineFileNotFound},
        {{"/ro"}, kNone, "", true, -1, 0},
        {{"/ro", "<missing>"}, kNone, "", true, 2, ErrCmdLineFileNotFound},
        {{"<a>", "/ro", "/x", "<missing>", "/?"}, kFile, "<a>", true, -1, 0},
        {{"-"}, kNone, "", false, 1, ErrUnknownSwitch},
        {{"/"}, kNone, "", false, 1, ErrUnknownSwitch},
        {{"/ro", "/", "<a>"}, kFile, "<a>", true, -1, 0},
        {{"<folder>"}, kNone, "", false, 1, ErrCmdLineFileNotFound},
        {{"<a>", "<folder>"}, kFile, "<folder>", false, -1, 0},
        {{""}, kNone, "", false, -1, 0},
        {{"", "<a>"}, kFile, "<a>", false, -1, 0},
    };
    for (const Case& c : cases) {
        std::string shown;
        for (const std::string& argument : c.arguments) shown += "[" + argument + "] ";
        SCOPED_TRACE(shown);
        const CommandLineResult result = Parse(c.arguments);
        EXPECT_EQ(result.mode, c.mode);
        EXPECT_EQ(result.file, c.file.empty() ? "" : Resolve(c.file));
        EXPECT_EQ(result.readOnly, c.readOnly);
        EXPECT_EQ(result.errorIndex, c.errorIndex);
        EXPECT_EQ(result.code, c.code);
        const std::string errorArgument = c.errorIndex > 0 ? Resolve(c.arguments[c.errorIndex - 1]) : "";
        EXPECT_EQ(result.errorArgument, errorArgument);
    }
}

TEST_F(CommandLineFiles, AParameterIsTriedAgainInSingleQuotes) {
    temp_.MakeFile("'quoted name.txt'");
    temp_.MakeFile("'it''s.txt'");
    const CurrentFolder inTemp(temp_.Path());
    EXPECT_EQ(Parse({"quoted name.txt"}).file, "'quoted name.txt'");
    EXPECT_EQ(Parse({"quoted name.txt"}).mode, kFile);
    EXPECT_EQ(Parse({"it's.txt", "/ro"}).file, "'it''s.txt'");
    // Once a file is known a later name is taken as it stands.
    EXPECT_EQ(Parse({"first file.txt", "quoted name.txt"}).file, "quoted name.txt");
    EXPECT_EQ(Parse({"other.txt"}).code, ErrCmdLineFileNotFound);
}

TEST_F(CommandLineFiles, HundredsOfArgumentsAndVeryLongOnesAreHandled) {
    std::vector<std::string> ignoredSwitches{"/ro"};
    for (int i = 0; i < 98; ++i) ignoredSwitches.push_back("/x" + std::to_string(i));
    ignoredSwitches.push_back("<a>");
    CommandLineResult result = Parse(ignoredSwitches);
    EXPECT_EQ(result.mode, kFile);
    EXPECT_TRUE(result.readOnly);
    EXPECT_EQ(result.code, 0u);

    std::vector<std::string> names{"<a>"};
    for (int i = 0; i < 99; ++i) names.push_back("name" + std::to_string(i));
    result = Parse(names);
    EXPECT_EQ(result.file, "name98");
    EXPECT_EQ(result.code, 0u);

    const std::string longName = temp_.Path() + "\\" + std::string(5000, 'n');
    EXPECT_FALSE(IsExistingFile(longName));
    result = Parse({longName});
    EXPECT_EQ(result.code, ErrCmdLineFileNotFound);
    EXPECT_EQ(result.errorArgument, longName);
    result = Parse({"/" + std::string(5000, 's')});
    EXPECT_EQ(result.code, ErrUnknownSwitch);
    EXPECT_EQ(Parse({"<a>", longName}).file, longName);
}

TEST_F(CommandLineFiles, TheCommandLineIsSplitAsThePlatformSplitsIt) {
    const std::string a = Resolve("<a>");
    TZemCommanLineStrList list =
        TZemCommanLineStrList::FromCommandLine("\"C:\\Program Files\\Zem\\ZemTarvelix.exe\"  /ro\t\"" + a + "\"");
    EXPECT_EQ(list.Arguments(), (StringList{"C:\\Program Files\\Zem\\ZemTarvelix.exe", "/ro", a}));
    const CommandLineResult result = ParseCommandLine(list);
    EXPECT_EQ(result.mode, kFile);
    EXPECT_TRUE(result.readOnly);

    // An unbalanced quote groups everything up to the end.
    list = TZemCommanLineStrList::FromCommandLine(std::string(kProgram) + " \"" + a);
    EXPECT_EQ(list.Arguments(), (StringList{kProgram, a}));
    EXPECT_EQ(ParseCommandLine(list).file, a);
    list = TZemCommanLineStrList::FromCommandLine(std::string(kProgram) + " first\" /ro");
    EXPECT_EQ(list.Arguments(), (StringList{kProgram, "first /ro"}));

    list = TZemCommanLineStrList::FromCommandLine(std::string(kProgram) + " \"\"");
    EXPECT_EQ(list.Arguments(), (StringList{kProgram, ""}));
    EXPECT_EQ(TZemCommanLineStrList::FromCommandLine("").Count(), 0);
    EXPECT_EQ(ParseCommandLine(TZemCommanLineStrList()).mode, kNoArgs);

    std::string hundred = kProgram;
    for (int i = 0; i < 100; ++i) hundred += " arg" + std::to_string(i);
    EXPECT_EQ(TZemCommanLineStrList::FromCommandLine(hundred).Count(), 101);
    // The test program itself is started with arguments of its own.
    EXPECT_GE(TZemCommanLineStrList::FromProcess().Count(), 1);
}

TEST(CommandLineList, QueriesAnswerFalseOutsideTheList) {
    const TZemCommanLineStrList list(StringList{kProgram, "/RO", "-", "file", ""});
    EXPECT_TRUE(list.IsSwitchArg(1));
    EXPECT_TRUE(list.IsSwitchArg(2));
    EXPECT_FALSE(list.IsSwitchArg(3));
    EXPECT_FALSE(list.IsSwitchArg(4));
    EXPECT_TRUE(list.IsParameterArg(3));
    EXPECT_FALSE(list.IsParameterArg(1));
    EXPECT_FALSE(list.IsParameterArg(4));
    EXPECT_TRUE(list.SwitchNameIs(1, "ro", true));
    EXPECT_FALSE(list.SwitchNameIs(1, "ro", false));
    EXPECT_TRUE(list.SwitchNameIs(1, "RO", false));
    EXPECT_FALSE(list.SwitchNameIs(2, "", true));
    EXPECT_FALSE(list.SwitchNameIs(3, "ile", true));
    for (int outside : {-1, 5, 100}) {
        EXPECT_FALSE(list.IsSwitchArg(outside));
        EXPECT_FALSE(list.IsParameterArg(outside));
        EXPECT_FALSE(list.SwitchNameIs(outside, "RO", true));
        EXPECT_EQ(list.Argument(outside), "");
    }
    const TZemCommanLineStrList empty;
    EXPECT_FALSE(empty.IsSwitchArg(0));
    EXPECT_FALSE(empty.IsParameterArg(0));
}

TEST_F(CommandLineFiles, OnlyFilesExist) {
    EXPECT_TRUE(IsExistingFile(Resolve("<a>")));
    EXPECT_TRUE(IsExistingFile(Resolve("<readonly>")));
    EXPECT_FALSE(IsExistingFile(Resolve("<folder>")));
    EXPECT_FALSE(IsExistingFile(Resolve("<missing>")));
    EXPECT_FALSE(IsExistingFile(""));
    EXPECT_FALSE(IsExistingFile(temp_.Path() + "\\*.txt"));
}

TEST(CommandLineFailure, AnExceptionWhileParsingIsAnUnknownFailure) {
    const TZemCommanLineStrList list(StringList{kProgram, "somefile"});
    const CommandLineResult result =
        ParseCommandLine(list, [](const std::string&) -> bool { throw std::runtime_error("broken"); });
    EXPECT_EQ(result.mode, kNone);
    EXPECT_EQ(result.code, ErrUnknownFailure);
}

TEST(CommandLineError, TheTextNamesTheCodeAndTheArgument) {
    EXPECT_EQ(CommandLineErrorText(ErrUnknownSwitch, 2, "/x"),
              "Command Line Error\r\n\r\n"
              "Error code: -1610596350 (0xA0004002)\r\n"
              "Erroneous switch/parameter number 2 (/x)\r\n"
              "All switches and parameters after the last valid command line switch\r\n"
              "or parameter will be ignored.");
    EXPECT_EQ(CommandLineErrorText(ErrCmdLineFileNotFound, 1, "100% sure.txt"),
              "Command Line Error\r\n\r\n"
              "Error code: -1610596349 (0xA0004003)\r\n"
              "Erroneous switch/parameter number 1 (100% sure.txt)\r\n"
              "All switches and parameters after the last valid command line switch\r\n"
              "or parameter will be ignored.");
    const std::string longArgument(5000, 'q');
    EXPECT_NE(CommandLineErrorText(ErrUnknownSwitch, 3, longArgument).find("number 3 (" + longArgument + ")\r\n"),
              std::string::npos);
}

// A hidden window that records the help contexts it is asked for.
class HelpOwner {
public:
    HelpOwner() {
        RegisterWindowClass("CommandLineHelpOwner", &Proc, nullptr);
        hwnd_ = ::CreateWindowExA(0, "CommandLineHelpOwner", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  ::GetModuleHandleA(nullptr), nullptr);
        contexts_.clear();
    }
    ~HelpOwner() { ::DestroyWindow(hwnd_); }
    HWND Handle() const { return hwnd_; }
    static const std::vector<DWORD>& Contexts() { return contexts_; }

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_HELP) {
            contexts_.push_back(static_cast<DWORD>(reinterpret_cast<const HELPINFO*>(lParam)->dwContextId));
            return TRUE;
        }
        return ::DefWindowProcA(hwnd, message, wParam, lParam);
    }
    static inline std::vector<DWORD> contexts_;
    HWND hwnd_;
};

TEST(CommandLineError, TheWarningBoxAsksItsOwnerForItsHelpTopic) {
    HelpOwner owner;
    MessageBoxAnswerer answerer({MessageBoxAnswerer::kAskForHelp, IDOK});
    ShowCommandLineError(owner.Handle(), ErrUnknownSwitch, 2, "/x");
    ASSERT_TRUE(answerer.Wait());
    EXPECT_EQ(answerer.Caption(), "Warning");
    EXPECT_EQ(answerer.Text(), CommandLineErrorText(ErrUnknownSwitch, 2, "/x"));
    // Wine hands the request to the owner twice (the box's own handler and the default one).
    ASSERT_FALSE(HelpOwner::Contexts().empty());
    for (DWORD context : HelpOwner::Contexts()) EXPECT_EQ(context, 17930u);
}

TEST(UsageDialog, ItsTextAndFade) {
    EXPECT_EQ(UserGuideAddress(),
              "https://www.zem-software.example/en/products/applications/tarvelix/support/UserGuide.htm");
    EXPECT_EQ(UsageText(),
              "Usage: ZemTarvelix[.exe] [switch] [<parameter>] [switch]\r\n"
              "\r\n"
              "Switches:\r\n"
              "?                    Opens this dialog box\r\n"
              "HELP             Synonym for ?\r\n"
              "READONLY  Loads the file specified in <parameter> as a read-only file.\r\n"
              "                      Requires that a file's path is specified as a parameter.\r\n"
              "ro                   Synonymous with READONLY\r\n"
              "\r\n"
              "Parameter:\r\n"
              "The absolute/fully qualified or relative path, name, and extension of the file to load during "
              "application startup.\r\n"
              "\r\n"
              "Example:\r\n"
              "ZemTarvelix.exe /ro C:\\Users\\Public\\Documents\\SampleFile.txt\r\n"
              "\r\n"
              "Help " + UserGuideAddress());
    // From black the title stays for 24 ticks and is hidden at the 25th.
    COLORREF color = 0;
    int ticks = 0;
    for (FadeStep step{0, true}; step.visible; color = step.color) {
        step = NextFadeStep(color, kUsageFadeLimit);
        ++ticks;
    }
    EXPECT_EQ(ticks, 25);
    EXPECT_EQ(color, 0xFAFAFAu);
}

bool IsBoldAt(HWND text, LONG position) {
    ::SendMessageA(text, EM_SETSEL, position, position + 1);
    CHARFORMAT2A format{};
    format.cbSize = sizeof(format);
    ::SendMessageA(text, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    return (format.dwEffects & CFE_BOLD) != 0;
}

TEST(UsageDialog, ShowsItsTextAndFadesItsTitle) {
    std::vector<DWORD> helped;
    TTarvelixUsageDlg dialog([&](DWORD context) { helped.push_back(context); });
    const HWND hwnd = dialog.Create(nullptr);
    ASSERT_NE(hwnd, nullptr);
    ::ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    EXPECT_EQ(WindowText(hwnd), "Usage");
    RECT client{};
    ::GetClientRect(hwnd, &client);
    EXPECT_EQ(client.right, ScaledPixels(566));
    EXPECT_EQ(client.bottom, ScaledPixels(323));

    const HWND text = dialog.TextControl();
    EXPECT_EQ(WindowText(text), UsageText());
    EXPECT_TRUE(RichEdit(text).ReadOnly());
    EXPECT_TRUE(IsBoldAt(text, 0));
    EXPECT_FALSE(IsBoldAt(text, 7));
    const std::wstring wide = RichEdit(text).WideText();
    EXPECT_TRUE(IsBoldAt(text, static_cast<LONG>(wide.find(L"Example:"))));
    EXPECT_FALSE(IsBoldAt(text, static_cast<LONG>(wide.find(L"ZemTarvelix.exe /ro"))));

    EXPECT_TRUE(dialog.TitleVisible());
    EXPECT_TRUE(dialog.Fading());
    EXPECT_EQ(dialog.TitleColor(), ::GetSysColor(COLOR_WINDOWTEXT));
    for (int i = 0; i < 40 && dialog.Fading(); ++i) ::SendMessageA(hwnd, WM_TIMER, 1, 0);
    EXPECT_FALSE(dialog.TitleVisible());
    ::SendMessageA(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(100, 120));  // below the banner
    EXPECT_FALSE(dialog.Fading());
    ::SendMessageA(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(100, 20));
    EXPECT_TRUE(dialog.Fading());
    EXPECT_TRUE(dialog.TitleVisible());

    HELPINFO request{sizeof(request), HELPINFO_WINDOW, IDC_USAGE_TEXT, text, ::GetWindowContextHelpId(text), {}};
    ::SendMessageA(hwnd, WM_HELP, 0, reinterpret_cast<LPARAM>(&request));
    const HWND ok = ::GetDlgItem(hwnd, IDOK);
    request = {sizeof(request), HELPINFO_WINDOW, IDOK, ok, ::GetWindowContextHelpId(ok), {}};
    ::SendMessageA(hwnd, WM_HELP, 0, reinterpret_cast<LPARAM>(&request));
    request = {sizeof(request), HELPINFO_WINDOW, 0, hwnd, 0, {}};
    ::SendMessageA(hwnd, WM_HELP, 0, reinterpret_cast<LPARAM>(&request));
    EXPECT_EQ(helped, (std::vector<DWORD>{17695, 17699, 17690}));

    ::SendMessageA(hwnd, WM_COMMAND, IDOK, 0);
    EXPECT_FALSE(::IsWindow(hwnd));
}

std::vector<std::string> openedAddresses;
INT_PTR RecordOpening(const std::string& address) {
    openedAddresses.push_back(address);
    return 33;
}

TEST(UsageDialog, ALinkOpensAfterConsent) {
    bool allow = false;
    int asked = 0;
    TTarvelixUsageDlg dialog({}, [&](HWND) { ++asked; return allow; });
    const HWND hwnd = dialog.Create(nullptr);
    ASSERT_NE(hwnd, nullptr);
    ::ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    dialog.URLInfo().open = RecordOpening;
    openedAddresses.clear();

    const std::wstring wide = RichEdit(dialog.TextControl()).WideText();
    const LONG start = static_cast<LONG>(wide.find(L"https://"));
    ENLINK link{};
    link.nmhdr = {dialog.TextControl(), IDC_USAGE_TEXT, EN_LINK};
    link.msg = WM_LBUTTONDOWN;
    link.chrg = {start, static_cast<LONG>(wide.size())};
    ::SendMessageA(hwnd, WM_NOTIFY, IDC_USAGE_TEXT, reinterpret_cast<LPARAM>(&link));
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(dialog.URLInfo().Busy());

    allow = true;
    link.msg = WM_MOUSEMOVE;  // only a click counts
    ::SendMessageA(hwnd, WM_NOTIFY, IDC_USAGE_TEXT, reinterpret_cast<LPARAM>(&link));
    EXPECT_EQ(asked, 1);
    link.msg = WM_LBUTTONDBLCLK;
    ::SendMessageA(hwnd, WM_NOTIFY, IDC_USAGE_TEXT, reinterpret_cast<LPARAM>(&link));
    EXPECT_TRUE(dialog.URLInfo().Busy());
    for (int i = 0; i < 100 && dialog.URLInfo().Busy(); ++i) PumpMessages(20);
    EXPECT_FALSE(dialog.URLInfo().Busy());
    EXPECT_EQ(dialog.URLInfo().threadId, 0u);
    EXPECT_EQ(openedAddresses, std::vector<std::string>{UserGuideAddress()});
}

TEST(UsageDialog, ShownModallyItEndsWithOk) {
    MessageBoxAnswerer answerer(IDOK);
    EXPECT_EQ(ShowUsageDialog(nullptr, [](DWORD) {}), IDOK);
    ASSERT_TRUE(answerer.Wait());
    EXPECT_EQ(answerer.Caption(), "Usage");
}

}  // namespace
}  // namespace zem
