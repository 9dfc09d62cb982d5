// The About dialog as a real window: its pages, buttons, context menu, scroll texts, links
// and help, driven with the messages the user's actions send.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <richedit.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <mutex>
#include <regex>

#include "app/about_dialog.h"
#include "base/controls.h"
#include "base/window.h"
#include "base/system.h"
#include "resource.h"
#include "test_support.h"

namespace zem::test {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    lines.push_back(text.substr(start));
    return lines;
}

std::string ClipboardText() {
    std::string text;
    if (!::OpenClipboard(nullptr)) return "<no clipboard>";
    HANDLE data = ::GetClipboardData(CF_TEXT);
    const auto* chars = data ? static_cast<const char*>(::GlobalLock(data)) : nullptr;
    text = chars ? chars : "<no text>";
    if (chars) ::GlobalUnlock(data);
    ::CloseClipboard();
    return text;
}

std::string FileContent(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

bool HasEffect(HWND text, LONG position, DWORD effect) {
    RichEdit(text).SetSelection(position, position + 1);
    CHARFORMAT2A format{};
    format.cbSize = sizeof(format);
    ::SendMessageA(text, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    RichEdit(text).SetSelection(0, 0);
    return (format.dwEffects & effect) != 0;
}

LONG PositionOf(HWND text, const wchar_t* part) {
    return static_cast<LONG>(RichEdit(text).WideText().find(part));
}

// Stands in for the shell: records the addresses the opener thread is asked to open.
struct OpenedAddresses {
    static inline std::mutex lock;
    static inline std::vector<std::string> addresses;
    static INT_PTR Open(const std::string& address) {
        std::lock_guard<std::mutex> guard(lock);
        addresses.push_back(address);
        return 42;
    }
};

class AboutDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        dialog_ = std::make_unique<TZemVersionInfoDialog1>([this](const std::string& text) { messages_.push_back(text); });
        dialog_->SetHelpHandler([this](DWORD context) { helped_.push_back(context); });
        dialog_->SetLinkCallback([this](const std::string& address) {
            asked_.push_back(address);
            return allow_;
        });
        hwnd_ = dialog_->Create(nullptr);
        ASSERT_NE(hwnd_, nullptr);
        ::ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
        PumpMessages();
    }
    void TearDown() override {
        dialog_.reset();
        PumpMessages();
    }

    HWND Item(int id) const { return ::GetDlgItem(hwnd_, id); }
    HWND Text(AboutPage page) const { return dialog_->PageText(page); }
    HWND Scroll(AboutPage page, ScrollText which) const { return dialog_->ScrollTextControl(page, which); }
    // A click on a button or a scroll text, as the control reports it.
    void Click(HWND control) const {
        ::SendMessageA(hwnd_, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(control), 0), reinterpret_cast<LPARAM>(control));
    }
    void Help(HWND control) const {
        HELPINFO request{sizeof(request), HELPINFO_WINDOW, ::GetDlgCtrlID(control), control,
                         ::GetWindowContextHelpId(control), {}};
        ::SendMessageA(hwnd_, WM_HELP, 0, reinterpret_cast<LPARAM>(&request));
    }
    bool Visible(HWND control) const { return (::GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE) != 0; }
    // A press on the link that starts with `part`, as the text reports it.
    void PressLink(AboutPage page, const wchar_t* part, size_t length) const {
        const LONG start = PositionOf(Text(page), part);
        ENLINK link{};
        link.nmhdr = {Text(page), static_cast<UINT_PTR>(::GetDlgCtrlID(Text(page))), EN_LINK};
        link.msg = WM_LBUTTONDOWN;
        link.chrg = {start, start + static_cast<LONG>(length)};
        ::SendMessageA(hwnd_, WM_NOTIFY, link.nmhdr.idFrom, reinterpret_cast<LPARAM>(&link));
    }

    std::unique_ptr<TZemVersionInfoDialog1> dialog_;
    HWND hwnd_ = nullptr;
    std::vector<std::string> messages_;
    std::vector<DWORD> helped_;
    std::vector<std::string> asked_;
    bool allow_ = false;
};

