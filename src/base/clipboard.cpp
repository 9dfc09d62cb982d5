#include "base/clipboard.h"

#include <windows.h>

namespace zem {

bool ClipboardHasText() {
    if (!::IsClipboardFormatAvailable(CF_TEXT) || !::OpenClipboard(nullptr)) return false;
    bool hasText = false;
    if (HANDLE data = ::GetClipboardData(CF_TEXT)) {
        if (const auto* text = static_cast<const char*>(::GlobalLock(data))) {
            hasText = text[0] != '\0';
            ::GlobalUnlock(data);
        }
    }
    ::CloseClipboard();
    return hasText;
}

}  // namespace zem
