// The shell actions: what each command would start, watched through a recording launcher, for
// real folders whose names a command interpreter would otherwise read as commands.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

#include <ostream>
#include <string>
#include <vector>

#include "base/status_codes.h"
#include "base/strings.h"
#include "editor/shell_actions.h"
#include "engine/path_forms.h"
#include "test_support.h"

namespace zem {

void PrintTo(const ShellLaunch& launch, std::ostream* out) {
    *out << (launch.call == ShellCall::Execute ? "ShellExecuteA" : "ShellExecuteExA") << " verb=[" << launch.verb
         << "] file=[" << launch.file << "] parameters=[" << launch.parameters << "] directory=[" << launch.directory
         << "] mask=" << launch.mask << " show=" << launch.show;
}

namespace {

class RecordingLauncher : public ShellLauncher {
public:
    LaunchResult Launch(HWND owner, const ShellLaunch& launch) override {
        owners.push_back(owner);
        launches.push_back(launch);
        return answer;
    }
    std::vector<HWND> owners;
    std::vector<ShellLaunch> launches;
    LaunchResult answer{true, 0};
};

// The system folder as the kernel reports it, with a trailing backslash.
std::string SystemFolder() {
    char buffer[MAX_PATH] = {};
    const UINT length = ::GetSystemDirectoryA(buffer, MAX_PATH);
    std::string folder(buffer, length);
    return folder.back() == '\\' ? folder : folder + "\\";
}

// The code the system leaves for a path that does not exist, or `fallback`.
uint32_t MissingPathError(const std::string& path, uint32_t fallback) {
    ::SetLastError(0);
    ::GetFileAttributesA(path.c_str());
    return LastErrorOr(fallback);
}

class ScopedCurrentDirectory {
public:
    explicit ScopedCurrentDirectory(const std::string& path) {
        char buffer[MAX_PATH * 2] = {};
        ::GetCurrentDirectoryA(sizeof(buffer), buffer);
        old_ = buffer;
        ::SetCurrentDirectoryA(path.c_str());
    }
    ~ScopedCurrentDirectory() { ::SetCurrentDirectoryA(old_.c_str()); }

private:
    std::string old_;
};

// A PowerShell command registered under a key of this test process only.
class RegisteredCommand {
public:
    RegisteredCommand() : root_("Software\\ZemShellActionsTest-" + std::to_string(::GetCurrentProcessId())) {
        test::DeleteUserKey(root_);
    }
    ~RegisteredCommand() { test::DeleteUserKey(root_); }

    std::string Key() const { return root_ + "\\Microsoft.PowerShellConsole.1\\Shell\\Open\\Command"; }
    std::vector<RegistryPlace> Places() const {
        return {{HKEY_CURRENT_USER, root_ + "\\Missing"}, {HKEY_CURRENT_USER, Key()}};
    }
    void Set(const std::string& value, DWORD type = REG_SZ) const {
        HKEY key = nullptr;
        ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, Key().c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        ::RegSetValueExA(key, nullptr, 0, type, reinterpret_cast<const BYTE*>(value.c_str()),
                         static_cast<DWORD>(value.size() + 1));
        ::RegCloseKey(key);
    }

private:
    std::string root_;
};

class ShellActions : public ::testing::Test {
protected:
    void SetUp() override {
        context_.owner = reinterpret_cast<HWND>(0x1234);
        context_.launcher = &launcher_;
        context_.powerShellPlaces = registered_.Places();
        program_ = temp_.MakeFile("Windows PowerShell\\powershell.exe");
        registered_.Set(Quoted(program_) + " -p \"%1\"");
    }

    ShellLaunch OnlyLaunch() const {
        EXPECT_EQ(launcher_.launches.size(), 1u);
        return launcher_.launches.empty() ? ShellLaunch{} : launcher_.launches.front();
    }
    static std::string PowerShellParameters(const std::string& quotedFolder) {
        return "-noexit -command \"& cd -LiteralPath " + quotedFolder + "\"";
    }

