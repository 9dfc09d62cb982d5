// The shell actions on the path selected in the output editor: open it, open it with a chosen
// program, open its folder, a console or a PowerShell console in it, and its Properties dialog.
// What each command starts is built by a pure function; starting it goes through a
// ShellLauncher, so the program can be watched without starting anything.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zem {

// The registered PowerShell command line holds no program.
inline constexpr uint32_t ErrNoRegisteredProgram = ERROR_NO_ASSOCIATION;
// The registered program is not given by a full path.
inline constexpr uint32_t ErrProgramNotFullPath = ERROR_BAD_PATHNAME;

enum class ShellCommand {
    OpenFile,
    OpenFileWith,
    OpenFileLocation,
    OpenLocationInCmdExe,
    OpenLocationInPowerShell,
    ShowWinPropertiesDlg,
};

enum class ShellCall {
    ExecuteEx,  // ShellExecuteExA
    Execute,    // ShellExecuteA
};

// One start of a program or document through the shell.
struct ShellLaunch {
    ShellCall call = ShellCall::ExecuteEx;
    std::string verb;
    std::string file;        // document, folder or program
    std::string parameters;  // empty: none
    std::string directory;   // working folder; empty: none
    ULONG mask = 0;          // extra flags of the extended call
    int show = SW_SHOWNORMAL;

    bool operator==(const ShellLaunch&) const = default;
};

struct LaunchResult {
    bool started = false;
    uint32_t error = 0;  // when not started: the system's code
};

// The seam between the commands and the system.
class ShellLauncher {
public:
    virtual ~ShellLauncher() = default;
    virtual LaunchResult Launch(HWND owner, const ShellLaunch& launch) = 0;
};

// Starts through ShellExecuteExA or ShellExecuteA as the launch says.
class SystemShellLauncher : public ShellLauncher {
public:
    LaunchResult Launch(HWND owner, const ShellLaunch& launch) override;
};

// A registry key whose default value is a command line.
struct RegistryPlace {
    HKEY root = HKEY_LOCAL_MACHINE;
    std::string key;
};

// Where PowerShell's console registers its open command: the machine's classes, then the user's.
std::vector<RegistryPlace> PowerShellCommandPlaces();

// What the commands need from the main window.
struct ShellActionContext {
    HWND owner = nullptr;
    ShellLauncher* launcher = nullptr;  // null: the system's
    // Used by Open Location when a path has no folder: the chosen base path or the current directory.
    std::string basePath;
    // File System Redirection > Disabled is checked: PowerShell is looked up in the 64-bit view.
    bool registry64 = false;
    std::vector<RegistryPlace> powerShellPlaces = PowerShellCommandPlaces();
};

// What the main window shows through ShowEditorErrorBalloon when a command failed.
struct ShellActionResult {
    bool failed = false;
    uint32_t error = 0;
    BYTE icon = 0;
    std::string title;
    std::string text;
};

// --- Paths

// The selection as a path: every line break (CR LF, or CR or LF alone) removed; with a double
// quote in it, one pair of enclosing quotes removed by the shell's unquoting.
std::string CleanSelectedPath(const std::string& selection);

// The part before the last backslash or colon; a drive root ("C:\") keeps its backslash.
std::string FolderOfPath(const std::string& path);

// "X:\..." or "\\...".
bool IsFullyQualifiedPath(const std::string& path);

// The path made absolute against the current directory unless it is fully qualified;
// empty when that fails.
std::string ExpandedPath(const std::string& path);

// The shell's system folder with a trailing backslash; empty when it is not known.
std::string SystemFolderWithBackslash();

// --- Quoting for the interpreters that read a path

// In double quotes, as cmd.exe reads it.
std::string CmdQuoted(const std::string& path);

// In single quotes, as PowerShell reads it: every quote character PowerShell takes for a single
// quote (' and the typographic ones) doubled.
std::string PowerShellQuoted(const std::string& path);

// --- What each command starts (paths are the expanded ones)

ShellLaunch OpenFileLaunch(const std::string& path);
ShellLaunch OpenFileWithLaunch(const std::string& systemFolder, const std::string& path);
ShellLaunch OpenFileLocationLaunch(const std::string& target);
// cmd.exe expands %name% even between double quotes and, when asked to, !name!: a folder with
// such characters is given to the console as its working folder only.
ShellLaunch OpenInCmdExeLaunch(const std::string& systemFolder, const std::string& folder);
// Nothing when the folder holds a character no quoting can keep in the command text.
std::optional<ShellLaunch> OpenInPowerShellLaunch(const std::string& program, const std::string& folder);
ShellLaunch PropertiesLaunch(const std::string& path);

// --- PowerShell

// The program of a registered command line: arguments removed, trailing blanks trimmed,
// enclosing quotes removed.
std::string ProgramOfCommandLine(const std::string& commandLine);

// The registry access used for the look-up: KEY_READ, with the 64-bit view flag when asked.
REGSAM PowerShellKeyAccess(bool view64);

struct ProgramLookUp {
    uint32_t error = 0;
    std::string program;
};

// The program of the first place that can be opened. Errors: the system's, 0xE000FFFA when no
// buffer is obtainable, ErrNoRegisteredProgram, ErrProgramNotFullPath.
ProgramLookUp FindRegisteredProgram(const std::vector<RegistryPlace>& places, bool view64);
ProgramLookUp FindPowerShellProgram(bool view64);

// The system is of the NT family: above 5, 5.1 with a "2" in its service-pack text, or 5.2 with
// any service pack.
bool PowerShellSystemSupported(DWORD platformId, DWORD major, DWORD minor, const std::string& servicePack);

// Whether a PowerShell console can be opened: a supported system and a registered program that
// exists as a file.
bool PowerShellAvailable(bool view64, const std::vector<RegistryPlace>& places = PowerShellCommandPlaces());

// --- The commands: each takes the editor's selected text as it stands

// The balloon of a failed command: its title, and its first line, CR LF and the system's text.
ShellActionResult ShellActionFailure(ShellCommand command, uint32_t error);

ShellActionResult OpenFile(const std::string& selection, const ShellActionContext& context);
ShellActionResult OpenFileWith(const std::string& selection, const ShellActionContext& context);
ShellActionResult OpenFileLocation(const std::string& selection, const ShellActionContext& context);
ShellActionResult OpenLocationInCmdExe(const std::string& selection, const ShellActionContext& context);
ShellActionResult OpenLocationInPowerShell(const std::string& selection, const ShellActionContext& context);
ShellActionResult ShowWinPropertiesDlg(const std::string& selection, const ShellActionContext& context);

ShellActionResult RunShellCommand(ShellCommand command, const std::string& selection,
                                  const ShellActionContext& context);

}  // namespace zem
