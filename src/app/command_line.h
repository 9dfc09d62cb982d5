// The command line: the process's arguments, what they ask for at start, and the box that
// reports an erroneous argument.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "base/status_codes.h"
#include "base/strings.h"

namespace zem {

// A switch that is neither a help nor a read-only switch, given before any read-only switch.
inline constexpr uint32_t ErrUnknownSwitch = 0xA0004002;
// A parameter that does not name an existing file.
inline constexpr uint32_t ErrCmdLineFileNotFound = 0xA0004003;
// An unexpected failure while parsing is reported as ErrUnknownFailure (base/status_codes.h).

// The help context of the command-line error box.
inline constexpr DWORD kCommandLineErrorHelpContext = 17930;

// Every argument of the process in order, argument 0 (the program's path) included.
class TZemCommanLineStrList {
public:
    TZemCommanLineStrList() = default;
    explicit TZemCommanLineStrList(StringList arguments) : arguments_(std::move(arguments)) {}

    // Split as the platform splits a command line: blanks separate, double quotes group.
    static TZemCommanLineStrList FromCommandLine(const std::string& commandLine);
    // The running process's own command line.
    static TZemCommanLineStrList FromProcess();

    int Count() const { return static_cast<int>(arguments_.size()); }
    // The argument; empty for an index outside the list.
    std::string Argument(int index) const;
    const StringList& Arguments() const { return arguments_; }

    // The first character is "-" or "/".
    bool IsSwitchArg(int index) const;
    // Not empty, and the first character is not a switch character.
    bool IsParameterArg(int index) const;
    // A switch whose name (the argument without its switch character, at least one
    // character) equals `name`.
    bool SwitchNameIs(int index, std::string_view name, bool ignoreCase) const;

private:
    bool ValidIndex(int index) const { return index >= 0 && index < Count(); }

    StringList arguments_;
};

enum class CommandLineMode : uint8_t {
    Erroneous = 0,
    NoArguments = 1,
    HelpRequested = 2,
    FileNamed = 3,
};

struct CommandLineResult {
    CommandLineMode mode = CommandLineMode::Erroneous;
    // The file to load (FileNamed).
    std::string file;
    // A read-only switch was given.
    bool readOnly = false;
    // The first erroneous argument (1-based, argument 0 being the program), -1 if none.
    int errorIndex = -1;
    // That argument's text; empty without one.
    std::string errorArgument;
    // 0, ErrUnknownSwitch, ErrCmdLineFileNotFound or ErrUnknownFailure.
    uint32_t code = 0;
};

// Its attributes can be read and it is neither a folder nor a volume label.
bool IsExistingFile(const std::string& path);

using FileExistsCheck = std::function<bool(const std::string& path)>;

// Evaluates `arguments`; `exists` decides whether a parameter names a file.
CommandLineResult ParseCommandLine(const TZemCommanLineStrList& arguments,
                                   const FileExistsCheck& exists = IsExistingFile);
// Evaluates the process's own command line.
CommandLineResult ParseCommandLine();

// The text of the command-line error box for `code` at argument `index` whose text is `argument`.
std::string CommandLineErrorText(uint32_t code, int index, const std::string& argument);

// The warning box with that text, OK and Help, over `owner`. Help sends WM_HELP with
// kCommandLineErrorHelpContext to the owner, whose help handler shows the topic.
void ShowCommandLineError(HWND owner, uint32_t code, int index, const std::string& argument);

}  // namespace zem
