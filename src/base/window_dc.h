// A window's client-area device context with a font selected, for measuring text; the font and
// the context are given back when it ends.
#pragma once

#include <windows.h>

namespace zem {

class WindowFontDc {
public:
    WindowFontDc(HWND window, HGDIOBJ font)
        : window_(window), dc_(::GetDC(window)), oldFont_(dc_ ? ::SelectObject(dc_, font) : nullptr) {}
    ~WindowFontDc() {
        if (!dc_) return;
        ::SelectObject(dc_, oldFont_);
        ::ReleaseDC(window_, dc_);
    }
    WindowFontDc(const WindowFontDc&) = delete;
    WindowFontDc& operator=(const WindowFontDc&) = delete;

    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
    HGDIOBJ oldFont_;
};

}  // namespace zem
