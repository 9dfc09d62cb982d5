#include "ui/file_dialog.h"

#include <commctrl.h>
#include <dlgs.h>

#include "base/strings.h"

namespace zem {
namespace {

constexpr UINT_PTR kHelpButtonWatchId = 0x7A656D48;  // one per file dialog

// Watches the file dialog's own window for its Help button. The click is answered here by
// asking the owner for help, and goes no further: Wine's dialog does nothing with it (with or
// without a hook), and Windows would ask the owner itself and notify the hook as well, so the
// owner is asked exactly once on both.
LRESULT CALLBACK HelpButtonWatch(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                 DWORD_PTR data) noexcept {
    if (message == WM_COMMAND && LOWORD(wParam) == pshHelp && HIWORD(wParam) == BN_CLICKED) {
        const auto* settings = reinterpret_cast<const OPENFILENAMEA*>(data);
        ::SendMessageA(settings->hwndOwner, FileDialogHelpMessage(), reinterpret_cast<WPARAM>(dialog),
                       static_cast<LPARAM>(data));
        return 0;
    }
    if (message == WM_NCDESTROY) ::RemoveWindowSubclass(dialog, HelpButtonWatch, id);
    return ::DefSubclassProc(dialog, message, wParam, lParam);
}

}  // namespace

FileDialog::FileDialog(HWND owner, UINT titleId, UINT filterId, DWORD flags, const std::string& proposedName)
    : name_(proposedName), filter_(ResFilterString(filterId)), title_(ResString(titleId)) {
    // Room for any path the dialog may return.
    name_.resize(32768, '\0');
    settings_.lStructSize = sizeof(settings_);
    settings_.hwndOwner = owner;
    settings_.lpstrFilter = filter_.c_str();
    settings_.nFilterIndex = 1;
    settings_.lpstrFile = name_.data();
    settings_.nMaxFile = static_cast<DWORD>(name_.size());
    settings_.lpstrTitle = title_.c_str();
    settings_.Flags = flags | OFN_EXPLORER;
    if (flags & OFN_SHOWHELP) UseHook();
}

void FileDialog::OnSelectionChange(SelectionHandler handler) {
    onSelectionChange_ = std::move(handler);
    UseHook();
}

void FileDialog::UseHook() {
    settings_.Flags |= OFN_ENABLEHOOK;
    settings_.lpfnHook = &FileDialog::Hook;
    settings_.lCustData = reinterpret_cast<LPARAM>(this);
}

// The hook's own child dialog keeps the file dialog object for the notifications, and sets the
// watch on the Help button of the dialog around it.
UINT_PTR CALLBACK FileDialog::Hook(HWND child, UINT message, WPARAM, LPARAM lParam) noexcept {
    if (message == WM_INITDIALOG) {
        auto* dialog = reinterpret_cast<FileDialog*>(reinterpret_cast<const OPENFILENAMEA*>(lParam)->lCustData);
        ::SetWindowLongPtrA(child, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(dialog));
        if (dialog->settings_.Flags & OFN_SHOWHELP) {
            ::SetWindowSubclass(::GetParent(child), HelpButtonWatch, kHelpButtonWatchId,
                                reinterpret_cast<DWORD_PTR>(&dialog->settings_));
        }
        return 0;
    }
    auto* dialog = reinterpret_cast<FileDialog*>(::GetWindowLongPtrA(child, GWLP_USERDATA));
    if (message != WM_NOTIFY || dialog == nullptr) return 0;
    try {
        dialog->OnNotify(::GetParent(child), reinterpret_cast<const NMHDR*>(lParam)->code);
    } catch (...) {
        // A failed handler leaves the dialog as it is.
    }
    return 0;
}

void FileDialog::OnNotify(HWND dialog, UINT code) {
    if (code == CDN_SELCHANGE && onSelectionChange_) onSelectionChange_(dialog, settings_);
}

UINT FileDialogHelpMessage() {
    static const UINT message = ::RegisterWindowMessageA(HELPMSGSTRINGA);
    return message;
}

}  // namespace zem
