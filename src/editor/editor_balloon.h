// The error balloon that points just below the output editor's selection, hides itself after
// a while and follows the text while the editor scrolls.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "ui/tracking_tooltip.h"

namespace zem {

class EditorErrorBalloon {
public:
    // The timer that hides the balloon runs on `timerOwner` with `timerId`.
    EditorErrorBalloon(HWND editor, HWND timerOwner, UINT_PTR timerId);

    void Show(BYTE icon, const std::string& title, const std::string& text);
    // Hides the balloon and stops its timer; nothing happens before the first balloon.
    void Hide();
    // Moves a shown balloon to the selection's new place, or hides it when that left the text area.
    void Follow();
    bool Visible() const { return tooltip_ && tooltip_->IsActive(); }
    const TZemTrackingToolTip* ToolTip() const { return tooltip_.get(); }

    static constexpr UINT kShowMilliseconds = 10000;
    static constexpr UINT kIdleMilliseconds = 9500;

private:
    // Below the middle of the selection, or below its end when it spans lines; screen coordinates.
    POINT AnchorPoint() const;
    bool InsideTextArea(POINT screenPoint) const;

    HWND editor_;
    HWND timerOwner_;
    UINT_PTR timerId_;
    std::unique_ptr<TZemTrackingToolTip> tooltip_;
};

}  // namespace zem
