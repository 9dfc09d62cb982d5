#include "editor/shell_actions.h"

#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <cstring>
#include <exception>
#include <new>

#include "base/status_codes.h"
#include "base/strings.h"
#include "base/system.h"
#include "base/unique.h"
#include "engine/path_forms.h"
#include "info/operating_system.h"
#include "shell_actions_ids.h"

namespace zem {

namespace {

constexpr uint32_t kNoValueBuffer = ErrSpecialFolderException;  // 0xE000FFFA: no buffer obtainable

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool IsDriveRoot(const std::string& path) {
    return path.size() == 3 && IsAsciiLetter(path[0]) && path[1] == ':' && path[2] == '\\';
}

bool HasControlCharacter(const std::string& text) {
    for (char c : text) {
        if (static_cast<unsigned char>(c) < ' ') return true;
    }
    return false;
}

// The text up to its first zero character, as the system calls see it.
void CutAtZero(std::string& text) { text.resize(std::strlen(text.c_str())); }

void UnquoteSpaces(std::string& text) {
    ::PathUnquoteSpacesA(text.data());
    CutAtZero(text);
}

// The shell's existence test; a path with a zero character in it never exists.
bool ShellPathExists(const std::string& path) {
    ::SetLastError(0);
    if (path.find('\0') != std::string::npos) {
        ::SetLastError(ERROR_INVALID_NAME);
        return false;
    }
    return ::PathFileExistsA(path.c_str()) != FALSE;
}

// The characters PowerShell reads as a single quote: ' and U+2018 to U+201B.
bool IsPowerShellSingleQuote(wchar_t c) { return c == L'\'' || (c >= 0x2018 && c <= 0x201B); }

// cmd.exe expands %name% between double quotes, and !name! when delayed expansion is on.
bool NeedsWorkingFolderOnly(const std::string& folder) {
    return folder.find_first_of("%!\"") != std::string::npos || HasControlCharacter(folder);
}

// Without its trailing backslash, unless that makes a drive root mean the drive's current folder.
std::string WithoutTrailingBackslash(const std::string& folder) {
    if (folder.empty() || folder.back() != '\\' || IsDriveRoot(folder)) return folder;
    return folder.substr(0, folder.size() - 1);
}

LaunchResult Start(const ShellActionContext& context, const ShellLaunch& launch) {
    static SystemShellLauncher systemLauncher;
    ShellLauncher& launcher = context.launcher ? *context.launcher : systemLauncher;
    return launcher.Launch(context.owner, launch);
}

struct CommandTexts {
    UINT title;
    UINT firstLine;
};

CommandTexts TextsOf(ShellCommand command) {
    switch (command) {
        case ShellCommand::OpenFile:
            return {IDS_SHELL_OPEN_FILE_TITLE, IDS_SHELL_OPEN_FILE_ERROR};
        case ShellCommand::OpenFileWith:
            return {IDS_SHELL_OPEN_WITH_TITLE, IDS_SHELL_OPEN_WITH_ERROR};
        case ShellCommand::OpenFileLocation:
            return {IDS_SHELL_OPEN_LOCATION_TITLE, IDS_SHELL_OPEN_LOCATION_ERROR};
        case ShellCommand::OpenLocationInCmdExe:
            return {IDS_SHELL_OPEN_CONSOLE_TITLE, IDS_SHELL_OPEN_CONSOLE_ERROR};
        case ShellCommand::OpenLocationInPowerShell:
            return {IDS_SHELL_OPEN_POWERSHELL_TITLE, IDS_SHELL_OPEN_POWERSHELL_ERROR};
        case ShellCommand::ShowWinPropertiesDlg:
            break;
    }
    return {IDS_SHELL_PROPERTIES_TITLE, IDS_SHELL_PROPERTIES_ERROR};
}

// Runs a command; an exception inside becomes the command's failure.
template <class Body>
ShellActionResult Guarded(ShellCommand command, Body body) noexcept {
    uint32_t error = ErrUnknownFailure;
    try {
        return body();
    } catch (const std::bad_alloc&) {
        error = ERROR_NOT_ENOUGH_MEMORY;
    } catch (const std::exception&) {
    }
    try {
        return ShellActionFailure(command, error);
    } catch (const std::exception&) {
        ShellActionResult result;
        result.failed = true;
        result.error = error;
        result.icon = TTI_ERROR_LARGE;
        return result;
    }
}

// The open key of the first place that opens; the status of the last try otherwise.
LSTATUS OpenFirstKey(const std::vector<RegistryPlace>& places, REGSAM access, UniqueHKey& key) {
    LSTATUS status = ERROR_FILE_NOT_FOUND;
    for (const RegistryPlace& place : places) {
        HKEY opened = nullptr;
        status = ::RegOpenKeyExA(place.root, place.key.c_str(), 0, access, &opened);
        if (status == ERROR_SUCCESS) {
            key.Reset(opened);
            return status;
        }
    }
    return status;
}

// The key's default value as text, read to its first zero character.
uint32_t ReadDefaultText(HKEY key, std::string& text, DWORD& type) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        DWORD size = 0;
        LSTATUS status = ::RegQueryValueExA(key, nullptr, nullptr, &type, nullptr, &size);
        if (status != ERROR_SUCCESS) return status;
        if (type != REG_SZ && type != REG_EXPAND_SZ) return ERROR_UNSUPPORTED_TYPE;
        try {
            text.assign(static_cast<size_t>(size) + 1, '\0');
        } catch (const std::bad_alloc&) {
            return kNoValueBuffer;
        }
        status = ::RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &size);
        if (status == ERROR_MORE_DATA) continue;  // the value grew in between
        if (status != ERROR_SUCCESS) return status;
        CutAtZero(text);
        return 0;
    }
    return ERROR_MORE_DATA;
}

}  // namespace

