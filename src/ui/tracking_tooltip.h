// A balloon tooltip that points at an exact screen position inside a control (the output editor).
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstddef>
#include <string>

#include "base/unique.h"

namespace zem {

// The tooltip window; it may already be gone with its owner control, so it is destroyed only if it still exists.
struct ToolTipWindowTraits {
    using Type = HWND;
    static constexpr Type Invalid() noexcept { return nullptr; }
    static void Close(Type window) noexcept;
};
using UniqueToolTipWindow = Unique<ToolTipWindowTraits>;

// The tool description as version 5.80 of the common controls defines it, without lpReserved
// (TTTOOLINFOA_V2_SIZE, spelled out so that it is a constant): every later version accepts it.
inline constexpr UINT kToolInfoSize = offsetof(TTTOOLINFOA, lParam) + sizeof(LPARAM);
static_assert(sizeof(void*) != 4 || kToolInfoSize == 44, "the tool description is 44 bytes on 32-bit Windows");

// TTF_IDISHWND | TTF_TRACK | TTF_ABSOLUTE | TTF_TRANSPARENT.
inline constexpr UINT kTrackingToolFlags = 0x1A1;

// A screen position as TTM_TRACKPOSITION takes it: x in the low and y in the high 16 bits.
LPARAM PackTrackPosition(POINT screenPoint);

class TZemTrackingToolTip {
public:
    explicit TZemTrackingToolTip(HWND control) noexcept;
    TZemTrackingToolTip(const TZemTrackingToolTip&) = delete;
    TZemTrackingToolTip& operator=(const TZemTrackingToolTip&) = delete;

    // Creates the balloon window unless there is one; false when it cannot be created.
    bool EnsureWindow();
    // Registers the control's client area as the one tool of the balloon.
    bool AddTool();

    void SetTitleIcon(BYTE icon) noexcept { titleIcon_ = icon; }
    // Sets the title with the stored icon; kept only when the balloon accepts it.
    bool SetTitle(const std::string& text);
    void SetText(const std::string& text);
    void SetMaxWidth(int pixels) const;
    void SetAutoPopDelay(int milliseconds) const { SetDelay(TTDT_AUTOPOP, milliseconds); }
    void SetInitialDelay(int milliseconds) const { SetDelay(TTDT_INITIAL, milliseconds); }
    void SetReshowDelay(int milliseconds) const { SetDelay(TTDT_RESHOW, milliseconds); }

    // Shows the balloon below the middle of the control's client area.
    void Activate();
    void Deactivate();
    // Moves the balloon's stem to a screen position.
    void TrackAt(POINT screenPoint);
    bool IsActive() const;

    HWND Control() const noexcept { return control_; }
    HWND Window() const noexcept;
    BYTE TitleIcon() const noexcept { return titleIcon_; }
    const std::string& Title() const noexcept { return title_; }
    const std::string& Text() const noexcept { return text_; }
    // The last position given to TrackAt.
    POINT TrackingPoint() const noexcept { return trackingPoint_; }
    const TTTOOLINFOA& ToolInfo() const noexcept { return toolInfo_; }

private:
    void SetDelay(WPARAM which, int milliseconds) const;
    LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam) const;

    HWND control_;
    UniqueToolTipWindow window_;
    BYTE titleIcon_ = TTI_NONE;
    std::string title_;
    TTTOOLINFOA toolInfo_{};
    // The tool's text; the tool description points into it.
    std::string text_;
    POINT trackingPoint_{0, 0};
};

}  // namespace zem