std::string TabCaption(HWND tabs, int index) {
    char caption[128] = {};
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = caption;
    item.cchTextMax = sizeof(caption);
    ::SendMessageA(tabs, TCM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return caption;
}

TEST_F(AboutDialogTest, ItsPagesButtonsAndTheProductsVersion) {
    EXPECT_EQ(WindowText(hwnd_), "About");
    EXPECT_NE(::GetWindowLongA(hwnd_, GWL_EXSTYLE) & WS_EX_CONTEXTHELP, 0);
    RECT client{};
    ::GetClientRect(hwnd_, &client);
    EXPECT_EQ(client.right, ScaledPixels(520));
    EXPECT_EQ(client.bottom, ScaledPixels(328));

    const HWND tabs = Item(IDC_ABOUT_PAGES);
    ASSERT_EQ(::SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0), 4);
    EXPECT_EQ(TabCaption(tabs, 0), "&About Zem Tarvelix");
    EXPECT_EQ(TabCaption(tabs, 1), "Version &Details");
    EXPECT_EQ(TabCaption(tabs, 2), "About Ze&m");
    EXPECT_EQ(TabCaption(tabs, 3), "About &Windows");
    EXPECT_EQ(WindowText(Item(IDC_ABOUT_COPY_INFO)), "&Copy Info");
    EXPECT_EQ(WindowText(Item(IDC_ABOUT_SAVE_INFO)), "&Save Info As...");
    EXPECT_EQ(WindowText(Item(IDOK)), "&OK");
    EXPECT_EQ(WindowText(Scroll(AboutPage::Maker, ScrollText::PageUp)), "<< Page Up");
    EXPECT_EQ(WindowText(Scroll(AboutPage::Maker, ScrollText::ScrollUp)), "< Scroll Up");
    EXPECT_EQ(WindowText(Scroll(AboutPage::Maker, ScrollText::ScrollDown)), "Scroll Down >");
    EXPECT_EQ(WindowText(Scroll(AboutPage::Maker, ScrollText::PageDown)), "Page Down >>");

    EXPECT_EQ(WindowText(Item(IDC_ABOUT_PRODUCT_VERSION)), "Zem Tarvelix (The File Name Conversion Utility), Version 1.0");
    EXPECT_EQ(WindowText(Item(IDC_ABOUT_PRODUCT_COPYRIGHT)), TZemVersionInfo().LegalCopyright());
    EXPECT_NE(::SendMessageA(Item(IDC_ABOUT_PRODUCT_IMAGE), STM_GETICON, 0, 0), 0);

    EXPECT_EQ(dialog_->ShownPage(), AboutPage::Product);
    EXPECT_TRUE(Visible(Item(IDC_ABOUT_PRODUCT_VERSION)));
    EXPECT_FALSE(Visible(Text(AboutPage::Details)));
    ::SendMessageA(tabs, TCM_SETCURSEL, 1, 0);
    NMHDR change{tabs, IDC_ABOUT_PAGES, static_cast<UINT>(TCN_SELCHANGE)};
    ::SendMessageA(hwnd_, WM_NOTIFY, IDC_ABOUT_PAGES, reinterpret_cast<LPARAM>(&change));
    EXPECT_EQ(dialog_->ShownPage(), AboutPage::Details);
    EXPECT_FALSE(Visible(Item(IDC_ABOUT_PRODUCT_VERSION)));
    EXPECT_TRUE(Visible(Text(AboutPage::Details)));
    EXPECT_FALSE(Visible(Text(AboutPage::Product)));  // the stand-in for the first page never shows
}

TEST_F(AboutDialogTest, VersionDetailsComeFromTheVersionRecord) {
    TZemVersionInfo own;
    const std::string path = ExecutablePath();
    const std::vector<std::string> expected{
        own.ProductName() + " Version Details",
        "",
        "Product Version: " + own.ProductVersion(),
        own.FileDescription(),
        "Manufacturer: " + own.CompanyName(),
        "Copyright " + own.LegalCopyright(),
        "Legal Trademarks: " + own.LegalTrademarks(),
        "",
        "Main Executable Module: " + path.substr(path.rfind('\\') + 1),
        "Original Filename: " + own.OriginalFilename(),
        "File Version: " + own.FileVersion(),
    };
    const HWND text = Text(AboutPage::Details);
    EXPECT_EQ(Lines(WindowText(text)), expected);
    EXPECT_TRUE(HasEffect(text, 0, CFE_BOLD));
    EXPECT_FALSE(HasEffect(text, PositionOf(text, L"Product Version"), CFE_BOLD));
    EXPECT_TRUE(RichEdit(text).ReadOnly());
}

