// The report of the special (known) folders with their current and default paths in long
// and short form, and the folder for temporary files: one string per line, for the editor.
#pragma once

#include <windows.h>

#include "base/strings.h"
#include "catalogue/special_folder_list.h"

namespace zem {

// Fills the list from its source and keeps what the listing shows: the virtual folders
// (which have no path) are dropped and the rest ordered by category. The number left.
int LoadListedFolders(TZemCSIDLGUIDList2& list);

// The report of a list as it stands: a head, each folder that has a current path under
// the heading of its category, then the folder for temporary files.
StringList SpecialFolderReportLines(const TZemCSIDLGUIDList2& list);

// The report of the system's folders; nothing when the system lists none.
// `owner` is the window the CSIDL path call may show a box over.
StringList ListSpecialFolderLines(HWND owner);

}  // namespace zem
