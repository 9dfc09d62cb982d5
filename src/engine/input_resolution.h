// What one input stands for, resolved with the wide system calls: the path a plain, relative
// or quoted path, an environment string, a CSIDL name or number, or a known-folder GUID names.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/path_input.h"

namespace zem {

struct ResolvedInput {
    uint32_t error = 0;
    PathInputKind kind = pikEmpty;
    std::wstring path;    // absolute for a relative input; the expanded list for a list
    bool isList = false;  // an environment string whose value is a list of paths
};

// '/' is taken for '\'. Relative paths are made absolute against the current directory.
ResolvedInput ResolveInput(std::wstring_view input);

// The entries of a list separated by ';', empty ones included.
std::vector<std::wstring> SplitEntries(std::wstring_view list);

}  // namespace zem
