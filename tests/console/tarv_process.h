// Runs the built tarv.exe as a script would: arguments, bytes on standard input, and the bytes
// of its standard output and standard error with its exit code.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace zem::test {

struct TarvResult {
    DWORD exitCode = 0;
    std::string output;  // the bytes written, UTF-8 unless told otherwise
    std::string errors;
};

enum class OutputEnd { Pipe, Closed };

struct TarvRun {
    std::vector<std::wstring> arguments;
    std::string input;  // written to standard input, which is then closed
    OutputEnd output = OutputEnd::Pipe;
    // Variables set for tarv only: "NAME=value" entries added to this process's environment.
    std::vector<std::wstring> environment;
};

TarvResult RunTarvExe(const TarvRun& run);
TarvResult RunTarvExe(const std::vector<std::wstring>& arguments, const std::string& input = {});

// tarv.exe beside the program's exe in the build's bin folder.
std::wstring TarvExePath();

// Text as UTF-8 and CR LF, as tarv writes a record to a file or a pipe.
std::string Utf8Line(const std::wstring& text);
std::string Utf8(const std::wstring& text);

// The system's own short and long forms: what tarv must answer.
std::wstring SystemShortFormW(const std::wstring& path);
std::wstring SystemLongFormW(const std::wstring& path);

}  // namespace zem::test