TEST_F(AboutDialogTest, AboutWindowsNamesTheSystemUserComputerAndMemory) {
    const HWND text = Text(AboutPage::Windows);
    const std::vector<std::string> lines = Lines(WindowText(text));
    ASSERT_GT(lines.size(), 20u);
    EXPECT_EQ(lines[0], "Operating System Information");
    EXPECT_EQ(lines[1], "");
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof(version);
    ::GetVersionExA(&version);
    const std::string versionLine = Format("Windows Version %lu.%lu, Build %lu", version.dwMajorVersion,
                                           version.dwMinorVersion, version.dwBuildNumber);
    EXPECT_NE(std::find(lines.begin(), lines.end(), versionLine), lines.end()) << versionLine;

    const size_t nt = std::find(lines.begin(), lines.end(), "System is based on Windows NT") - lines.begin();
    ASSERT_LT(nt + 4, lines.size());
    EXPECT_EQ(lines[nt + 1], "Copyright \xA9 Microsoft Corporation");
    EXPECT_EQ(lines[nt + 2], "https://www.microsoft.com");
    EXPECT_EQ(lines[nt + 3], "");
    char system[MAX_PATH] = {};
    ::GetSystemDirectoryA(system, MAX_PATH);
    EXPECT_EQ(lines[nt + 4], "Kernel Version: " + TZemVersionInfo(std::string(system) + "\\Kernel32.dll").FileVersion());
    char programFiles[MAX_PATH] = {};
    ::GetEnvironmentVariableA("ProgramFiles", programFiles, MAX_PATH);
    const std::string browser = std::string(programFiles) + "\\Internet Explorer\\iexplore.exe";
    if (FileExists(browser)) {
        const std::string line = "Internet Explorer Version: " + TZemVersionInfo(browser).ProductVersion();
        EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
    }
    EXPECT_TRUE(HasEffect(text, PositionOf(text, L"https://www.microsoft.com"), CFE_LINK));
    EXPECT_FALSE(HasEffect(text, PositionOf(text, L"Kernel Version"), CFE_LINK));

    char user[256] = {}, computer[256] = {}, path[32767] = {};
    DWORD userSize = sizeof(user), computerSize = sizeof(computer);
    ASSERT_TRUE(::GetUserNameA(user, &userSize));
    ASSERT_TRUE(::GetComputerNameA(computer, &computerSize));
    ::GetEnvironmentVariableA("PATH", path, sizeof(path));
    MEMORYSTATUSEX memory{};
    memory.dwLength = sizeof(memory);
    ASSERT_TRUE(::GlobalMemoryStatusEx(&memory));
    const std::string userLine = std::string("Application/process is running under user account: ") + user;
    const size_t at = std::find(lines.begin(), lines.end(), userLine) - lines.begin();
    ASSERT_EQ(at + 9, lines.size()) << userLine;
    EXPECT_EQ(lines[at - 1], "");
    EXPECT_EQ(lines[at + 1], std::string("On computer: ") + computer);
    EXPECT_EQ(lines[at + 2], "");
    EXPECT_EQ(lines[at + 3], std::string("Default search path (environment var. PATH): ") + path);
    EXPECT_EQ(lines[at + 4], "");
    EXPECT_EQ(lines[at + 5].rfind("Current System Date/Time is : ", 0), 0u);
    EXPECT_EQ(lines[at + 6], "Physical memory: " + SizeText(memory.ullTotalPhys));
    const std::regex size("Available, physical memory: [0-9,]+\\.[0-9]{2} (KB|MB|GB) \\([0-9,]+ Byte\\)");
    EXPECT_TRUE(std::regex_match(lines[at + 7], size)) << lines[at + 7];
    EXPECT_TRUE(std::regex_match(lines[at + 8], std::regex("Currently in use: [0-9]{1,3}%"))) << lines[at + 8];
}

TEST_F(AboutDialogTest, CopyInfoCopiesTheShownPageAndLeavesNothingSelected) {
    // Without a text template the first page's information is empty.
    PutTextOnClipboard("before");
    Click(Item(IDC_ABOUT_COPY_INFO));
    EXPECT_EQ(ClipboardText(), "");

    dialog_->ShowPage(AboutPage::Details);
    const HWND text = Text(AboutPage::Details);
    RichEdit(text).SetSelection(3, 9);
    Click(Item(IDC_ABOUT_COPY_INFO));
    EXPECT_EQ(ClipboardText(), WindowText(text));
    CHARRANGE selection{};
    RichEdit(text).GetSelection(selection);
    EXPECT_EQ(selection.cpMin, selection.cpMax);
}

