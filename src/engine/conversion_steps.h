// Steps shared by the branches of the conversion: the two forms of one path, and what one
// branch hands back.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "base/status_codes.h"

namespace zem {

struct PathForms {
    uint32_t error = 0;
    std::string shortPath;
    std::string longPath;
};

// What a branch found: its error, its report without the alias lines, and the long path that
// the alias and the known-folder paragraph are about.
struct BranchOutcome {
    uint32_t error = 0;
    std::string report;
    std::string longPath;
    bool isList = false;  // an environment value holding a list of paths
};

// The short form of a long path; the error describes a missing path or a failed conversion.
PathForms ShortFormOf(const std::string& longPath);
// The long form of a short path; a missing path gives `missingError`, or the last error for 0.
PathForms LongFormOf(const std::string& shortPath, uint32_t missingError = 0);
// The direction chosen by the long-name test.
PathForms FormsOf(const std::string& path);

BranchOutcome ConvertEnvironmentString(const std::string& input);
BranchOutcome ConvertKnownFolderGUID(const std::string& input);
// The folder a CSIDL name or number stands for, its path in UTF-16 as the system gives it.
struct CSIDLInputFolder {
    uint32_t error = 0;
    int32_t number = 0;
    std::wstring path;
};
CSIDLInputFolder ResolveCSIDLInput(std::string_view input, bool isNumber, HWND owner);

BranchOutcome ConvertCSIDLName(const std::string& input, HWND owner);
BranchOutcome ConvertCSIDLNumber(const std::string& input, HWND owner);

struct PathListForms {
    uint32_t error = 0;
    std::string text;  // two lines per entry: long form, then short form
};
PathListForms BuildEnvPathList(const std::string& expanded);

}  // namespace zem
