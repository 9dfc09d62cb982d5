// The command line of tarv: what to print and how.
#pragma once

#include <string>
#include <vector>

namespace zem {

enum class OutputForm { Short, Long, Absolute, Relative };
enum class UnixStyle { None, Wsl, Msys, Cygwin };
// What the run does besides converting inputs; one at most.
enum class RunMode { Convert, Folder, Folders, Environment, NameCreation, PathCheck, Help, Version };

struct TarvOptions {
    RunMode mode = RunMode::Convert;
    OutputForm form = OutputForm::Short;
    std::wstring relativeTo;  // -r: the folder relative paths start from
    std::wstring base;        // --base: the folder relative input is taken against
    std::wstring folderId;    // -F
    UnixStyle unixStyle = UnixStyle::None;
    bool pathList = false;
    bool mixed = false;
    bool json = false;
    bool nulSeparated = false;
    bool ansi = false;
    std::vector<std::wstring> inputs;  // "-" stands for standard input

    // No INPUT, or "-": the inputs come from standard input.
    bool ReadsStandardInput() const;
};

struct ParsedCommandLine {
    TarvOptions options;
    std::wstring error;  // the message of a wrong command line; empty when it is right
};

// The arguments after the program's name.
ParsedCommandLine ParseCommandLine(const std::vector<std::wstring>& arguments);

}  // namespace zem
