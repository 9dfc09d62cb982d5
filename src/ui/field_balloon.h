// A balloon on an edit field (or a combo box's edit field). The field's own balloon is used
// where the system has one; otherwise a tracking balloon points at the field's lower edge.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "ui/tracking_tooltip.h"

namespace zem {

class FieldBalloon {
public:
    // The timer that hides a fallback balloon runs on `owner` with `id`.
    void SetTimer(HWND owner, UINT_PTR id) {
        timerOwner_ = owner;
        timerId_ = id;
    }

    void Show(HWND field, const std::string& title, const std::string& text, int icon);
    void Hide();
    bool Visible() const { return tooltip_ && tooltip_->IsActive(); }
    const TZemTrackingToolTip* ToolTip() const { return tooltip_.get(); }

    static constexpr UINT kShowMilliseconds = 10000;

private:
    HWND timerOwner_ = nullptr;
    UINT_PTR timerId_ = 0;
    HWND shownOn_ = nullptr;  // the field of the balloon shown last, whichever kind it was
    std::unique_ptr<TZemTrackingToolTip> tooltip_;
};

}  // namespace zem
