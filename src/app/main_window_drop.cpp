// Text dropped on the path box and the search box.
#include "app/main_window.h"

#include "app/private_messages.h"

#include <windowsx.h>

#include <cstdlib>

namespace zem {

void TForm1::RegisterDropTargets() {
    dropTextTarget1_.OnDrop = [this](const std::string& text, POINT point, DWORD) {
        OnDropText(fileNameComboBox_, text, point);
    };
    dropTextTarget2_.OnDrop = [this](const std::string& text, POINT point, DWORD) {
        OnDropText(findEdit_, text, point);
        ::SetFocus(findEdit_);
    };
    // No drop onto the dragged text itself.
    dropTextSource1_.OnDrop = [this] {
        POINT cursor{};
        ::GetCursorPos(&cursor);
        const HWND pathEdit = FileNameComboBox1().EditHandle();
        if (::WindowFromPoint(cursor) != pathEdit) return true;
        ::ScreenToClient(pathEdit, &cursor);
        return !IsOnSelectedText(pathEdit, cursor);
    };
    RegisterDragFormats();
    // A box that cannot take drops still works as a box.
    dropTextTarget1_.RegisterTarget(FileNameComboBox1().EditHandle());
    dropTextTarget2_.RegisterTarget(FindEdit1().EditHandle());
}

void TForm1::OnDropText(HWND comboBox, const std::string& text, POINT point) {
    const HWND edit = ComboBox(comboBox).EditHandle();
    DWORD start = 0, end = 0;
    ::SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    if (start == end) {
        // Without a selection the text goes where it was dropped.
        ::ScreenToClient(edit, &point);
        const auto position = LOWORD(::SendMessageA(edit, EM_CHARFROMPOS, 0, MAKELPARAM(point.x, point.y)));
        ::SendMessageA(edit, EM_SETSEL, position, position);
    }
    ::SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
    ::PostMessageA(Handle(), UM_COMBO_CHANGED, reinterpret_cast<WPARAM>(comboBox), 0);
    BringToFront();
}

bool TForm1::IsOnSelectedText(HWND field, POINT clientPoint) const {
    DWORD start = 0, end = 0;
    ::SendMessageA(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    if (start == end) return false;
    const DWORD at = LOWORD(::SendMessageA(field, EM_CHARFROMPOS, 0, MAKELPARAM(clientPoint.x, clientPoint.y)));
    return at >= start && at < end;
}

// A Shift-drag that begins on selected text of the path box, the search box or the line-text
// field drags the text out; true when the message is taken for it.
bool TForm1::OnTextDragMessage(const MSG& message) {
    const POINT point{GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)};
    switch (message.message) {
        case WM_LBUTTONDOWN:
            if (!(message.wParam & MK_SHIFT) || !IsOnSelectedText(message.hwnd, point)) return false;
            dragField_ = message.hwnd;  // the selection stays: Shift-click would extend it
            dragStart_ = point;
            return true;
        case WM_MOUSEMOVE: {
            if (message.hwnd != dragField_ || !(message.wParam & MK_LBUTTON)) return false;
            if (std::abs(point.x - dragStart_.x) < ::GetSystemMetrics(SM_CXDRAG) &&
                std::abs(point.y - dragStart_.y) < ::GetSystemMetrics(SM_CYDRAG)) {
                return true;
            }
            DWORD start = 0, end = 0;
            ::SendMessageA(dragField_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
            dropTextSource1_.Text = WindowText(dragField_).substr(start, end - start);
            dragField_ = nullptr;
            dropTextSource1_.Execute();  // a move leaves the text in its field
            return true;
        }
        case WM_LBUTTONUP: dragField_ = nullptr; return false;
        default: return false;
    }
}

void TForm1::BringToFront() {
    ::SetForegroundWindow(Handle());
    ::SetWindowPos(Handle(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOCOPYBITS);
}

}  // namespace zem