// --- The system's launcher

LaunchResult SystemShellLauncher::Launch(HWND owner, const ShellLaunch& launch) {
    const char* parameters = launch.parameters.empty() ? nullptr : launch.parameters.c_str();
    const char* directory = launch.directory.empty() ? nullptr : launch.directory.c_str();
    if (launch.call == ShellCall::Execute) {
        const auto code = reinterpret_cast<INT_PTR>(
            ::ShellExecuteA(owner, launch.verb.c_str(), launch.file.c_str(), parameters, directory, launch.show));
        if (code > 32) return {true, 0};
        return {false, static_cast<uint32_t>(code)};
    }
    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = launch.mask;
    info.hwnd = owner;
    info.lpVerb = launch.verb.c_str();
    info.lpFile = launch.file.c_str();
    info.lpParameters = parameters;
    info.lpDirectory = directory;
    info.nShow = launch.show;
    if (::ShellExecuteExA(&info)) return {true, 0};
    return {false, LastErrorOr(ErrUnknownFailure)};
}

// --- Paths

std::string CleanSelectedPath(const std::string& selection) {
    std::string path;
    path.reserve(selection.size());
    // The editor hands out a line break as CR LF or as a lone CR; a path holds neither.
    for (char c : selection) {
        if (c != '\r' && c != '\n') path += c;
    }
    // A zero character is left in place: such a path never exists.
    if (path.find('"') != std::string::npos && path.find('\0') == std::string::npos) UnquoteSpaces(path);
    return path;
}

std::string FolderOfPath(const std::string& path) {
    const size_t last = path.find_last_of("\\:");
    if (last == std::string::npos) return {};
    if (last == 2 && IsDriveRoot(path.substr(0, 3))) return path.substr(0, 3);
    return path.substr(0, last);
}

bool IsFullyQualifiedPath(const std::string& path) {
    if (path.rfind("\\\\", 0) == 0) return true;
    return path.size() >= 3 && IsDriveRoot(path.substr(0, 3));
}

