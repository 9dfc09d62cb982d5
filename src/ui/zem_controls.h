// Small wrappers that add a cue banner, balloon properties and mouse and close-up events to a combo
// box, and an optional "no brush" answer to a check box. Neither owns its window.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "ui/edit_balloon.h"

namespace zem {

enum class TZemMouseButton { Left, Right, Middle };

class TZemComboBox {
public:
    // Button, the MK_ flags of the message (keys and buttons held down) and the point in the edit field.
    using MouseEvent = std::function<void(TZemMouseButton button, WPARAM shift, POINT point)>;

    explicit TZemComboBox(HWND combo = nullptr);
    ~TZemComboBox();
    // The edit field's subclass refers to this object, so it stays where it is.
    TZemComboBox(const TZemComboBox&) = delete;
    TZemComboBox& operator=(const TZemComboBox&) = delete;

    // Starts watching a combo box; a stored cue text is applied to it.
    void Attach(HWND combo);
    void Detach() noexcept;
    HWND Handle() const noexcept { return combo_; }
    // The combo box's edit field; null for a drop-down list or when nothing is attached.
    HWND EditHandle() const noexcept { return edit_; }

    const std::string& CueBannerText() const noexcept { return cueBannerText_; }
    // With a window, the text is kept only when the edit field takes it; false otherwise.
    bool SetCueBannerText(const std::string& text);
    bool ShowCueWhenFocused() const noexcept { return showCueWhenFocused_; }
    void SetShowCueWhenFocused(bool show);

    TZemEditBalloonTipMsgType BalloonTipMsgType() const noexcept { return balloonTipMsgType_; }
    void SetBalloonTipMsgType(TZemEditBalloonTipMsgType type) noexcept { balloonTipMsgType_ = type; }
    const std::string& BalloonTipTitle() const noexcept { return balloonTipTitle_; }
    void SetBalloonTipTitle(const std::string& title) { balloonTipTitle_ = title; }
    const std::string& BalloonTipText() const noexcept { return balloonTipText_; }
    void SetBalloonTipText(const std::string& text) { balloonTipText_ = text; }

    // For the owner's WM_COMMAND. Raises OnCloseUp for this box's CBN_CLOSEUP. The close-up is only
    // observed, never consumed: the result is always false, so the owner goes on as usual. An
    // exception from OnCloseUp reaches the owner's procedure, which reports it.
    bool HandleParentCommand(WPARAM wParam, LPARAM lParam);

    std::function<void()> OnCloseUp;
    MouseEvent OnMouseDown;
    MouseEvent OnMouseUp;

private:
    static LRESULT CALLBACK EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                     DWORD_PTR self) noexcept;
    void RaiseMouse(UINT message, WPARAM wParam, LPARAM lParam) const;
    void ForgetEdit() noexcept;

    HWND combo_ = nullptr;
    HWND edit_ = nullptr;
    std::string cueBannerText_;
    bool showCueWhenFocused_ = false;
    TZemEditBalloonTipMsgType balloonTipMsgType_ = btmtNone;
    std::string balloonTipTitle_;
    std::string balloonTipText_;
};

class TZemCheckBox {
public:
    explicit TZemCheckBox(HWND checkBox = nullptr) noexcept : checkBox_(checkBox) {}
    void Attach(HWND checkBox) noexcept { checkBox_ = checkBox; }
    HWND Handle() const noexcept { return checkBox_; }

    // While set, the box's colour messages are answered with no brush (0) instead of the usual handling.
    bool AnswersNoBrush() const noexcept { return answerNoBrush_; }
    void SetAnswerNoBrush(bool answer) noexcept { answerNoBrush_ = answer; }

    // For the owner's WM_CTLCOLORSTATIC and WM_CTLCOLORBTN: the answer to give, or nothing for the
    // usual handling.
    std::optional<LRESULT> HandleCtlColor(HWND control) const noexcept;

private:
    HWND checkBox_;
    bool answerNoBrush_ = false;
};

}  // namespace zem
