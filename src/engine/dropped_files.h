// Files dropped on the output editor: each existing one converted in the direction its name
// asks for, with an error text in the report where the conversion fails.
#pragma once

#include <string>

#include "base/strings.h"
#include "editor/report_output.h"

namespace zem {

struct DroppedFileText {
    bool exists = false;
    bool failed = false;
    std::string text;  // the report or the error text; empty for a missing file
};

class FolderListings;

// `listings` shares the folders' listings between the files of one drop.
DroppedFileText ConvertDroppedFile(const std::string& path, FolderListings* listings = nullptr);

// Appends a text and an empty line per existing file; the 0-based line of the last failed
// file's error text, or -1 when none failed.
int AppendDroppedFileReports(const StringList& paths, ReportOutput& output);

}  // namespace zem