TEST_F(AboutDialogTest, SaveInfoWritesRichOrPlainTextOfTheShownPage) {
    TempFolder folder;
    dialog_->ShowPage(AboutPage::Maker);
    const std::string text = WindowText(Text(AboutPage::Maker));
    EXPECT_EQ(dialog_->SaveInfo(InfoSaveTargetFor(folder.Path() + "\\Maker Info", kRichTextFilter)), 0u);
    const std::string rich = FileContent(folder.Path() + "\\Maker Info.rtf");
    EXPECT_EQ(rich.rfind("{\\rtf", 0), 0u);
    EXPECT_NE(rich.find("Manufacturer Information"), std::string::npos);

    EXPECT_EQ(dialog_->SaveInfo(InfoSaveTargetFor(folder.Path() + "\\Maker Info", kPlainTextFilter)), 0u);
    EXPECT_EQ(FileContent(folder.Path() + "\\Maker Info.txt"), text);
    EXPECT_EQ(dialog_->SaveInfo(InfoSaveTargetFor(folder.Path() + "\\Upper.RTF", kPlainTextFilter)), 0u);
    EXPECT_EQ(FileContent(folder.Path() + "\\Upper.RTF").rfind("{\\rtf", 0), 0u);

    dialog_->ShowPage(AboutPage::Product);
    EXPECT_EQ(dialog_->SaveInfo(InfoSaveTargetFor(folder.Path() + "\\Empty", kPlainTextFilter)), 0u);
    EXPECT_EQ(FileContent(folder.Path() + "\\Empty.txt"), "");
}

// The current folder for the scope, put back afterwards.
class CurrentFolder {
public:
    explicit CurrentFolder(const std::string& folder) : old_(zem::CurrentDirectory()) {
        ::SetCurrentDirectoryA(folder.c_str());
    }
    ~CurrentFolder() { ::SetCurrentDirectoryA(old_.c_str()); }

private:
    std::string old_;
};

TEST_F(AboutDialogTest, SaveInfoAsProposesTheProductsNameAsRichText) {
    TempFolder folder;
    const CurrentFolder inFolder(folder.Path());
    // The file dialogs open where this program's last one was left, when that is remembered.
    DeleteUserKey("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\LastVisitedMRU");
    dialog_->ShowPage(AboutPage::Details);
    ::ShowWindow(hwnd_, SW_HIDE);  // the answerer is to find the file selection alone
    MessageBoxAnswerer answerer(IDOK);
    Click(Item(IDC_ABOUT_SAVE_INFO));
    ASSERT_TRUE(answerer.Wait());
    EXPECT_EQ(answerer.Caption(), "Save Version Info");
    const std::string saved = FileContent(folder.Path() + "\\Zem Tarvelix Version Info.rtf");
    EXPECT_EQ(saved.rfind("{\\rtf", 0), 0u);
    EXPECT_NE(saved.find("Version Details"), std::string::npos);
}

std::vector<bool> EnabledItems(HMENU menu) {
    std::vector<bool> enabled;
    for (UINT id : {IDM_ABOUT_SELECT_ALL, IDM_ABOUT_CLEAR_SELECTION, IDM_ABOUT_COPY, IDM_ABOUT_PRINT}) {
        enabled.push_back((::GetMenuState(menu, id, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)) == 0);
    }
    return enabled;
}

std::string ItemCaption(HMENU menu, UINT id) {
    char caption[128] = {};
    ::GetMenuStringA(menu, id, caption, sizeof(caption), MF_BYCOMMAND);
    return caption;
}

TEST_F(AboutDialogTest, TheContextMenuFollowsTheSelectionAndWorksOnItsText) {
    dialog_->ShowPage(AboutPage::Windows);
    const HWND text = Text(AboutPage::Windows);
    const RichEdit edit(text);
    edit.SetSelection(4, 4);
    HMENU menu = dialog_->PrepareInfoMenu(text);
    EXPECT_EQ(ItemCaption(menu, IDM_ABOUT_SELECT_ALL), "Select All\tCtrl+A");
    EXPECT_EQ(ItemCaption(menu, IDM_ABOUT_CLEAR_SELECTION), "Clear Selection");
    EXPECT_EQ(ItemCaption(menu, IDM_ABOUT_COPY), "Copy\tCtrl+C");
    EXPECT_EQ(ItemCaption(menu, IDM_ABOUT_PRINT), "Print");
    EXPECT_EQ(EnabledItems(menu), (std::vector<bool>{true, false, false, true}));
    edit.SetSelection(0, 9);
    EXPECT_EQ(EnabledItems(dialog_->PrepareInfoMenu(text)), (std::vector<bool>{true, true, true, true}));

    ::SendMessageA(hwnd_, WM_COMMAND, IDM_ABOUT_SELECT_ALL, 0);
    EXPECT_EQ(EnabledItems(dialog_->PrepareInfoMenu(text)), (std::vector<bool>{false, true, true, true}));
    PutTextOnClipboard("before");
    ::SendMessageA(hwnd_, WM_COMMAND, IDM_ABOUT_COPY, 0);
    EXPECT_EQ(ClipboardText(), WindowText(text));
    ::SendMessageA(hwnd_, WM_COMMAND, IDM_ABOUT_CLEAR_SELECTION, 0);
    EXPECT_EQ(EnabledItems(dialog_->PrepareInfoMenu(text)), (std::vector<bool>{true, false, false, true}));
}

