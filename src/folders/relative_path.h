// Create Relative Path(s): the relative path from the base folder to the path box's target and
// back, with the target resolved as Convert resolves it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "base/status_codes.h"
#include "engine/path_forms.h"

namespace zem {

struct RelativePathRequest {
    std::string input;     // the path box's text, exactly as typed
    std::string basePath;  // the user's base folder; empty for the current directory
    HWND owner = nullptr;  // owner window of the special-folder path call
};

struct RelativePathResult {
    uint32_t error = 0;
    std::string baseToTarget;  // the first report (three lines), empty when not made
    std::string targetToBase;  // the second report, empty when not made
};


RelativePathResult CreateRelativePaths(const RelativePathRequest& request);

}  // namespace zem
