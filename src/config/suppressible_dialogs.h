// The seven questions and notices that the user can turn off for good: their identifiers,
// titles, styles and answers while suppressed, their bodies composed from the program's texts,
// and the one way they are shown.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "base/strings.h"
#include "config/app_config.h"

namespace zem {

// The fixed facts of one suppressible dialog.
struct SuppressibleDialogInfo {
    // The value name in the shell's DontShowMeThisDialogAgain key (SuppressionValueName).
    const char* identifier;
    std::string title;
    // The buttons and the icon as message-box flags: 35, 36, 49 or 64.
    UINT style;
    // The answer while the dialog is suppressed: IDOK, IDCANCEL or IDYES.
    int defaultAnswer;
};

SuppressibleDialogInfo DialogInfo(SuppressibleDialog dialog);

// The step that wants to open a web page and asks `GoOnlineDlg` first.
enum class OnlineStep { HomePage, UpdateCheck, UsageLink, AboutLink };

// A question's body: the lead lines, an empty line, one line per answer led by the bullet
// (0x95), an empty line and the suppression line; lines end in CR LF. An answer may hold a
// CR LF of its own for a continuation line without a bullet.
std::string ComposeQuestion(const std::string& lead, const StringList& answers, const std::string& suppression);

// The save question of `CloseAppDlg`, `NewFileDlg` or `LoadFileDlg`; its lead depends on
// whether the output has a file name yet. Empty for any other dialog.
std::string SaveQuestionBody(SuppressibleDialog dialog, bool hasFileName);

// `GoOnlineDlg` for `step`; `address` is the link's address for AboutLink.
std::string GoOnlineBody(OnlineStep step, const std::string& address = {});

// The deactivation questions; `quotedSystemDrive` is the system drive in double quotes.
std::string No8Dot3ExceptSysVolBody(const std::string& quotedSystemDrive);
std::string No8Dot3AllVolsBody();

// The start-up notice for the 8.3 name-creation setting 1, 2 or 3 (empty for any other);
// `systemDrive` is shown in upper case.
std::string Startup8Dot3InfoBody(uint32_t setting, const std::string& systemDrive);

// Shows `dialog` with `body` over `owner` and returns the button pressed (IDOK, IDCANCEL,
// IDYES, IDNO). While the dialog is suppressed nothing is shown and its default answer comes
// back at once. Leaving the box with its check box ticked suppresses the dialog from then on.
// -1 when the box could not be shown.
int ShowSuppressibleDialog(HWND owner, SuppressibleDialog dialog, const std::string& body);

// Each dialog composed and shown.
int ShowCloseAppDlg(HWND owner, bool hasFileName);
int ShowNewFileDlg(HWND owner, bool hasFileName);
int ShowLoadFileDlg(HWND owner, bool hasFileName);
int ShowGoOnlineDlg(HWND owner, OnlineStep step, const std::string& address = {});
int ShowNo8Dot3ExceptSysVolDlg(HWND owner, const std::string& quotedSystemDrive);
int ShowNo8Dot3AllVolsDlg(HWND owner);
// 0, with nothing shown, for a setting that has no notice.
int ShowStartup8Dot3InfoDlg(HWND owner, uint32_t setting, const std::string& systemDrive);

}  // namespace zem