std::string ExpandedPath(const std::string& path) {
    return IsFullyQualifiedPath(path) ? path : GetFullPathForm(path);
}

std::string SystemFolderWithBackslash() {
    char buffer[MAX_PATH + 1] = {};
    if (!::SHGetSpecialFolderPathA(nullptr, buffer, CSIDL_SYSTEM, FALSE) || buffer[0] == '\0') return {};
    std::string folder = buffer;
    if (folder.back() != '\\') folder += '\\';
    return folder;
}

// --- Quoting

std::string CmdQuoted(const std::string& path) { return "\"" + path + "\""; }

std::string PowerShellQuoted(const std::string& path) {
    std::wstring quoted = L"'";
    for (wchar_t c : MultiByteToWide(path)) {
        if (IsPowerShellSingleQuote(c)) quoted += c;
        quoted += c;
    }
    return WideToMultiByte(quoted + L"'");
}

// --- Launches

ShellLaunch OpenFileLaunch(const std::string& path) {
    return {ShellCall::ExecuteEx, "open", path, "", FolderOfPath(path)};
}

ShellLaunch OpenFileWithLaunch(const std::string& systemFolder, const std::string& path) {
    return {ShellCall::Execute, "open", systemFolder + "RunDll32.exe",
            systemFolder + "Shell32.dll" + "," + "OpenAs_RunDLL" + " " + CmdQuoted(path), FolderOfPath(path)};
}

ShellLaunch OpenFileLocationLaunch(const std::string& target) {
    return {ShellCall::ExecuteEx, "explore", target, "", target};
}

ShellLaunch OpenInCmdExeLaunch(const std::string& systemFolder, const std::string& folder) {
    const std::string program = systemFolder + "Cmd.exe";
    if (NeedsWorkingFolderOnly(folder)) return {ShellCall::Execute, "open", program, "/K", folder};
    return {ShellCall::Execute, "open", program, "/K chdir /D " + CmdQuoted(folder), ""};
}

std::optional<ShellLaunch> OpenInPowerShellLaunch(const std::string& program, const std::string& folder) {
    // A double quote would end the -command argument; a line break would end the command.
    if (folder.find('"') != std::string::npos || HasControlCharacter(folder)) return std::nullopt;
    const std::string command = "& cd -LiteralPath " + PowerShellQuoted(WithoutTrailingBackslash(folder));
    return ShellLaunch{ShellCall::Execute, "open", program, "-noexit -command \"" + command + "\"", ""};
}

ShellLaunch PropertiesLaunch(const std::string& path) {
    return {ShellCall::ExecuteEx, "properties", path, "", FolderOfPath(path), SEE_MASK_INVOKEIDLIST};
}

// --- PowerShell

std::vector<RegistryPlace> PowerShellCommandPlaces() {
    return {{HKEY_LOCAL_MACHINE, "SOFTWARE\\Classes\\Microsoft.PowerShellConsole.1\\Shell\\Open\\Command"},
            {HKEY_CURRENT_USER, "Microsoft.PowerShellConsole.1\\Shell\\Open\\Command"}};
}

std::string ProgramOfCommandLine(const std::string& commandLine) {
    std::string text = commandLine;
    CutAtZero(text);
    ::PathRemoveArgsA(text.data());
    CutAtZero(text);
    text = std::string(TrimRight(text));
    UnquoteSpaces(text);
    return text;
}

REGSAM PowerShellKeyAccess(bool view64) { return KEY_READ | (view64 ? KEY_WOW64_64KEY : 0); }

