// One run of tarv: its command line in, its output written, its exit code out.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace zem {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;  // an input failed, or the PATH check found a problem
inline constexpr int kExitUsage = 2;    // a wrong command line

struct StandardHandles {
    HANDLE input;
    HANDLE output;
    HANDLE error;
};

// The arguments after the program's name.
int RunTarv(const std::vector<std::wstring>& arguments, const StandardHandles& handles);

}  // namespace zem
