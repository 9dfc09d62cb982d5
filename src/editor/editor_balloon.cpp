#include "editor/editor_balloon.h"

#include <richedit.h>

#include "base/window_dc.h"

namespace zem {

namespace {

POINT PositionOf(HWND editor, LONG character) {
    POINTL point{};
    ::SendMessageA(editor, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&point), character);
    return {point.x, point.y};
}

LONG FontHeight(HWND window) {
    const WindowFontDc context(window, reinterpret_cast<HGDIOBJ>(::SendMessageA(window, WM_GETFONT, 0, 0)));
    TEXTMETRICA metrics{};
    ::GetTextMetricsA(context.Get(), &metrics);
    return metrics.tmHeight;
}

// The height of the line holding `character`: the distance to the next line, or the font's height.
LONG LineHeightAt(HWND editor, LONG character) {
    const LRESULT line = ::SendMessageA(editor, EM_EXLINEFROMCHAR, 0, character);
    const LRESULT next = ::SendMessageA(editor, EM_LINEINDEX, static_cast<WPARAM>(line + 1), 0);
    if (next >= 0) {
        const LONG height = PositionOf(editor, static_cast<LONG>(next)).y - PositionOf(editor, character).y;
        if (height > 0) return height;
    }
    return FontHeight(editor);
}

}  // namespace

EditorErrorBalloon::EditorErrorBalloon(HWND editor, HWND timerOwner, UINT_PTR timerId)
    : editor_(editor), timerOwner_(timerOwner), timerId_(timerId) {}

void EditorErrorBalloon::Show(BYTE icon, const std::string& title, const std::string& text) {
    if (!tooltip_) {
        tooltip_ = std::make_unique<TZemTrackingToolTip>(editor_);
        tooltip_->EnsureWindow();
        tooltip_->AddTool();
    }
    tooltip_->SetTitleIcon(icon);
    tooltip_->SetTitle(title);
    tooltip_->SetText(text);
    tooltip_->SetMaxWidth(260);
    tooltip_->SetAutoPopDelay(19);
    tooltip_->SetInitialDelay(21);
    tooltip_->SetReshowDelay(20);
    const POINT anchor = AnchorPoint();
    tooltip_->Activate();
    tooltip_->TrackAt(anchor);
    ::KillTimer(timerOwner_, timerId_);
    if (tooltip_->IsActive()) ::SetTimer(timerOwner_, timerId_, kShowMilliseconds, nullptr);
}

void EditorErrorBalloon::Hide() {
    if (!tooltip_) return;
    tooltip_->Deactivate();
    ::KillTimer(timerOwner_, timerId_);
}

void EditorErrorBalloon::Follow() {
    if (!Visible()) return;
    const POINT anchor = AnchorPoint();
    if (InsideTextArea(anchor)) {
        tooltip_->TrackAt(anchor);
    } else {
        Hide();
    }
}

POINT EditorErrorBalloon::AnchorPoint() const {
    CHARRANGE selection{};
    ::SendMessageA(editor_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    const LRESULT firstLine = ::SendMessageA(editor_, EM_EXLINEFROMCHAR, 0, selection.cpMin);
    const LRESULT lastLine = ::SendMessageA(editor_, EM_EXLINEFROMCHAR, 0, selection.cpMax);
    const POINT end = PositionOf(editor_, selection.cpMax);
    POINT anchor = end;
    if (firstLine == lastLine) anchor.x = (PositionOf(editor_, selection.cpMin).x + end.x) / 2;
    anchor.y += LineHeightAt(editor_, selection.cpMax);
    ::ClientToScreen(editor_, &anchor);
    return anchor;
}

bool EditorErrorBalloon::InsideTextArea(POINT screenPoint) const {
    RECT client{};
    ::GetClientRect(editor_, &client);
    ::ScreenToClient(editor_, &screenPoint);
    // The stem sits just below the line, so the bottom edge itself still counts.
    return screenPoint.x >= client.left && screenPoint.x <= client.right && screenPoint.y >= client.top &&
           screenPoint.y <= client.bottom;
}

}  // namespace zem
