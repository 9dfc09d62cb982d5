#include "ui/field_balloon.h"

#include "ui/edit_balloon.h"

namespace zem {

void FieldBalloon::Show(HWND field, const std::string& title, const std::string& text, int icon) {
    Hide();
    if (ShowEditBalloon(field, title, text, icon) != 0) return;
    const HWND edit = EditFieldOf(field);
    if (edit == nullptr) return;
    if (edit != field_) {
        tooltip_ = std::make_unique<TZemTrackingToolTip>(edit);
        tooltip_->EnsureWindow();
        tooltip_->AddTool();
        field_ = edit;
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
    if (field_ != nullptr) HideEditBalloon(field_);
    if (tooltip_) tooltip_->Deactivate();
}

}  // namespace zem
