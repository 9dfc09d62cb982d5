// The application-wide hook on queued messages, keyboard shortcuts and the message loop.
#include "app/main_window.h"
#include "app/private_messages.h"
#include "resource.h"

namespace zem {

bool TForm1::OnAppMessage(const MSG& message) {
    if (message.hwnd == memo_ && (message.message == WM_KEYUP || message.message == WM_LBUTTONUP)) {
        ShowCaretPosition();
        if (message.message == WM_KEYUP && message.wParam == VK_ESCAPE) HideBalloonTip();
        return false;
    }
    const HWND pathEdit = FileNameComboBox1().EditHandle();
    const HWND findEdit = FindEdit1().EditHandle();
    if (message.hwnd != pathEdit && message.hwnd != findEdit && message.hwnd != lineNumTextEdit_) return false;

    if (OnTextDragMessage(message)) return true;
    if (message.message == WM_LBUTTONUP && message.hwnd != lineNumTextEdit_) {
        HWND box = message.hwnd == pathEdit ? fileNameComboBox_ : findEdit_;
        ::PostMessageA(Handle(), UM_COMBO_CHANGED, reinterpret_cast<WPARAM>(box), 0);
    }
    if (message.message == WM_KEYUP && message.hwnd != lineNumTextEdit_) {
        OnComboBoxKeyUp(message.hwnd == pathEdit ? fileNameComboBox_ : findEdit_, message.wParam);
    }
    return false;
}

bool TForm1::PreTranslateMessage(MSG& message) {
    if (!Handle()) return false;
    bool handled = false;
    RunGuarded([&] { handled = OnAppMessage(message); });
    if (handled) return true;

    // A shortcut whose command is disabled leaves the key to the focused control.
    if (const WORD command = shortcuts_.Match(message)) {
        if (MenuEnabled(command)) {
            RunCommand(command);
            return true;
        }
    }
    return ::IsDialogMessageA(Handle(), &message) != FALSE;
}

int RunMessageLoop(TForm1& form) {
    MSG message{};
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (form.PreTranslateMessage(message)) continue;
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace zem
