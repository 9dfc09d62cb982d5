// Text dropped on the path box and the search box.
#include "app/main_window.h"

#include "app/private_messages.h"

namespace zem {

void TForm1::RegisterDropTargets() {
    dropTextTarget1_.OnDrop = [this](const std::string& text, POINT point, DWORD) {
        OnDropText(fileNameComboBox_, text, point);
    };
    dropTextTarget2_.OnDrop = [this](const std::string& text, POINT point, DWORD) {
        OnDropText(findEdit_, text, point);
        ::SetFocus(findEdit_);
    };
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

void TForm1::BringToFront() {
    ::SetForegroundWindow(Handle());
    ::SetWindowPos(Handle(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOCOPYBITS);
}

}  // namespace zem
