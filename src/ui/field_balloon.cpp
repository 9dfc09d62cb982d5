#include "ui/field_balloon.h"

#include "ui/edit_balloon.h"

#include <utility>

namespace zem {

void FieldBalloon::Show(HWND field, const std::string& title, const std::string& text, int icon) {
    Hide();
    shownOn_ = field;
    if (ShowEditBalloon(field, title, text, icon) != 0) return;
    const HWND edit = EditFieldOf(field);
    if (edit == nullptr) return;
    if (!tooltip_ || tooltip_->Control() != edit) {
        tooltip_ = std::make_unique<TZemTrackingToolTip>(edit);
        tooltip_->EnsureWindow();
        tooltip_->AddTool();
    }
    tooltip_->SetTitleIcon(static_cast<BYTE>(icon));
    tooltip_->SetTitle(title);
    tooltip_->SetText(text);
    tooltip_->SetMaxWidth(400);
    tooltip_->Activate();
    ::SetTimer(timerOwner_, timerId_, kShowMilliseconds, nullptr);
}

void FieldBalloon::Hide() {
    ::KillTimer(timerOwner_, timerId_);
    if (shownOn_ != nullptr) HideEditBalloon(std::exchange(shownOn_, nullptr));
    if (tooltip_) tooltip_->Deactivate();
}

}  // namespace zem
