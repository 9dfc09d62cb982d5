#include "ui/folder_browser.h"

#include <shlobj.h>

#include "base/unique.h"

namespace zem {

std::string BrowseForFileOrFolder(HWND owner, const std::string& instruction, UINT flags) {
    // The browser may write anything into the display name on cancel: it is never read.
    char displayName[MAX_PATH + 1] = {};
    BROWSEINFOA info{};
    info.hwndOwner = owner;
    info.pszDisplayName = displayName;
    info.lpszTitle = instruction.c_str();
    info.ulFlags = flags;
    const UniquePidl item(::SHBrowseForFolderA(&info));
    if (!item) return {};
    char path[MAX_PATH + 1] = {};
    if (!::SHGetPathFromIDListA(item.Get(), path)) return {};
    return path;
}

}  // namespace zem
