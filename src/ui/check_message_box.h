// A modal message box with a "do not show me this dialog box again" check box under its text.
// It looks and answers like the system's message box: the icon, the text and the buttons of
// the standard style flags, the standard results. Whether the tick is kept is up to the caller.
#pragma once

#include <windows.h>

#include <string>

namespace zem {

struct CheckMessageBoxAnswer {
    // IDOK, IDCANCEL, IDYES or IDNO; -1 when the box could not be shown.
    int button = -1;
    // The check box was ticked when the box was left.
    bool dontShowAgain = false;
};

// Shows the box over `owner` (may be null) and waits for an answer. `style` takes the buttons
// (MB_OK, MB_OKCANCEL, MB_YESNOCANCEL, MB_YESNO), the icon (MB_ICONHAND, MB_ICONQUESTION,
// MB_ICONEXCLAMATION, MB_ICONINFORMATION) and the default button (MB_DEFBUTTON1..3) flags.
// Escape and the close box answer Cancel where there is a Cancel button, OK where OK is the
// only button, and nothing in a Yes/No box.
CheckMessageBoxAnswer ShowCheckMessageBox(HWND owner, const std::string& text, const std::string& title, UINT style);

}  // namespace zem
