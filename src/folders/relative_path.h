// Create Relative Path(s): the relative path from the base folder to the path box's target and
// back, with the target resolved as Convert resolves it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace zem {

// No relative path can be made for this input; shown to the user as its number.
inline constexpr uint32_t ErrNoRelativePath = 0x2000FF02;

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

// The shell's relative path from one path to another (attributes: FILE_ATTRIBUTE_DIRECTORY
// for a folder, 0 for a file). 0 and the path, or the error.
uint32_t RelativePathTo(const std::string& from, DWORD fromAttributes, const std::string& to, DWORD toAttributes,
                        std::string& relative);

RelativePathResult CreateRelativePaths(const RelativePathRequest& request);

}  // namespace zem
