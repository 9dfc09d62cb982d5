#include "base/shortcuts.h"

#include "base/unique.h"

namespace zem {

void KeyboardShortcuts::Load(UINT resourceId) {
    UniqueHAccel table(::LoadAcceleratorsA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resourceId)));
    if (!table) return;
    const int count = ::CopyAcceleratorTableA(table.Get(), nullptr, 0);
    std::vector<ACCEL> loaded(static_cast<size_t>(count));
    ::CopyAcceleratorTableA(table.Get(), loaded.data(), count);
    entries_.insert(entries_.end(), loaded.begin(), loaded.end());
}

void KeyboardShortcuts::Add(BYTE virtualFlags, WORD key, WORD command) {
    entries_.push_back(ACCEL{static_cast<BYTE>(virtualFlags | FVIRTKEY), key, command});
}

WORD KeyboardShortcuts::Match(const MSG& message) const {
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return 0;
    BYTE modifiers = 0;
    if (::GetKeyState(VK_CONTROL) < 0) modifiers |= FCONTROL;
    if (::GetKeyState(VK_SHIFT) < 0) modifiers |= FSHIFT;
    if (::GetKeyState(VK_MENU) < 0) modifiers |= FALT;
    for (const ACCEL& entry : entries_) {
        const BYTE wanted = entry.fVirt & (FCONTROL | FSHIFT | FALT);
        if ((entry.fVirt & FVIRTKEY) && entry.key == message.wParam && wanted == modifiers) return entry.cmd;
    }
    return 0;
}

}  // namespace zem