    test::TempFolder temp_;
    RecordingLauncher launcher_;
    RegisteredCommand registered_;
    ShellActionContext context_;
    std::string program_;
};

// --- Paths

TEST(SelectedPath, LosesLineBreaksAndOnePairOfEnclosingQuotes) {
    EXPECT_EQ(CleanSelectedPath("C:\\Program\r\n Files\\x"), "C:\\Program Files\\x");
    EXPECT_EQ(CleanSelectedPath("C:\\Program\r Files\\x"), "C:\\Program Files\\x");
    EXPECT_EQ(CleanSelectedPath("\"C:\\Some Folder\""), "C:\\Some Folder");
    EXPECT_EQ(CleanSelectedPath("\"C:\\Some\r\n Folder\""), "C:\\Some Folder");
    EXPECT_EQ(CleanSelectedPath("\"\"C:\\x\"\""), "\"C:\\x\"");
    EXPECT_EQ(CleanSelectedPath("C:\\a\"b"), "C:\\a\"b");
    EXPECT_EQ(CleanSelectedPath("\"C:\\x"), "\"C:\\x");
    EXPECT_EQ(CleanSelectedPath(""), "");
}

TEST(SelectedPath, FolderIsThePartBeforeTheLastBackslashOrColon) {
    EXPECT_EQ(FolderOfPath("C:\\Dir\\Sub\\file.txt"), "C:\\Dir\\Sub");
    EXPECT_EQ(FolderOfPath("C:\\Dir\\Sub\\"), "C:\\Dir\\Sub");
    EXPECT_EQ(FolderOfPath("C:\\file.txt"), "C:\\");
    EXPECT_EQ(FolderOfPath("C:\\"), "C:\\");
    EXPECT_EQ(FolderOfPath("\\\\server\\share\\file"), "\\\\server\\share");
    EXPECT_EQ(FolderOfPath("C:\\Dir\\file.txt:stream"), "C:\\Dir\\file.txt");
    EXPECT_EQ(FolderOfPath("file.txt"), "");
}

TEST(SelectedPath, RelativePathsAreExpandedAgainstTheCurrentDirectory) {
    test::TempFolder temp;
    const ScopedCurrentDirectory current(temp.Path());
    EXPECT_EQ(ExpandedPath("a & calc"), temp.Path() + "\\a & calc");
    EXPECT_EQ(SystemFolderWithBackslash(), SystemFolder());
    EXPECT_EQ(ExpandedPath("..\\x"), FolderOfPath(temp.Path()) + "\\x");
    EXPECT_EQ(ExpandedPath("C:\\Absolute\\..\\kept"), "C:\\Absolute\\..\\kept");
    EXPECT_FALSE(IsFullyQualifiedPath("C:relative"));
    EXPECT_TRUE(IsFullyQualifiedPath("\\\\server\\share"));
}

// --- Quoting

TEST(Quoting, CmdGetsDoubleQuotesAndPowerShellSingleQuotesWithOrWithoutBlanks) {
    EXPECT_EQ(CmdQuoted("C:\\x;calc"), "\"C:\\x;calc\"");
    EXPECT_EQ(CmdQuoted("C:\\a & calc"), "\"C:\\a & calc\"");
    EXPECT_EQ(PowerShellQuoted("C:\\x;calc"), "'C:\\x;calc'");
    EXPECT_EQ(PowerShellQuoted("C:\\it's"), "'C:\\it''s'");
    EXPECT_EQ(PowerShellQuoted("C:\\$(calc)`"), "'C:\\$(calc)`'");
}

TEST(Quoting, PowerShellTypographicQuotesAreDoubledToo) {
    const std::string rightQuote = WideToMultiByte(L"\u2019");
    if (MultiByteToWide(rightQuote) != L"\u2019") GTEST_SKIP() << "the ANSI code page has no typographic quote";
    EXPECT_EQ(PowerShellQuoted("C:\\x" + rightQuote + ";calc"), "'C:\\x" + rightQuote + rightQuote + ";calc'");
}

// --- What the commands start

TEST_F(ShellActions, ConsoleOpensInFoldersNamedLikeCommands) {
    for (const char* name : {"a & calc", "x;calc", "it's", "b^c(d)&e"}) {
        launcher_.launches.clear();
        launcher_.owners.clear();
        const std::string folder = temp_.MakeFolder(name);
        EXPECT_FALSE(OpenLocationInCmdExe(folder, context_).failed) << name;
        const ShellLaunch expected{ShellCall::Execute, "open", SystemFolder() + "Cmd.exe",
                                   "/K chdir /D \"" + folder + "\"", ""};
        EXPECT_EQ(OnlyLaunch(), expected) << name;
        EXPECT_EQ(launcher_.owners, std::vector<HWND>{context_.owner});
    }
}

TEST_F(ShellActions, ConsoleGetsAFolderWithPercentOrExclamationSignsAsWorkingFolderOnly) {
    for (const char* name : {"a & %CMDCMDLINE% & calc", "x!PATH!"}) {
        launcher_.launches.clear();
        const std::string folder = temp_.MakeFolder(name);
        EXPECT_FALSE(OpenLocationInCmdExe(folder, context_).failed) << name;
        const ShellLaunch expected{ShellCall::Execute, "open", SystemFolder() + "Cmd.exe", "/K", folder};
        EXPECT_EQ(OnlyLaunch(), expected) << name;
    }
}

TEST_F(ShellActions, ConsoleTakesTheSelectionQuotedOrSplitOrShortened) {
    const std::string folder = temp_.MakeFolder("a & calc");
    const std::string shortForm = test::SystemShortForm(folder);
    ASSERT_FALSE(shortForm.empty());
    for (const std::string& selection : {Quoted(folder), folder.substr(0, 5) + "\r\n" + folder.substr(5)}) {
        launcher_.launches.clear();
        OpenLocationInCmdExe(selection, context_);
        EXPECT_EQ(OnlyLaunch().parameters, "/K chdir /D \"" + folder + "\"");
    }
    launcher_.launches.clear();
    OpenLocationInCmdExe(shortForm, context_);
    EXPECT_EQ(OnlyLaunch().parameters, "/K chdir /D \"" + shortForm + "\"");
}

TEST_F(ShellActions, ConsoleOnAFileOrAMissingPathFailsWithoutStarting) {
    const std::string file = temp_.MakeFile("a & calc.txt");
    ShellActionResult result = OpenLocationInCmdExe(file, context_);
    EXPECT_TRUE(result.failed);
    EXPECT_EQ(result.error, static_cast<uint32_t>(ERROR_DIRECTORY));
    const std::string missing = temp_.Path() + "\\gone\\away";
    result = OpenLocationInCmdExe(missing, context_);
    EXPECT_TRUE(result.failed);
    EXPECT_EQ(result.error, MissingPathError(missing, ERROR_PATH_NOT_FOUND));
    EXPECT_TRUE(launcher_.launches.empty());
}

TEST_F(ShellActions, ConsoleReportsTheCodeOfAFailedStart) {
    launcher_.answer = {false, SE_ERR_ACCESSDENIED};
    const ShellActionResult result = OpenLocationInCmdExe(temp_.MakeFolder("x;calc"), context_);
    EXPECT_TRUE(result.failed);
    EXPECT_EQ(result.error, static_cast<uint32_t>(SE_ERR_ACCESSDENIED));
    EXPECT_EQ(result.title, "Error Opening Folder in Console");
}

TEST_F(ShellActions, PowerShellOpensInFoldersNamedLikeCommands) {
    const struct {
        const char* name;
        const char* quotedName;
    } cases[] = {{"a & calc", "a & calc"}, {"x;calc", "x;calc"}, {"it's", "it''s"}, {"$(calc)", "$(calc)"}};
    for (const auto& item : cases) {
        launcher_.launches.clear();
        const std::string folder = temp_.MakeFolder(item.name);
        EXPECT_FALSE(OpenLocationInPowerShell(folder + "\\", context_).failed) << item.name;
        const ShellLaunch expected{ShellCall::Execute, "open", program_,
                                   PowerShellParameters("'" + temp_.Path() + "\\" + item.quotedName + "'"), ""};
        EXPECT_EQ(OnlyLaunch(), expected) << item.name;
    }
}

TEST_F(ShellActions, PowerShellKeepsTheBackslashOfADriveRoot) {
    char windows[MAX_PATH] = {};
    ::GetWindowsDirectoryA(windows, MAX_PATH);
    const std::string root = std::string(windows, 3);
    OpenLocationInPowerShell(root, context_);
    EXPECT_EQ(OnlyLaunch().parameters, PowerShellParameters("'" + root + "'"));
}

TEST_F(ShellActions, PowerShellOnAFileStartsNothingAndReportsNothing) {
    EXPECT_FALSE(OpenLocationInPowerShell(temp_.MakeFile("it's.txt"), context_).failed);
    EXPECT_TRUE(launcher_.launches.empty());
}

TEST_F(ShellActions, PowerShellRefusesAFolderItCannotQuote) {
    EXPECT_EQ(OpenInPowerShellLaunch(program_, "C:\\a\" -EncodedCommand x"), std::nullopt);
    EXPECT_EQ(OpenInPowerShellLaunch(program_, "C:\\a\nb"), std::nullopt);
}

TEST_F(ShellActions, PowerShellWithABadRegistrationFailsClearlyAndRunsNothing) {
    const std::string folder = temp_.MakeFolder("a & calc");
    const struct {
        std::string value;
        uint32_t error;
    } cases[] = {{"", ErrNoRegisteredProgram},
                 {"   ", ErrNoRegisteredProgram},
                 {"\"\" -noexit", ErrNoRegisteredProgram},
                 {"-noexit -command calc", ErrProgramNotFullPath},
                 {"calc", ErrProgramNotFullPath},
                 {"cmd.exe /c calc", ErrProgramNotFullPath}};
    for (const auto& item : cases) {
        registered_.Set(item.value);
        const ShellActionResult result = OpenLocationInPowerShell(folder, context_);
        EXPECT_TRUE(result.failed) << item.value;
        EXPECT_EQ(result.error, item.error) << item.value;
        EXPECT_EQ(result.text, ShellActionFailure(ShellCommand::OpenLocationInPowerShell, item.error).text);
    }
    test::DeleteUserKey(registered_.Key());
    EXPECT_EQ(OpenLocationInPowerShell(folder, context_).error, static_cast<uint32_t>(ERROR_FILE_NOT_FOUND));
    EXPECT_TRUE(launcher_.launches.empty());
}

TEST_F(ShellActions, PowerShellWithAMissingProgramFileStartsNothing) {
    registered_.Set(Quoted(temp_.Path() + "\\none\\powershell.exe"));
    EXPECT_FALSE(OpenLocationInPowerShell(temp_.MakeFolder("x;calc"), context_).failed);
    EXPECT_TRUE(launcher_.launches.empty());
}

TEST_F(ShellActions, PowerShellProgramIsFoundInTheLaterPlaceAndExpanded) {
    const test::ScopedVariable variable("ZEM_SHELL_TEST_DIR", temp_.Path());
    registered_.Set("\"%ZEM_SHELL_TEST_DIR%\\Windows PowerShell\\powershell.exe\" -p \"%1\"", REG_EXPAND_SZ);
    const ProgramLookUp found = FindRegisteredProgram(registered_.Places(), false);
    EXPECT_EQ(found.error, 0u);
    EXPECT_EQ(found.program, program_);
    EXPECT_EQ(FindRegisteredProgram(registered_.Places(), true).program, program_);
    EXPECT_EQ(PowerShellKeyAccess(false), 0x20019u);
    EXPECT_EQ(PowerShellKeyAccess(true), 0x20119u);
}

TEST(PowerShellLookUp, ProgramIsTheCommandLineWithoutArguments) {
    EXPECT_EQ(ProgramOfCommandLine("\"C:\\Windows PowerShell\\powershell.exe\" -p \"%1\""),
              "C:\\Windows PowerShell\\powershell.exe");
    EXPECT_EQ(ProgramOfCommandLine("C:\\ps\\powershell.exe   "), "C:\\ps\\powershell.exe");
    EXPECT_EQ(ProgramOfCommandLine("C:\\ps\\powershell.exe -noexit"), "C:\\ps\\powershell.exe");
    EXPECT_EQ(ProgramOfCommandLine(""), "");
    EXPECT_EQ(ProgramOfCommandLine(" -noexit"), "");
}

TEST(PowerShellLookUp, UnregisteredPlacesGiveTheRegistrysCode) {
    const std::vector<RegistryPlace> nowhere = {{HKEY_CURRENT_USER, "Software\\ZemShellActionsTest-none\\x"}};
    EXPECT_EQ(FindRegisteredProgram(nowhere, false).error, static_cast<uint32_t>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(FindRegisteredProgram({}, false).error, static_cast<uint32_t>(ERROR_FILE_NOT_FOUND));
}

TEST(PowerShellLookUp, SupportedSystemsAreNtFromXpSp2On) {
    EXPECT_TRUE(PowerShellSystemSupported(VER_PLATFORM_WIN32_NT, 6, 1, "Service Pack 1"));
    EXPECT_TRUE(PowerShellSystemSupported(VER_PLATFORM_WIN32_NT, 10, 0, ""));
    EXPECT_TRUE(PowerShellSystemSupported(VER_PLATFORM_WIN32_NT, 5, 1, "Service Pack 2"));
    EXPECT_FALSE(PowerShellSystemSupported(VER_PLATFORM_WIN32_NT, 5, 1, "Service Pack 1"));
    EXPECT_TRUE(PowerShellSystemSupported(VER_PLATFORM_WIN32_NT, 5, 2, "Service Pack 1"));
    EXPECT_FALSE(PowerShellSystemSupported(VER_PLATFORM_WIN32_NT, 5, 2, ""));
    EXPECT_FALSE(PowerShellSystemSupported(VER_PLATFORM_WIN32_NT, 5, 0, "Service Pack 4"));
    EXPECT_FALSE(PowerShellSystemSupported(VER_PLATFORM_WIN32_WINDOWS, 6, 0, ""));
}

TEST_F(ShellActions, PowerShellIsAvailableOnlyWithAnExistingProgram) {
    EXPECT_TRUE(PowerShellAvailable(false, registered_.Places()));
    registered_.Set(Quoted(temp_.Path() + "\\none.exe"));
    EXPECT_FALSE(PowerShellAvailable(false, registered_.Places()));
    registered_.Set("");
    EXPECT_FALSE(PowerShellAvailable(false, registered_.Places()));
    const ProgramLookUp real = FindPowerShellProgram(false);
    const bool realExists = real.error == 0 && PathExists(real.program);
    EXPECT_EQ(PowerShellAvailable(false), realExists);
}

TEST_F(ShellActions, OpenStartsTheFileInItsFolder) {
    const std::string file = temp_.MakeFile("a & calc\\x;calc.txt");
    EXPECT_FALSE(OpenFile("\"" + file + "\"", context_).failed);
    const ShellLaunch expected{ShellCall::ExecuteEx, "open", file, "", temp_.Path() + "\\a & calc"};
    EXPECT_EQ(OnlyLaunch(), expected);
    EXPECT_EQ(launcher_.owners, std::vector<HWND>{context_.owner});
}

TEST_F(ShellActions, OpenExpandsARelativePath) {
    temp_.MakeFile("a & calc\\it's.txt");
    const ScopedCurrentDirectory current(temp_.Path());
    OpenFile("a & calc\\it's.txt", context_);
    const ShellLaunch expected{ShellCall::ExecuteEx, "open", temp_.Path() + "\\a & calc\\it's.txt", "",
                               temp_.Path() + "\\a & calc"};
    EXPECT_EQ(OnlyLaunch(), expected);
}

TEST_F(ShellActions, OpenWithQuotesThePathForTheChooser) {
    const std::string file = temp_.MakeFile("x;calc\\a & calc.txt");
    EXPECT_FALSE(OpenFileWith(file, context_).failed);
    const std::string system = SystemFolder();
    const ShellLaunch expected{ShellCall::Execute, "open", system + "RunDll32.exe",
                               system + "Shell32.dll,OpenAs_RunDLL \"" + file + "\"", temp_.Path() + "\\x;calc"};
    EXPECT_EQ(OnlyLaunch(), expected);
}

TEST_F(ShellActions, OpenLocationExploresTheFolderOfThePath) {
    const std::string folder = temp_.MakeFolder("a & calc");
    OpenFileLocation(folder, context_);
    const ShellLaunch expected{ShellCall::ExecuteEx, "explore", temp_.Path(), "", temp_.Path()};
    EXPECT_EQ(OnlyLaunch(), expected);
}

TEST_F(ShellActions, OpenLocationOfAFolderBelowADriveRootIsTheRoot) {
    char windows[MAX_PATH] = {};
    const UINT length = ::GetWindowsDirectoryA(windows, MAX_PATH);
    OpenFileLocation(std::string(windows, length), context_);
    EXPECT_EQ(OnlyLaunch().file, std::string(windows, 3));
    EXPECT_EQ(OnlyLaunch().directory, std::string(windows, 3));
}

TEST_F(ShellActions, PropertiesInvokeTheItemsVerb) {
    const std::string folder = temp_.MakeFolder("it's");
    EXPECT_FALSE(ShowWinPropertiesDlg(folder, context_).failed);
    const ShellLaunch expected{ShellCall::ExecuteEx, "properties", folder, "", temp_.Path(), 0x0000000C};
    EXPECT_EQ(OnlyLaunch(), expected);
}

TEST_F(ShellActions, FailedStartsOfTheOtherCommandsAreNotReported) {
    launcher_.answer = {false, ERROR_ACCESS_DENIED};
    const std::string file = temp_.MakeFile("a & calc.txt");
    for (ShellCommand command : {ShellCommand::OpenFile, ShellCommand::OpenFileWith, ShellCommand::OpenFileLocation,
                                 ShellCommand::ShowWinPropertiesDlg}) {
        EXPECT_FALSE(RunShellCommand(command, file, context_).failed);
    }
    EXPECT_EQ(launcher_.launches.size(), 4u);
}

TEST_F(ShellActions, DeletedPathShowsTheBalloonOfEachCommand) {
    const std::string path = temp_.MakeFolder("a & calc");
    ::RemoveDirectoryA(path.c_str());
    const struct {
        ShellCommand command;
        uint32_t fallback;
        const char* title;
        const char* firstLine;
    } cases[] = {
        {ShellCommand::OpenFile, 3, "Error Opening File or Folder",
         "Opening the selected file or folder failed with error code "},
        {ShellCommand::OpenFileWith, 2, "Error Opening File", "Opening the selected file failed with error code "},
        {ShellCommand::OpenFileLocation, 3, "Error Opening Location",
         "Opening the location of the selected file or folder failed with error code "},
        {ShellCommand::OpenLocationInCmdExe, 3, "Error Opening Folder in Console",
         "Opening the selected folder in a console failed with error code "},
        {ShellCommand::OpenLocationInPowerShell, 3, "Error Opening Folder in PowerShell",
         "Opening the selected folder in PowerShell failed with error code "},
        {ShellCommand::ShowWinPropertiesDlg, 3, "Error Displaying File or Folder's Properties",
         "Determining and/or displaying the selected file or folder's properties failed with error code "},
    };
    for (const auto& item : cases) {
        const uint32_t error = MissingPathError(path, item.fallback);
        const ShellActionResult result = RunShellCommand(item.command, path, context_);
        EXPECT_TRUE(result.failed) << item.title;
        EXPECT_EQ(result.error, error);
        EXPECT_EQ(result.icon, TTI_ERROR_LARGE);
        EXPECT_EQ(result.title, item.title);
        EXPECT_EQ(result.text, item.firstLine + FormatCode(error) + "\r\n" + SystemErrorText(error));
    }
    EXPECT_TRUE(launcher_.launches.empty());
}

TEST(ShellActionTexts, ShowNegativeCodesSignedAndInUpperCaseHex) {
    const ShellActionResult result = ShellActionFailure(ShellCommand::OpenFile, 0xE000FFFA);
    EXPECT_EQ(result.text,
              "Opening the selected file or folder failed with error code -536805382 (0xE000FFFA)\r\n" +
                  SystemErrorText(0xE000FFFA));
}

TEST_F(ShellActions, HugeSelectionsEndInAFailureForEveryCommand) {
    const std::string huge = "\"" + temp_.Path() + "\\" + std::string(100000 - temp_.Path().size() - 3, 'a') + "\"";
    ASSERT_EQ(huge.size(), 100000u);
    for (ShellCommand command : {ShellCommand::OpenFile, ShellCommand::OpenFileWith, ShellCommand::OpenFileLocation,
                                 ShellCommand::OpenLocationInCmdExe, ShellCommand::OpenLocationInPowerShell,
                                 ShellCommand::ShowWinPropertiesDlg}) {
        const ShellActionResult result = RunShellCommand(command, huge, context_);
        EXPECT_TRUE(result.failed);
        EXPECT_NE(result.error, 0u);
        EXPECT_FALSE(result.title.empty());
    }
    EXPECT_TRUE(launcher_.launches.empty());
}

TEST_F(ShellActions, ZeroCharacterInASelectionNeverExists) {
    const std::string folder = temp_.MakeFolder("a & calc");
    const ShellActionResult result = OpenLocationInCmdExe(folder + std::string("\0\" & calc", 9), context_);
    EXPECT_TRUE(result.failed);
    EXPECT_EQ(result.error, static_cast<uint32_t>(ERROR_INVALID_NAME));
    EXPECT_TRUE(launcher_.launches.empty());
}

TEST(SystemLauncher, MissingProgramIsNotStartedAndGivesTheCode) {
    test::TempFolder temp;
    const test::WindowCounter refuseBoxes;
    SystemShellLauncher launcher;
    const std::string missing = temp.Path() + "\\none.exe";
    LaunchResult result = launcher.Launch(nullptr, {ShellCall::Execute, "open", missing, "/K", ""});
    EXPECT_FALSE(result.started);
    EXPECT_EQ(result.error, static_cast<uint32_t>(SE_ERR_FNF));
    // Without the flag the shell shows its own error box, whose refusal here would replace the code.
    result = launcher.Launch(nullptr, {ShellCall::ExecuteEx, "open", missing, "", temp.Path(), SEE_MASK_FLAG_NO_UI});
    EXPECT_FALSE(result.started);
    EXPECT_EQ(result.error, static_cast<uint32_t>(ERROR_FILE_NOT_FOUND));
}

}  // namespace
}  // namespace zem
