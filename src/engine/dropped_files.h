// Files dropped on the output editor: each existing one converted in the direction its name
// asks for, with an error text in the report where the conversion fails.
#pragma once

#include <string>
#include <vector>

#include "base/strings.h"

namespace zem {

struct DroppedFileText {
    bool exists = false;
    bool failed = false;
    std::string text;  // the report or the error text; empty for a missing file
};

class FolderListings;

// `listings` shares the folders' listings between the files of one drop.
DroppedFileText ConvertDroppedFile(const std::string& path, FolderListings* listings = nullptr);

// The text of every existing file, in the order of the paths; missing files are left out.
std::vector<DroppedFileText> ConvertDroppedFiles(const StringList& paths);

}  // namespace zem
