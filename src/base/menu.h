// Menu item states by command id, across a menu and its submenus.
#pragma once

#include <windows.h>

#include <string>

namespace zem {

bool MenuItemEnabled(HMENU menu, UINT id);
void SetMenuItemEnabled(HMENU menu, UINT id, bool enabled);
bool MenuItemChecked(HMENU menu, UINT id);
void SetMenuItemChecked(HMENU menu, UINT id, bool checked);
std::string MenuItemCaption(HMENU menu, UINT id);
// Sets the caption; an item that loaded as a separator (defined without a text) becomes a
// text item.
void SetMenuItemCaption(HMENU menu, UINT id, const std::string& caption);
// The text as a menu caption shows it: "&" doubled.
std::string MenuText(const std::string& text);

// The submenu that holds the item `id` (searching all levels), or nullptr.
HMENU MenuOwningItem(HMENU menu, UINT id);
// The submenu of the popup item `id`, or nullptr.
HMENU SubMenuOf(HMENU menu, UINT id);

// Checks `id` and unchecks the other radio items of its group (the run of radio items around it).
void CheckRadioItem(HMENU menu, UINT id);

// Win32 menus have no hidden items: a hidden item is removed and put back in its place.
// The item keeps its id, caption, type and state while hidden.
class HideableMenuItem {
public:
    // Finds the item `id` anywhere in `menu`; it starts visible.
    void Attach(HMENU menu, UINT id);
    void SetVisible(bool visible);
    bool Visible() const { return visible_; }

private:
    HMENU menu_ = nullptr;
    UINT id_ = 0;
    UINT position_ = 0;
    bool visible_ = true;
    std::string caption_;
    MENUITEMINFOA saved_{};
};

}  // namespace zem