// Whether the text's last character lies below its window: the text does not fit.
bool Overflows(HWND text) {
    RECT client{};
    ::GetClientRect(text, &client);
    POINTL last{};
    ::SendMessageA(text, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&last), RichEdit(text).TextLength() - 1);
    return last.y >= client.bottom;
}

// The first line shown whole.
int TopLine(HWND text) {
    const auto first = static_cast<int>(::SendMessageA(text, EM_GETFIRSTVISIBLELINE, 0, 0));
    POINTL top{};
    ::SendMessageA(text, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&top), ::SendMessageA(text, EM_LINEINDEX, first, 0));
    return top.y < 0 ? first + 1 : first;
}

TEST_F(AboutDialogTest, ScrollTextsScrollAndFollowThePosition) {
    // The maker page fits: it has no line scrolling; the Windows page does not.
    ASSERT_FALSE(Overflows(Text(AboutPage::Maker)));
    ASSERT_TRUE(Overflows(Text(AboutPage::Windows)));
    dialog_->ShowPage(AboutPage::Maker);
    EXPECT_FALSE(Visible(Scroll(AboutPage::Maker, ScrollText::ScrollUp)));
    EXPECT_FALSE(Visible(Scroll(AboutPage::Maker, ScrollText::ScrollDown)));
    EXPECT_TRUE(Visible(Scroll(AboutPage::Maker, ScrollText::PageUp)));
    EXPECT_FALSE(::IsWindowEnabled(Scroll(AboutPage::Maker, ScrollText::PageDown)));

    dialog_->ShowPage(AboutPage::Windows);
    const HWND text = Text(AboutPage::Windows);
    const HWND up = Scroll(AboutPage::Windows, ScrollText::ScrollUp);
    const HWND down = Scroll(AboutPage::Windows, ScrollText::ScrollDown);
    EXPECT_TRUE(Visible(up));
    EXPECT_TRUE(Visible(down));
    EXPECT_FALSE(::IsWindowEnabled(up));
    EXPECT_TRUE(::IsWindowEnabled(down));

    Click(down);
    EXPECT_EQ(TopLine(text), 1);
    EXPECT_TRUE(::IsWindowEnabled(up));
    EXPECT_TRUE(::IsWindowEnabled(Scroll(AboutPage::Windows, ScrollText::PageUp)));
    Click(Scroll(AboutPage::Windows, ScrollText::PageDown));
    const int afterPage = TopLine(text);
    EXPECT_GT(afterPage, 2);
    Click(up);
    EXPECT_EQ(TopLine(text), afterPage - 1);
    // At the end of the text the down texts are off.
    Click(Scroll(AboutPage::Windows, ScrollText::PageDown));
    Click(Scroll(AboutPage::Windows, ScrollText::PageDown));
    EXPECT_FALSE(::IsWindowEnabled(down));
    Click(Scroll(AboutPage::Windows, ScrollText::PageUp));
    Click(Scroll(AboutPage::Windows, ScrollText::PageUp));
    EXPECT_EQ(TopLine(text), 0);
    EXPECT_FALSE(::IsWindowEnabled(up));

    // Keys released in the text update the scroll texts too.
    ::SendMessageA(text, EM_LINESCROLL, 0, 1000);
    EXPECT_FALSE(::IsWindowEnabled(up));
    ::SendMessageA(text, WM_KEYUP, VK_END, 0xC0000001);
    EXPECT_TRUE(::IsWindowEnabled(up));
    EXPECT_FALSE(::IsWindowEnabled(down));
}

