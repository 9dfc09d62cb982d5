// A control's hint: the tooltip that shows a text while the mouse rests on the control.
#pragma once

#include <windows.h>

#include <string>

namespace zem {

class ControlHint {
public:
    ControlHint() = default;
    ~ControlHint();
    ControlHint(const ControlHint&) = delete;
    ControlHint& operator=(const ControlHint&) = delete;

    // Shows `text` as the hint of `control` (created on first use); an empty text shows none.
    void Set(HWND control, const std::string& text);
    const std::string& Text() const { return text_; }

private:
    HWND tooltip_ = nullptr;
    HWND control_ = nullptr;
    std::string text_;
};

}  // namespace zem
