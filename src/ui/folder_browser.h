// The shell's folder browser.
#pragma once

#include <windows.h>

#include <string>

namespace zem {

// Files as well as folders, the newer dialog style with an edit field, file-system paths only.
inline constexpr UINT kBrowseFilesAndFolders = 0x4051;

// The chosen item's file-system path; empty when cancelled or the item has none.
std::string BrowseForFileOrFolder(HWND owner, const std::string& instruction, UINT flags);

}  // namespace zem
