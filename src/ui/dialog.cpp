#include "ui/dialog.h"

#include <algorithm>

#include "base/window.h"

namespace zem {

Dialog::~Dialog() {
    if (!hwnd_ || !::IsWindow(hwnd_)) return;
    // The derived part is gone: no message may reach it any more.
    ::SetWindowLongPtrA(hwnd_, DWLP_USER, 0);
    ::DestroyWindow(hwnd_);
}

INT_PTR Dialog::RunModal(HWND owner, LPCSTR templateName) {
    modal_ = true;
    return ::DialogBoxParamA(::GetModuleHandleA(nullptr), templateName, owner, &Dialog::DialogProc,
                             reinterpret_cast<LPARAM>(this));
}

INT_PTR Dialog::RunModal(HWND owner, const DLGTEMPLATE& dialogTemplate) {
    modal_ = true;
    return ::DialogBoxIndirectParamA(::GetModuleHandleA(nullptr), &dialogTemplate, owner, &Dialog::DialogProc,
                                     reinterpret_cast<LPARAM>(this));
}

HWND Dialog::CreateModeless(HWND owner, LPCSTR templateName) {
    modal_ = false;
    return ::CreateDialogParamA(::GetModuleHandleA(nullptr), templateName, owner, &Dialog::DialogProc,
                                reinterpret_cast<LPARAM>(this));
}

void Dialog::Close(INT_PTR result) {
    if (modal_) {
        ::EndDialog(hwnd_, result);
    } else {
        ::DestroyWindow(hwnd_);
    }
}

void Dialog::SetClientSize(int width, int height) const {
    RECT frame{0, 0, ScaledPixels(width), ScaledPixels(height)};
    ::AdjustWindowRectEx(&frame, static_cast<DWORD>(::GetWindowLongA(hwnd_, GWL_STYLE)), FALSE,
                         static_cast<DWORD>(::GetWindowLongA(hwnd_, GWL_EXSTYLE)));
    const int windowWidth = frame.right - frame.left;
    const int windowHeight = frame.bottom - frame.top;
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    POINT origin{};
    if (::GetWindowLongA(hwnd_, GWL_STYLE) & DS_CENTER) {
        // Centred again for the new size: over the owner, inside the work area.
        const HWND owner = ::GetWindow(hwnd_, GW_OWNER);
        MONITORINFO monitor{};
        monitor.cbSize = sizeof(monitor);
        ::GetMonitorInfoA(::MonitorFromWindow(owner ? owner : hwnd_, MONITOR_DEFAULTTONEAREST), &monitor);
        RECT around = monitor.rcWork;
        if (owner) ::GetWindowRect(owner, &around);
        origin.x = around.left + (around.right - around.left - windowWidth) / 2;
        origin.y = around.top + (around.bottom - around.top - windowHeight) / 2;
        origin.x = std::max(monitor.rcWork.left, std::min(origin.x, monitor.rcWork.right - windowWidth));
        origin.y = std::max(monitor.rcWork.top, std::min(origin.y, monitor.rcWork.bottom - windowHeight));
    } else {
        flags |= SWP_NOMOVE;
    }
    ::SetWindowPos(hwnd_, nullptr, origin.x, origin.y, windowWidth, windowHeight, flags);
}

void Dialog::PlaceControl(int id, int x, int y, int width, int height) const {
    ::MoveWindow(::GetDlgItem(hwnd_, id), ScaledPixels(x), ScaledPixels(y), ScaledPixels(width), ScaledPixels(height),
                 FALSE);
}

INT_PTR CALLBACK Dialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message == WM_INITDIALOG) {
        ::SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
        reinterpret_cast<Dialog*>(lParam)->hwnd_ = hwnd;
    }
    auto* dialog = reinterpret_cast<Dialog*>(::GetWindowLongPtrA(hwnd, DWLP_USER));
    if (!dialog) return FALSE;
    INT_PTR result = FALSE;
    RunGuarded([&] { result = dialog->HandleMessage(message, wParam, lParam); });
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrA(hwnd, DWLP_USER, 0);
        dialog->hwnd_ = nullptr;
    }
    return result;
}

}  // namespace zem
