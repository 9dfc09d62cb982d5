#include "ui/banner.h"

#include <windowsx.h>

#include "base/window.h"

namespace zem {
namespace {

constexpr int kLogoSize = 48;
constexpr int kMargin = 12;
constexpr int kTitleTop = 15;

// The band's colours, top and bottom; the title fades into them.
constexpr COLORREF kBannerTop = RGB(255, 255, 255);
constexpr COLORREF kBannerBottom = RGB(214, 226, 242);

BYTE Blend(BYTE from, BYTE to, int step, int steps) {
    return static_cast<BYTE>(from + (static_cast<int>(to) - from) * step / steps);
}

void FillRow(HDC dc, int y, int width, COLORREF colour) {
    const UniqueGdiObject brush(::CreateSolidBrush(colour));
    const RECT row{0, y, width, y + 1};
    ::FillRect(dc, &row, static_cast<HBRUSH>(brush.Get()));
}

}  // namespace

FadeStep NextFadeStep(COLORREF color, COLORREF limit) {
    const COLORREF next = color + kFadeStep;
    return {next, next <= limit};
}

void DialogBanner::Attach(HWND dialog, int width, int height, std::string title) {
    dialog_ = dialog;
    width_ = ScaledPixels(width);
    height_ = ScaledPixels(height);
    title_ = std::move(title);
    titleFont_.Reset(::CreateFontA(-ScaledPixels(16), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                   OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                                   "Arial"));
    logoSize_ = ScaledPixels(kLogoSize);
    logo_.Reset(static_cast<HICON>(
        ::LoadImageA(::GetModuleHandleA(nullptr), "DEFICON1", IMAGE_ICON, logoSize_, logoSize_, 0)));
}

void DialogBanner::Paint(HDC dc) const {
    const int last = height_ - 1;
    for (int y = 0; y < height_; ++y) {
        FillRow(dc, y, width_,
                RGB(Blend(GetRValue(kBannerTop), GetRValue(kBannerBottom), y, last),
                    Blend(GetGValue(kBannerTop), GetGValue(kBannerBottom), y, last),
                    Blend(GetBValue(kBannerTop), GetBValue(kBannerBottom), y, last)));
    }
    if (logo_) {
        ::DrawIconEx(dc, width_ - logoSize_ - ScaledPixels(kMargin / 2), (height_ - logoSize_) / 2, logo_.Get(),
                     logoSize_, logoSize_, 0, nullptr, DI_NORMAL);
    }
    if (!titleVisible_) return;
    const HGDIOBJ oldFont = ::SelectObject(dc, titleFont_.Get());
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, titleColor_);
    ::TextOutA(dc, ScaledPixels(kMargin), ScaledPixels(kTitleTop), title_.c_str(), static_cast<int>(title_.size()));
    ::SelectObject(dc, oldFont);
}

void DialogBanner::StartFade() {
    if (fading_) return;
    titleColor_ = ::GetSysColor(COLOR_WINDOWTEXT);
    titleVisible_ = true;
    fading_ = ::SetTimer(dialog_, timerId_, kFadeInterval, nullptr) != 0;
    InvalidateTitle();
}

void DialogBanner::OnMouseMove(int y) {
    if (y >= 0 && y < height_) StartFade();
}

bool DialogBanner::OnTimer(UINT_PTR timerId) {
    if (timerId != timerId_) return false;
    if (!fading_) return true;
    const FadeStep step = NextFadeStep(titleColor_, fadeLimit_);
    titleColor_ = step.color;
    if (!step.visible) {
        titleVisible_ = false;
        Stop();
    }
    InvalidateTitle();
    return true;
}

bool DialogBanner::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint{};
            if (HDC dc = ::BeginPaint(dialog_, &paint)) Paint(dc);
            ::EndPaint(dialog_, &paint);
            result = TRUE;
            return true;
        }
        case WM_MOUSEMOVE:
            OnMouseMove(GET_Y_LPARAM(lParam));
            result = FALSE;
            return true;
        case WM_TIMER: result = OnTimer(wParam); return true;
        default: return false;
    }
}

void DialogBanner::Stop() {
    if (dialog_) ::KillTimer(dialog_, timerId_);
    fading_ = false;
}

void DialogBanner::InvalidateTitle() const {
    // The band is painted whole, so nothing needs erasing first.
    const RECT band{0, 0, width_ - logoSize_ - ScaledPixels(kMargin), height_};
    ::InvalidateRect(dialog_, &band, FALSE);
}

}  // namespace zem
