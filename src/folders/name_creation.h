// The system-wide NTFS setting that decides whether new files get short 8.3 names: reading and
// writing it, the state of the "8.3 Name Support" submenu, the start-up notice, and the three
// commands that change it with their reports.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "base/strings.h"
#include "config/suppressible_dialogs.h"
#include "engine/name_creation_setting.h"

namespace zem {

class ReportOutput;

enum class LetterCase { Unchanged = 0, Upper = 1, Lower = 2 };

// The drive of the system folder in that form; empty (or just the quotes) when it cannot be had.
std::string SystemDriveText(LetterCase letterCase, bool quote, char quoteChar = '"');

// Now, in the user's short date and long time format, and the name of the time zone in effect.
std::string LocalTimeStamp();

// The reports as they are appended: one entry per appended text; an entry may hold CR LF.
// Each success report: head line, time stamp, body, foot line, empty line.
StringList SysVolOnlyReport(const std::string& timeStamp, const std::string& upperSystemDrive);
StringList AllVolsEnabledReport(const std::string& timeStamp);
StringList AllVolsDisabledReport(const std::string& timeStamp);
// The failure texts with the status in hex and decimal and the system's message; the reports
// add an empty line. Setting 3 or 1 failing gives the disabling text, setting 0 the activation one.
std::string ActivationFailureText(uint32_t status);
std::string DisablingFailureText(uint32_t status);
StringList ActivationFailureReport(uint32_t status);
StringList DisablingFailureReport(uint32_t status);

// What the submenu shows for a read. `itemsChange` is false for a value the program does not
// know: the three items then keep their state. Only "System Vol. Only" is ever checked.
struct NameSupportMenuState {
    bool submenuEnabled = false;
    bool itemsChange = true;
    bool sysVolOnlyEnabled = false;
    bool sysVolOnlyChecked = false;
    bool enableOnAllEnabled = false;
    bool disableOnAllEnabled = false;
};
NameSupportMenuState NameSupportMenuFor(const NameCreationSetting& setting);
// The item to check in the submenu (MM8Dot3SupportWinDefault), or 0 for none.
UINT CheckedNameSupportItem(const NameSupportMenuState& state);
// Puts the state on the items of `menu` (the main menu or any menu that holds them).
void ApplyNameSupportMenu(HMENU menu, const NameSupportMenuState& state);
// Reads the setting and shows it in `menu`.
void Update8Dot3Menu(HMENU menu);

// The notice about short names missing on some volumes (settings 1, 2 and 3) over `owner`:
// its answer, or 0 when there is none to show.
int ShowStartup8Dot3Notice(HWND owner);

// The questions the commands ask before they change anything; by default the suppressible
// dialogs. Any answer but IDOK ends the command.
struct NameCreationQuestions {
    std::function<int(HWND owner, const std::string& quotedSystemDrive)> exceptSysVol = ShowNo8Dot3ExceptSysVolDlg;
    std::function<int(HWND owner)> allVols = ShowNo8Dot3AllVolsDlg;
};

// Cancelled: nothing written, nothing appended, the menu needs no refresh. Otherwise the
// report (success or failure) has been appended and the menu must be refreshed.
enum class NameCreationOutcome { Changed, Failed, Cancelled };

// Setting 3 after the question. When the setting already is 3 the item switches 8.3 names
// off on all volumes instead (Disable8Dot3SupportAllVols with its question).
NameCreationOutcome Enable8Dot3SupportSysVolOnly(HWND owner, ReportOutput& output,
                                                 const NameCreationQuestions& questions = {});
// Setting 0; asks nothing.
NameCreationOutcome Enable8Dot3SupportAllVols(ReportOutput& output);
// Setting 1 after the question.
NameCreationOutcome Disable8Dot3SupportAllVols(HWND owner, ReportOutput& output,
                                               const NameCreationQuestions& questions = {});

}  // namespace zem
