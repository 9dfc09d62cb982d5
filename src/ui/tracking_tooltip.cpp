#include "ui/tracking_tooltip.h"

namespace zem {

namespace {

bool IsUsable(HWND window) noexcept {
    return window != nullptr && window != reinterpret_cast<HWND>(INVALID_HANDLE_VALUE) && ::IsWindow(window);
}

void RegisterToolTipClass() noexcept {
    static const bool registered = [] {
        INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES};
        return ::InitCommonControlsEx(&classes) != FALSE;
    }();
    (void)registered;
}

}  // namespace

void ToolTipWindowTraits::Close(Type window) noexcept {
    // Owned popups die with their owner; a handle left over from that must not be destroyed again.
    if (IsUsable(window)) ::DestroyWindow(window);
}

LPARAM PackTrackPosition(POINT screenPoint) {
    // Monitors left of or above the primary one have negative coordinates. Each coordinate goes in
    // as a signed 16-bit value, so -10 travels as 0xFFF6 and a receiver that reads the halves as
    // shorts (GET_X_LPARAM) gets -10 back. Positions beyond +-32767 cannot be carried at all.
    // (Wine 8's tooltip reads the halves unsigned, so there such a balloon lands at the far edge.)
    return MAKELPARAM(static_cast<short>(screenPoint.x), static_cast<short>(screenPoint.y));
}

TZemTrackingToolTip::TZemTrackingToolTip(HWND control) noexcept : control_(control) {
    toolInfo_.cbSize = kToolInfoSize;
}

HWND TZemTrackingToolTip::Window() const noexcept {
    const HWND window = window_.Get();
    return IsUsable(window) ? window : nullptr;
}

bool TZemTrackingToolTip::EnsureWindow() {
    if (Window()) return true;
    window_.Reset();
    RegisterToolTipClass();
    window_.Reset(::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_BALLOON, CW_USEDEFAULT,
                                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, control_, nullptr,
                                    ::GetModuleHandleA(nullptr), nullptr));
    return Window() != nullptr;
}

bool TZemTrackingToolTip::AddTool() {
    toolInfo_ = TTTOOLINFOA{};
    toolInfo_.cbSize = kToolInfoSize;
    toolInfo_.uFlags = kTrackingToolFlags;
    toolInfo_.hwnd = control_;
    toolInfo_.uId = reinterpret_cast<UINT_PTR>(control_);
    ::GetClientRect(control_, &toolInfo_.rect);
    toolInfo_.lpszText = text_.data();
    return Send(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&toolInfo_)) != 0;
}

bool TZemTrackingToolTip::SetTitle(const std::string& text) {
    if (!Send(TTM_SETTITLEA, titleIcon_, reinterpret_cast<LPARAM>(text.c_str()))) return false;
    title_ = text;
    return true;
}

void TZemTrackingToolTip::SetText(const std::string& text) {
    text_ = text;
    toolInfo_.lpszText = text_.data();
    Send(TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&toolInfo_));
}

void TZemTrackingToolTip::SetMaxWidth(int pixels) const { Send(TTM_SETMAXTIPWIDTH, 0, pixels); }

void TZemTrackingToolTip::SetDelay(WPARAM which, int milliseconds) const {
    Send(TTM_SETDELAYTIME, which, MAKELPARAM(milliseconds, 0));
}

void TZemTrackingToolTip::Activate() {
    if (!Window()) return;
    Send(TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&toolInfo_));
    RECT client{};
    ::GetClientRect(control_, &client);
    POINT stem{(client.left + client.right) / 2, client.bottom};
    ::ClientToScreen(control_, &stem);
    Send(TTM_TRACKPOSITION, 0, PackTrackPosition(stem));
    Send(TTM_UPDATE, 0, 0);
}

void TZemTrackingToolTip::Deactivate() {
    if (IsActive()) Send(TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&toolInfo_));
}

void TZemTrackingToolTip::TrackAt(POINT screenPoint) {
    trackingPoint_ = screenPoint;
    Send(TTM_TRACKPOSITION, 0, PackTrackPosition(screenPoint));
}

bool TZemTrackingToolTip::IsActive() const {
    const HWND window = Window();
    return window && ::IsWindowVisible(window);
}

LRESULT TZemTrackingToolTip::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
    const HWND window = Window();
    return window ? ::SendMessageA(window, message, wParam, lParam) : 0;
}

}  // namespace zem