TEST_F(AboutDialogTest, LinksOpenOnlyWithConsent) {
    dialog_->URLInfo().open = OpenedAddresses::Open;
    OpenedAddresses::addresses.clear();
    PressLink(AboutPage::Windows, L"https://www.microsoft.com", 25);
    EXPECT_EQ(asked_, std::vector<std::string>{"https://www.microsoft.com"});
    EXPECT_FALSE(dialog_->URLInfo().Busy());

    allow_ = true;
    PressLink(AboutPage::Maker, L"support@", 28);
    EXPECT_TRUE(dialog_->URLInfo().Busy());
    for (int i = 0; i < 100 && dialog_->URLInfo().Busy(); ++i) PumpMessages(20);
    EXPECT_FALSE(dialog_->URLInfo().Busy());
    std::lock_guard<std::mutex> guard(OpenedAddresses::lock);
    EXPECT_EQ(OpenedAddresses::addresses, std::vector<std::string>{"mailto:support@zem-software.example"});
    EXPECT_EQ(asked_.back(), "mailto:support@zem-software.example");
}

TEST_F(AboutDialogTest, AClickOnALinkAsksForConsent) {
    dialog_->ShowPage(AboutPage::Maker);
    const HWND text = Text(AboutPage::Maker);
    POINTL point{};
    ::SendMessageA(text, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&point), PositionOf(text, L"https://") + 3);
    const LPARAM at = MAKELPARAM(point.x + 2, point.y + 4);
    ::SendMessageA(text, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageA(text, WM_LBUTTONUP, 0, at);
    EXPECT_EQ(asked_, std::vector<std::string>{"https://www.zem-software.example"});
}

TEST_F(AboutDialogTest, HelpRequestsGiveTheControlsContexts) {
    Help(Item(IDOK));
    Help(Item(IDC_ABOUT_COPY_INFO));
    Help(Item(IDC_ABOUT_PRODUCT_VERSION));
    Help(Item(IDC_ABOUT_PAGES));
    dialog_->ShowPage(AboutPage::Windows);
    Help(Item(IDC_ABOUT_PAGES));
    Help(Text(AboutPage::Windows));
    Help(Scroll(AboutPage::Maker, ScrollText::ScrollDown));
    Help(hwnd_);
    EXPECT_EQ(helped_, (std::vector<DWORD>{7799, 7797, 7712, 7710, 7740, 7742, 7788, 7700}));
}

TEST_F(AboutDialogTest, AMissingLogoLibraryIsReportedWithItsPathAndCode) {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof(version);
    ::GetVersionExA(&version);
    char windows[MAX_PATH] = {}, system[MAX_PATH] = {};
    ::GetWindowsDirectoryA(windows, MAX_PATH);
    ::GetSystemDirectoryA(system, MAX_PATH);
    const std::string library = version.dwMajorVersion <= 5 ? std::string(system) + "\\sysdm.cpl"
                                                            : std::string(windows) + "\\Branding\\ShellBrd\\Shellbrd.dll";
    const HMODULE loaded = ::LoadLibraryExA(library.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    const DWORD code = ::GetLastError();
    std::vector<std::string> expected;
    if (loaded) {
        ::FreeLibrary(loaded);
    } else {
        expected.push_back(library + "\r\n" + std::to_string(code));
    }
    std::vector<std::string> logoMessages = messages_;
    std::erase(logoMessages, "Internet Explorer NOT found !");
    EXPECT_EQ(logoMessages, expected);
    EXPECT_LE(messages_.size(), expected.size() + 1);
}

TEST(AboutDialog, ShownModallyItEndsWithOkAfterItsMessages) {
    // The messages this system gives, counted on a dialog of their own.
    std::vector<std::string> messages;
    {
        TZemVersionInfoDialog1 counting([&](const std::string& text) { messages.push_back(text); });
        ASSERT_NE(counting.Create(nullptr), nullptr);
    }
    std::vector<int> buttons(messages.size() + 1, IDOK);
    MessageBoxAnswerer answerer(buttons);
    EXPECT_EQ(ShowAboutDialog(nullptr, [](DWORD) {}, [](const std::string&) { return false; }), IDOK);
    ASSERT_TRUE(answerer.Wait());
    ASSERT_EQ(answerer.Texts().size(), messages.size() + 1);
    for (size_t i = 0; i < messages.size(); ++i) EXPECT_EQ(answerer.Texts()[i], messages[i]);
}

}  // namespace
}  // namespace zem::test
