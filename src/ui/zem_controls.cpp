#include "ui/zem_controls.h"

#include <commctrl.h>
#include <windowsx.h>

#include <exception>

#include "base/window.h"

namespace zem {

namespace {

std::optional<TZemMouseButton> ButtonOf(UINT message) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
            return TZemMouseButton::Left;
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
            return TZemMouseButton::Right;
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
            return TZemMouseButton::Middle;
        default:
            return std::nullopt;
    }
}

bool IsButtonDown(UINT message) {
    return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
}

}  // namespace

TZemComboBox::TZemComboBox(HWND combo) { Attach(combo); }

TZemComboBox::~TZemComboBox() { Detach(); }

void TZemComboBox::Attach(HWND combo) {
    Detach();
    if (!combo) return;
    combo_ = combo;
    edit_ = EditFieldOf(combo);
    if (!edit_) return;
    ::SetWindowSubclass(edit_, EditProc, reinterpret_cast<UINT_PTR>(this), reinterpret_cast<DWORD_PTR>(this));
    if (!cueBannerText_.empty()) SetCueBanner(edit_, cueBannerText_, showCueWhenFocused_);
}

void TZemComboBox::Detach() noexcept {
    ForgetEdit();
    combo_ = nullptr;
}

void TZemComboBox::ForgetEdit() noexcept {
    if (edit_) ::RemoveWindowSubclass(edit_, EditProc, reinterpret_cast<UINT_PTR>(this));
    edit_ = nullptr;
}

bool TZemComboBox::SetCueBannerText(const std::string& text) {
    if (combo_ && ::IsWindow(combo_)) {
        // A drop-down list has nowhere to show the text, so it does not take it either.
        if (!edit_ || !SetCueBanner(edit_, text, showCueWhenFocused_)) return false;
    }
    cueBannerText_ = text;
    return true;
}

void TZemComboBox::SetShowCueWhenFocused(bool show) {
    showCueWhenFocused_ = show;
    if (edit_ && !cueBannerText_.empty()) SetCueBanner(edit_, cueBannerText_, showCueWhenFocused_);
}

bool TZemComboBox::HandleParentCommand(WPARAM wParam, LPARAM lParam) {
    if (combo_ && HIWORD(wParam) == CBN_CLOSEUP && reinterpret_cast<HWND>(lParam) == combo_ && OnCloseUp)
        OnCloseUp();
    return false;
}

void TZemComboBox::RaiseMouse(UINT message, WPARAM wParam, LPARAM lParam) const {
    const std::optional<TZemMouseButton> button = ButtonOf(message);
    if (!button) return;
    const MouseEvent& handler = IsButtonDown(message) ? OnMouseDown : OnMouseUp;
    if (handler) handler(*button, wParam, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
}

LRESULT CALLBACK TZemComboBox::EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                        DWORD_PTR self) noexcept {
    auto* box = reinterpret_cast<TZemComboBox*>(self);
    if (message == WM_NCDESTROY) {
        box->ForgetEdit();
    } else if (ButtonOf(message)) {
        // The handler runs first; the field then treats the click as always, whatever the handler did.
        try {
            box->RaiseMouse(message, wParam, lParam);
        } catch (const std::exception& error) {
            ShowErrorReport(error.what());
        } catch (...) {
            ShowErrorReport("Unknown error");
        }
    }
    return ::DefSubclassProc(window, message, wParam, lParam);
}

std::optional<LRESULT> TZemCheckBox::HandleCtlColor(HWND control) const noexcept {
    if (answerNoBrush_ && control && control == checkBox_) return LRESULT{0};
    return std::nullopt;
}

}  // namespace zem
