#include "ui/edit_balloon.h"

#include <cwchar>
#include <vector>

#include "base/strings.h"

namespace zem {

namespace {

constexpr size_t kMaxCueBanner = 65536;

}  // namespace

static_assert(sizeof(void*) != 4 || sizeof(EDITBALLOONTIP) == 16, "the balloon record is 16 bytes on 32-bit Windows");

HWND EditFieldOf(HWND field) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    if (!::GetComboBoxInfo(field, &info)) return field;
    // A drop-down list has no edit field: Wine reports none, Windows the combo box itself.
    return info.hwndItem == field ? nullptr : info.hwndItem;
}

LRESULT ShowEditBalloon(HWND field, const std::string& title, const std::string& text, int icon) {
    const HWND edit = EditFieldOf(field);
    if (!edit) return 0;
    // The record points at the converted texts, which live until the message returns.
    const std::wstring wideTitle = MultiByteToWide(title);
    const std::wstring wideText = MultiByteToWide(text);
    EDITBALLOONTIP balloon{};
    balloon.cbStruct = sizeof(balloon);
    balloon.pszTitle = wideTitle.c_str();
    balloon.pszText = wideText.c_str();
    balloon.ttiIcon = icon;
    return ::SendMessageA(edit, EM_SHOWBALLOONTIP, 0, reinterpret_cast<LPARAM>(&balloon));
}

void HideEditBalloon(HWND field) {
    if (const HWND edit = EditFieldOf(field)) ::SendMessageA(edit, EM_HIDEBALLOONTIP, 0, 0);
}

bool SetCueBanner(HWND field, const std::string& text, bool showWhenFocused) {
    const HWND edit = EditFieldOf(field);
    if (!edit) return false;
    const std::wstring wide = MultiByteToWide(text);
    return ::SendMessageA(edit, EM_SETCUEBANNER, showWhenFocused ? TRUE : FALSE,
                          reinterpret_cast<LPARAM>(wide.c_str())) != 0;
}

std::string CueBanner(HWND field) {
    const HWND edit = EditFieldOf(field);
    if (!edit) return {};
    // The field copies as much as fits; a text that fills the buffer may be cut, so try a bigger one.
    std::wstring wide;
    for (size_t size = 256; size <= kMaxCueBanner; size *= 4) {
        std::vector<wchar_t> buffer(size, L'\0');
        if (!::SendMessageA(edit, EM_GETCUEBANNER, reinterpret_cast<WPARAM>(buffer.data()),
                            static_cast<LPARAM>(size)))
            return {};
        wide.assign(buffer.data(), ::wcsnlen(buffer.data(), size));
        if (wide.size() + 1 < size) break;
    }
    return WideToMultiByte(wide);
}

}  // namespace zem
