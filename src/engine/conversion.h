// The Convert command's computation: what the path box's text stands for, its long and short
// forms, and the report about them. No window is touched; the caller appends and shows.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace zem {

struct ConversionRequest {
    std::string input;     // the path box's text, exactly as typed
    std::string basePath;  // the folder relative paths start from; empty for the current directory
    HWND owner = nullptr;  // owner window of the special-folder path call
};

struct ConversionResult {
    uint32_t error = 0;           // 0: success
    std::string report;           // the report to append (several lines), empty for none
    std::string knownFolderNote;  // the known-folder paragraph, empty for none
};

ConversionResult ConvertPathInput(const ConversionRequest& request);

// The path `longPath` also stands for when its drive is a substituted drive: the drive's
// target followed by the rest of the path; empty otherwise.
std::string SubstitutedDriveAlias(const std::string& longPath);

}  // namespace zem
