#include "app/command_line.h"

#include <shellapi.h>

#include "base/unique.h"
#include "base/window.h"
#include "resource.h"

namespace zem {
namespace {

inline void ReleaseArgv(LPWSTR* argv) noexcept { ::LocalFree(argv); }
using UniqueArgv = Unique<HandleTraits<LPWSTR*, nullptr, ReleaseArgv>>;

// The attribute bit of a volume label; the system headers have no name for it.
constexpr DWORD kVolumeLabelAttribute = 0x00000008;

bool IsSwitchCharacter(char c) { return c == '-' || c == '/'; }

bool IsHelpSwitch(const TZemCommanLineStrList& arguments, int index) {
    for (const char* name : {"?", "HELP", "H", "HLP"}) {
        if (arguments.SwitchNameIs(index, name, true)) return true;
    }
    return false;
}

bool IsReadOnlySwitch(const TZemCommanLineStrList& arguments, int index) {
    return arguments.SwitchNameIs(index, "RO", true) || arguments.SwitchNameIs(index, "READONLY", true);
}

// A parameter names the file when it exists, plain or in single quotes; once a file has been
// found, any later parameter replaces it whether it exists or not.
void TakeParameter(const std::string& argument, const FileExistsCheck& exists, CommandLineResult& result) {
    std::string tested = argument;
    if (exists(tested)) result.mode = CommandLineMode::FileNamed;
    if (result.mode != CommandLineMode::FileNamed) {
        tested = Quoted(argument, '\'');
        if (exists(tested)) result.mode = CommandLineMode::FileNamed;
    }
    if (result.mode == CommandLineMode::FileNamed) {
        result.file = tested;
    } else {
        result.code = ErrCmdLineFileNotFound;
    }
}

CommandLineResult Evaluate(const TZemCommanLineStrList& arguments, const FileExistsCheck& exists) {
    CommandLineResult result;
    if (arguments.Count() <= 1) {
        result.mode = CommandLineMode::NoArguments;
        return result;
    }
    for (int i = 1; i < arguments.Count(); ++i) {
        if (IsHelpSwitch(arguments, i)) {
            result.mode = CommandLineMode::HelpRequested;
            break;
        }
        if (arguments.IsSwitchArg(i)) {
            if (IsReadOnlySwitch(arguments, i)) result.readOnly = true;
            // An unknown switch after a read-only switch is ignored.
            if (!result.readOnly) result.code = ErrUnknownSwitch;
        } else if (arguments.IsParameterArg(i)) {
            TakeParameter(arguments.Argument(i), exists, result);
        }
        if (result.mode == CommandLineMode::FileNamed && result.readOnly) break;
        if (result.code != 0) {
            result.errorIndex = i;
            result.errorArgument = arguments.Argument(i);
            break;
        }
    }
    return result;
}

CommandLineResult Failed() {
    CommandLineResult result;
    result.code = ErrUnknownFailure;
    return result;
}

}  // namespace

TZemCommanLineStrList TZemCommanLineStrList::FromCommandLine(const std::string& commandLine) {
    // The platform's splitter would answer the program's path for an empty line.
    if (commandLine.empty()) return {};
    int count = 0;
    const UniqueArgv argv(::CommandLineToArgvW(MultiByteToWide(commandLine).c_str(), &count));
    StringList arguments;
    if (!argv) return TZemCommanLineStrList(std::move(arguments));
    for (int i = 0; i < count; ++i) arguments.push_back(WideToMultiByte(argv.Get()[i]));
    return TZemCommanLineStrList(std::move(arguments));
}

TZemCommanLineStrList TZemCommanLineStrList::FromProcess() { return FromCommandLine(::GetCommandLineA()); }

std::string TZemCommanLineStrList::Argument(int index) const {
    return ValidIndex(index) ? arguments_[static_cast<size_t>(index)] : std::string();
}

bool TZemCommanLineStrList::IsSwitchArg(int index) const {
    if (!ValidIndex(index)) return false;
    const std::string& argument = arguments_[static_cast<size_t>(index)];
    return !argument.empty() && IsSwitchCharacter(argument[0]);
}

bool TZemCommanLineStrList::IsParameterArg(int index) const {
    if (!ValidIndex(index)) return false;
    const std::string& argument = arguments_[static_cast<size_t>(index)];
    return !argument.empty() && !IsSwitchCharacter(argument[0]);
}

bool TZemCommanLineStrList::SwitchNameIs(int index, std::string_view name, bool ignoreCase) const {
    if (!IsSwitchArg(index) || name.empty()) return false;
    const std::string_view own = std::string_view(arguments_[static_cast<size_t>(index)]).substr(1);
    if (own.empty()) return false;
    return ignoreCase ? SameTextNoCase(own, name) : own == name;
}

bool IsExistingFile(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    return (attributes & (FILE_ATTRIBUTE_DIRECTORY | kVolumeLabelAttribute)) == 0;
}

CommandLineResult ParseCommandLine(const TZemCommanLineStrList& arguments, const FileExistsCheck& exists) {
    try {
        return Evaluate(arguments, exists);
    } catch (...) {
        return Failed();
    }
}

CommandLineResult ParseCommandLine() {
    try {
        return ParseCommandLine(TZemCommanLineStrList::FromProcess());
    } catch (...) {
        return Failed();
    }
}

std::string CommandLineErrorText(uint32_t code, int index, const std::string& argument) {
    const std::string where = "\r\n" +
                              Format(ResString(IDS_CMDLINE_ERROR_ARGUMENT).c_str(), index, argument.c_str()) +
                              "\r\n" + ResString(IDS_CMDLINE_ERROR_IGNORED_1) + "\r\n" +
                              ResString(IDS_CMDLINE_ERROR_IGNORED_2);
    return ResString(IDS_CMDLINE_ERROR_HEAD) + "\r\n\r\n" +
           Format(ResString(IDS_CMDLINE_ERROR_CODE).c_str(), static_cast<int32_t>(code), code, where.c_str());
}

void ShowCommandLineError(HWND owner, uint32_t code, int index, const std::string& argument) {
    ShowMessageWithHelp(owner, CommandLineErrorText(code, index, argument), ResString(IDS_CMDLINE_WARNING_TITLE),
                        MB_ICONWARNING, kCommandLineErrorHelpContext);
}

}  // namespace zem
