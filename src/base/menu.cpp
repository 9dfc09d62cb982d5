#include "base/menu.h"

namespace zem {

namespace {

UINT ItemState(HMENU menu, UINT id) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STATE;
    return ::GetMenuItemInfoA(menu, id, FALSE, &info) ? info.fState : 0;
}

int PositionOf(HMENU menu, UINT id) {
    const int count = ::GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        if (::GetMenuItemID(menu, i) == id) return i;
        MENUITEMINFOA info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_ID;
        if (::GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info) && info.wID == id) return i;
    }
    return -1;
}

bool IsRadio(HMENU menu, int position) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE;
    return ::GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info) && (info.fType & MFT_RADIOCHECK);
}

}  // namespace

bool MenuItemEnabled(HMENU menu, UINT id) { return (ItemState(menu, id) & MFS_DISABLED) == 0; }

void SetMenuItemEnabled(HMENU menu, UINT id, bool enabled) {
    ::EnableMenuItem(menu, id, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

bool MenuItemChecked(HMENU menu, UINT id) { return (ItemState(menu, id) & MFS_CHECKED) != 0; }

void SetMenuItemChecked(HMENU menu, UINT id, bool checked) {
    ::CheckMenuItem(menu, id, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

std::string MenuItemCaption(HMENU menu, UINT id) {
    char buffer[512] = {};
    MENUITEMINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STRING;
    info.dwTypeData = buffer;
    info.cch = sizeof(buffer);
    return ::GetMenuItemInfoA(menu, id, FALSE, &info) ? std::string(buffer) : std::string();
}

void SetMenuItemCaption(HMENU menu, UINT id, const std::string& caption) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE;
    if (!::GetMenuItemInfoA(menu, id, FALSE, &info)) return;
    // An item defined without a text loads as a separator; with a caption it is a text item.
    info.fType &= ~static_cast<UINT>(MFT_SEPARATOR);
    info.fMask = MIIM_FTYPE | MIIM_STRING;
    info.dwTypeData = const_cast<char*>(caption.c_str());
    ::SetMenuItemInfoA(menu, id, FALSE, &info);
}

std::string MenuText(const std::string& text) {
    std::string result;
    for (char c : text) {
        if (c == '&') result += '&';
        result += c;
    }
    return result;
}

HMENU MenuOwningItem(HMENU menu, UINT id) {
    if (PositionOf(menu, id) >= 0) return menu;
    const int count = ::GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        if (HMENU sub = ::GetSubMenu(menu, i)) {
            if (HMENU owner = MenuOwningItem(sub, id)) return owner;
        }
    }
    return nullptr;
}

HMENU SubMenuOf(HMENU menu, UINT id) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_SUBMENU;
    return ::GetMenuItemInfoA(menu, id, FALSE, &info) ? info.hSubMenu : nullptr;
}

void CheckRadioItem(HMENU menu, UINT id) {
    HMENU owner = MenuOwningItem(menu, id);
    if (!owner) return;
    const int position = PositionOf(owner, id);
    int first = position, last = position;
    while (first > 0 && IsRadio(owner, first - 1)) --first;
    while (last + 1 < ::GetMenuItemCount(owner) && IsRadio(owner, last + 1)) ++last;
    for (int i = first; i <= last; ++i) {
        ::CheckMenuItem(owner, static_cast<UINT>(i), MF_BYPOSITION | (i == position ? MF_CHECKED : MF_UNCHECKED));
    }
}

void HideableMenuItem::Attach(HMENU menu, UINT id) {
    menu_ = MenuOwningItem(menu, id);
    id_ = id;
    visible_ = menu_ != nullptr;
}

void HideableMenuItem::SetVisible(bool visible) {
    if (!menu_ || visible == visible_) return;
    if (!visible) {
        position_ = static_cast<UINT>(PositionOf(menu_, id_));
        caption_ = MenuItemCaption(menu_, id_);
        saved_ = MENUITEMINFOA{};
        saved_.cbSize = sizeof(saved_);
        saved_.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID;
        ::GetMenuItemInfoA(menu_, id_, FALSE, &saved_);
        ::RemoveMenu(menu_, id_, MF_BYCOMMAND);
    } else {
        saved_.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING;
        saved_.dwTypeData = caption_.data();
        ::InsertMenuItemA(menu_, position_, TRUE, &saved_);
    }
    visible_ = visible;
}

}  // namespace zem

