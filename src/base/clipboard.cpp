#include "base/clipboard.h"

#include <windows.h>

#include "base/unique.h"

namespace zem {

bool ClipboardHasText() {
    if (!::IsClipboardFormatAvailable(CF_TEXT) || !::OpenClipboard(nullptr)) return false;
    bool hasText = false;
    if (HANDLE data = ::GetClipboardData(CF_TEXT)) {
        const LockedGlobal block(data);
        hasText = block.Size() > 0 && static_cast<const char*>(block.Data())[0] != '\0';
    }
    ::CloseClipboard();
    return hasText;
}

}  // namespace zem
