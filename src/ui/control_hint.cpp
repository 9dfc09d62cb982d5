#include "ui/control_hint.h"

#include <commctrl.h>

namespace zem {
namespace {

TOOLINFOA ToolOf(HWND control, const std::string& text) {
    TOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = ::GetParent(control);
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<char*>(text.c_str());
    return tool;
}

}  // namespace

ControlHint::~ControlHint() {
    if (tooltip_) ::DestroyWindow(tooltip_);
}

void ControlHint::Set(HWND control, const std::string& text) {
    text_ = text;
    if (!tooltip_) {
        tooltip_ = ::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                     CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, ::GetParent(control),
                                     nullptr, ::GetModuleHandleA(nullptr), nullptr);
        if (!tooltip_) return;
        control_ = control;
        TOOLINFOA tool = ToolOf(control_, text_);
        ::SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
        ::SendMessageA(tooltip_, TTM_SETMAXTIPWIDTH, 0, 600);
    }
    TOOLINFOA tool = ToolOf(control_, text_);
    ::SendMessageA(tooltip_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
    ::SendMessageA(tooltip_, TTM_ACTIVATE, text_.empty() ? FALSE : TRUE, 0);
}

}  // namespace zem
