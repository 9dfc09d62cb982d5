// The PATH check: the machine's Path, the user's Path and the process's PATH, entry by entry,
// with the problems that make a search path fail or grow. It reads and never writes.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "console/options.h"
#include "console/output_sink.h"

namespace zem {

// The limits a Path meets: several installers cut it, cmd's command line, the environment block.
inline constexpr size_t kPathLimits[] = {2047, 8191, 32767};

struct PathVariable {
    UINT title = 0;          // the text naming the variable and where it is kept
    const wchar_t* key = L"";  // "machine", "user" or "process"
    uint32_t readError = 0;  // 0, or the error of reading it (ERROR_FILE_NOT_FOUND: not set)
    std::wstring value;      // as stored
};

enum class EntryProblem { Missing, Duplicate, Relative, Quoted, Padded, Empty, Unexpanded };

struct EntryCheck {
    std::wstring stored;
    std::wstring expanded;
    std::vector<EntryProblem> problems;
    size_t duplicateOf = 0;  // the 1-based position of the entry a duplicate repeats
};

struct VariableCheck {
    std::vector<EntryCheck> entries;
    size_t expandedLength = 0;
    std::vector<size_t> limitsPassed;  // the limits the longer of both lengths is beyond
    size_t shortSaving = 0;            // characters the short forms of the entries would save
    size_t problemCount = 0;
};

VariableCheck CheckPathVariable(const PathVariable& variable);

// The three variables as the system holds them now.
std::vector<PathVariable> ReadPathVariables();

// The report (a table, or JSON); exit code 1 when a problem was found.
int CheckPathVariables(const TarvOptions& options, OutputSink& output);

}  // namespace zem