ProgramLookUp FindRegisteredProgram(const std::vector<RegistryPlace>& places, bool view64) {
    UniqueHKey key;
    const LSTATUS status = OpenFirstKey(places, PowerShellKeyAccess(view64), key);
    if (status != ERROR_SUCCESS) return {static_cast<uint32_t>(status), {}};
    std::string commandLine;
    DWORD type = REG_NONE;
    if (const uint32_t error = ReadDefaultText(key.Get(), commandLine, type)) return {error, {}};
    if (type == REG_EXPAND_SZ && !commandLine.empty()) {
        commandLine = ExpandEnvStrings(commandLine);
        if (commandLine.empty()) return {LastErrorOr(ErrUnknownFailure), {}};
    }
    std::string program = ProgramOfCommandLine(commandLine);
    if (program.empty()) return {ErrNoRegisteredProgram, {}};
    if (!IsFullyQualifiedPath(program) || HasControlCharacter(program)) return {ErrProgramNotFullPath, {}};
    return {0, std::move(program)};
}

ProgramLookUp FindPowerShellProgram(bool view64) { return FindRegisteredProgram(PowerShellCommandPlaces(), view64); }

bool PowerShellSystemSupported(DWORD platformId, DWORD major, DWORD minor, const std::string& servicePack) {
    if (platformId != VER_PLATFORM_WIN32_NT) return false;
    if (major > 5) return true;
    if (major == 5 && minor == 1) return servicePack.find('2') != std::string::npos;
    return major == 5 && minor == 2 && !servicePack.empty();
}

bool PowerShellAvailable(bool view64, const std::vector<RegistryPlace>& places) {
    try {
        const StartVersion& version = ProcessStartVersion();
        if (!PowerShellSystemSupported(version.platformId, version.majorVersion, version.minorVersion,
                                       version.servicePack)) {
            return false;
        }
        const ProgramLookUp found = FindRegisteredProgram(places, view64);
        return found.error == 0 && FileExists(found.program);
    } catch (const std::exception&) {
        return false;
    }
}

// --- Commands

ShellActionResult ShellActionFailure(ShellCommand command, uint32_t error) {
    const CommandTexts texts = TextsOf(command);
    ShellActionResult result;
    result.failed = true;
    result.error = error;
    result.icon = TTI_ERROR_LARGE;
    result.title = ResString(texts.title);
    result.text = Format(ResString(texts.firstLine).c_str(), static_cast<int32_t>(error), error) + "\r\n" +
                  SystemErrorText(error);
    return result;
}

ShellActionResult OpenFile(const std::string& selection, const ShellActionContext& context) {
    constexpr ShellCommand kCommand = ShellCommand::OpenFile;
    return Guarded(kCommand, [&] {
        const std::string path = CleanSelectedPath(selection);
        if (!ShellPathExists(path)) return ShellActionFailure(kCommand, LastErrorOr(ERROR_PATH_NOT_FOUND));
        const std::string expanded = ExpandedPath(path);
        if (!expanded.empty()) Start(context, OpenFileLaunch(expanded));  // its own failure is not shown
        return ShellActionResult{};
    });
}

ShellActionResult OpenFileWith(const std::string& selection, const ShellActionContext& context) {
    constexpr ShellCommand kCommand = ShellCommand::OpenFileWith;
    return Guarded(kCommand, [&] {
        const std::string path = CleanSelectedPath(selection);
        if (!ShellPathExists(path)) return ShellActionFailure(kCommand, LastErrorOr(ERROR_FILE_NOT_FOUND));
        const std::string systemFolder = SystemFolderWithBackslash();
        if (systemFolder.empty()) return ShellActionFailure(kCommand, LastErrorOr(ErrUnknownFailure));
        const std::string expanded = ExpandedPath(path);
        if (!expanded.empty()) Start(context, OpenFileWithLaunch(systemFolder, expanded));
        return ShellActionResult{};
    });
}

ShellActionResult OpenFileLocation(const std::string& selection, const ShellActionContext& context) {
    constexpr ShellCommand kCommand = ShellCommand::OpenFileLocation;
    return Guarded(kCommand, [&] {
        const std::string path = CleanSelectedPath(selection);
        if (!ShellPathExists(path)) return ShellActionFailure(kCommand, LastErrorOr(ERROR_PATH_NOT_FOUND));
        std::string target = FolderOfPath(ExpandedPath(path));
        if (target.empty()) target = context.basePath;
        if (!target.empty()) Start(context, OpenFileLocationLaunch(target));
        return ShellActionResult{};
    });
}

