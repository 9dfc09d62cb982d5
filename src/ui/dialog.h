// Base of the program's dialogs: routes the dialog's messages to HandleMessage from
// WM_INITDIALOG on and never lets an exception leave the dialog procedure.
#pragma once

#include <windows.h>

namespace zem {

class Dialog {
public:
    Dialog() = default;
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;
    // A dialog still open (a modeless one) is destroyed without reaching HandleMessage.
    virtual ~Dialog();

    HWND Handle() const { return hwnd_; }

protected:
    // Shows the template modally over `owner`; the result passed to Close, -1 on failure.
    INT_PTR RunModal(HWND owner, LPCSTR templateName);
    INT_PTR RunModal(HWND owner, const DLGTEMPLATE& dialogTemplate);
    // Creates the template modeless (hidden unless it has WS_VISIBLE); null on failure.
    HWND CreateModeless(HWND owner, LPCSTR templateName);

    // Ends a modal dialog with `result`, destroys a modeless one.
    void Close(INT_PTR result);

    // Sizes the window for a client area of `width` by `height` pixels at 96 dots per inch.
    void SetClientSize(int width, int height) const;
    // Places the control `id` in pixels at 96 dots per inch.
    void PlaceControl(int id, int x, int y, int width, int height) const;

    // The dialog procedure's answer; WM_INITDIALOG is the first message seen.
    virtual INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;

    HWND hwnd_ = nullptr;

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

    bool modal_ = false;
};

}  // namespace zem
