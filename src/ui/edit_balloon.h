// Balloon tips and cue banners of edit fields, also of the edit field inside a drop-down combo box.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

namespace zem {

// The icon of a balloon's title; the values are the platform's tooltip icon numbers.
enum TZemEditBalloonTipMsgType : int {
    btmtNone,
    btmtInfo,
    btmtWarning,
    btmtError,
    btmtInfoLarge,
    btmtWarningLarge,
    btmtErrorLarge,
};

static_assert(btmtNone == TTI_NONE && btmtInfo == TTI_INFO && btmtWarning == TTI_WARNING &&
              btmtError == TTI_ERROR && btmtInfoLarge == TTI_INFO_LARGE &&
              btmtWarningLarge == TTI_WARNING_LARGE && btmtErrorLarge == TTI_ERROR_LARGE);

// The edit field that `field` stands for: the field itself, or a combo box's own edit field;
// null for a combo box without one (drop-down list).
HWND EditFieldOf(HWND field);

// Shows a balloon tip at the edit field; the result of EM_SHOWBALLOONTIP, 0 on failure.
LRESULT ShowEditBalloon(HWND field, const std::string& title, const std::string& text, int icon);
void HideEditBalloon(HWND field);

// Sets the grey hint shown while the field is empty; an empty text removes it.
bool SetCueBanner(HWND field, const std::string& text, bool showWhenFocused);
// The field's hint; empty when there is none.
std::string CueBanner(HWND field);

}  // namespace zem