ShellActionResult OpenLocationInCmdExe(const std::string& selection, const ShellActionContext& context) {
    constexpr ShellCommand kCommand = ShellCommand::OpenLocationInCmdExe;
    return Guarded(kCommand, [&] {
        const std::string path = CleanSelectedPath(selection);
        if (!ShellPathExists(path)) return ShellActionFailure(kCommand, LastErrorOr(ERROR_PATH_NOT_FOUND));
        if (!FolderExists(path)) return ShellActionFailure(kCommand, LastErrorOr(ERROR_DIRECTORY));
        const std::string systemFolder = SystemFolderWithBackslash();
        if (systemFolder.empty()) return ShellActionFailure(kCommand, LastErrorOr(ErrUnknownFailure));
        const std::string folder = ExpandedPath(path);
        const ShellLaunch launch = OpenInCmdExeLaunch(systemFolder, folder);
        if (folder.empty() || !FileExists(launch.file)) return ShellActionResult{};
        const LaunchResult started = Start(context, launch);
        return started.started ? ShellActionResult{} : ShellActionFailure(kCommand, started.error);
    });
}

ShellActionResult OpenLocationInPowerShell(const std::string& selection, const ShellActionContext& context) {
    constexpr ShellCommand kCommand = ShellCommand::OpenLocationInPowerShell;
    return Guarded(kCommand, [&] {
        const std::string path = CleanSelectedPath(selection);
        if (!ShellPathExists(path)) return ShellActionFailure(kCommand, LastErrorOr(ERROR_PATH_NOT_FOUND));
        if (!FolderExists(path)) return ShellActionResult{};
        const ProgramLookUp found = FindRegisteredProgram(context.powerShellPlaces, context.registry64);
        if (found.error != 0) return ShellActionFailure(kCommand, found.error);
        const std::string folder = ExpandedPath(path);
        const std::optional<ShellLaunch> launch = OpenInPowerShellLaunch(found.program, folder);
        if (!launch) return ShellActionFailure(kCommand, ERROR_INVALID_NAME);
        if (folder.empty() || !FileExists(found.program)) return ShellActionResult{};
        const LaunchResult started = Start(context, *launch);
        return started.started ? ShellActionResult{} : ShellActionFailure(kCommand, started.error);
    });
}

ShellActionResult ShowWinPropertiesDlg(const std::string& selection, const ShellActionContext& context) {
    constexpr ShellCommand kCommand = ShellCommand::ShowWinPropertiesDlg;
    return Guarded(kCommand, [&] {
        const std::string path = CleanSelectedPath(selection);
        if (!ShellPathExists(path)) return ShellActionFailure(kCommand, LastErrorOr(ERROR_PATH_NOT_FOUND));
        const std::string expanded = ExpandedPath(path);
        if (!expanded.empty()) Start(context, PropertiesLaunch(expanded));
        return ShellActionResult{};
    });
}

ShellActionResult RunShellCommand(ShellCommand command, const std::string& selection,
                                  const ShellActionContext& context) {
    switch (command) {
        case ShellCommand::OpenFile:
            return OpenFile(selection, context);
        case ShellCommand::OpenFileWith:
            return OpenFileWith(selection, context);
        case ShellCommand::OpenFileLocation:
            return OpenFileLocation(selection, context);
        case ShellCommand::OpenLocationInCmdExe:
            return OpenLocationInCmdExe(selection, context);
        case ShellCommand::OpenLocationInPowerShell:
            return OpenLocationInPowerShell(selection, context);
        case ShellCommand::ShowWinPropertiesDlg:
            break;
    }
    return ShowWinPropertiesDlg(selection, context);
}

}  // namespace zem
