// The band across the top of the program's dialogs: a colour gradient, the program's logo at
// its right and a bold title that fades out after it is shown.
#pragma once

#include <windows.h>

#include <string>

#include "base/unique.h"

namespace zem {

// The title fade: a timer of 200 ms brightens the title from the window-text colour by 10 in
// each of red, green and blue until the colour exceeds the dialog's limit.
inline constexpr UINT kFadeInterval = 200;
inline constexpr COLORREF kFadeStep = 0x0A0A0A;

struct FadeStep {
    COLORREF color;
    bool visible;
};
// One tick of the fade: the colour plus the step, visible while it does not exceed `limit`.
FadeStep NextFadeStep(COLORREF color, COLORREF limit);

class DialogBanner {
public:
    DialogBanner(UINT_PTR timerId, COLORREF fadeLimit) : timerId_(timerId), fadeLimit_(fadeLimit) {}
    DialogBanner(const DialogBanner&) = delete;
    DialogBanner& operator=(const DialogBanner&) = delete;

    // Makes the banner `width` by `height` pixels at 96 dots per inch at the top of `dialog`.
    void Attach(HWND dialog, int width, int height, std::string title);
    int Height() const { return height_; }
    void Paint(HDC dc) const;

    // Shows the title and starts the fade unless it is running.
    void StartFade();
    // Starts the fade when the mouse is over the band.
    void OnMouseMove(int y);
    // One tick of the fade; false when `timerId` is not the banner's.
    bool OnTimer(UINT_PTR timerId);
    // Stops the fade where it is (the dialog is closing).
    void Stop();
    // Paints the band, follows the mouse over it and runs the fade for the dialog's
    // WM_PAINT, WM_MOUSEMOVE and WM_TIMER; false for other messages.
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result);

    bool TitleVisible() const { return titleVisible_; }
    COLORREF TitleColor() const { return titleColor_; }
    bool Fading() const { return fading_; }

private:
    void InvalidateTitle() const;

    UINT_PTR timerId_;
    COLORREF fadeLimit_;
    HWND dialog_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    int logoSize_ = 0;
    std::string title_;
    UniqueGdiObject titleFont_;
    UniqueHIcon logo_;
    bool fading_ = false;
    bool titleVisible_ = false;
    COLORREF titleColor_ = 0;
};

}  // namespace zem
