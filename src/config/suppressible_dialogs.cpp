#include "config/suppressible_dialogs.h"

#include <initializer_list>

#include "base/app_error.h"
#include "resource.h"
#include "ui/check_message_box.h"

namespace zem {

namespace {

constexpr char kCrLf[] = "\r\n";
constexpr char kBullet = '\x95';
// A link of the About dialog to an address with this mark names Microsoft instead of the product.
constexpr char kMicrosoftAddressMark[] = "microsoft";

struct DialogTraits {
    SuppressibleDialog dialog;
    UINT titleId;
    UINT style;
    int defaultAnswer;
};

constexpr UINT kSaveQuestionStyle = MB_YESNOCANCEL | MB_ICONQUESTION;
constexpr UINT kOnlineStyle = MB_YESNO | MB_ICONQUESTION;
constexpr UINT kDeactivationStyle = MB_OKCANCEL | MB_ICONEXCLAMATION;
constexpr UINT kNoticeStyle = MB_OK | MB_ICONINFORMATION;
static_assert(kSaveQuestionStyle == 35 && kOnlineStyle == 36 && kDeactivationStyle == 49 && kNoticeStyle == 64);

constexpr DialogTraits kDialogs[] = {
    {SuppressibleDialog::CloseApp, IDS_SD_TITLE_CLOSEAPP, kSaveQuestionStyle, IDYES},
    {SuppressibleDialog::NewFile, IDS_SD_TITLE_NEWFILE, kSaveQuestionStyle, IDYES},
    {SuppressibleDialog::LoadFile, IDS_SD_TITLE_LOADFILE, kSaveQuestionStyle, IDYES},
    {SuppressibleDialog::GoOnline, IDS_SD_TITLE_GOONLINE, kOnlineStyle, IDYES},
    {SuppressibleDialog::No8Dot3ExceptSysVol, IDS_SD_TITLE_NO8DOT3EXCEPTSYSVOL, kDeactivationStyle, IDCANCEL},
    {SuppressibleDialog::No8Dot3AllVols, IDS_SD_TITLE_NO8DOT3ALLVOLS, kDeactivationStyle, IDCANCEL},
    {SuppressibleDialog::Startup8Dot3Info, IDS_SD_TITLE_STARTUP8DOT3INFO, kNoticeStyle, IDOK},
};

struct SaveQuestionTexts {
    SuppressibleDialog dialog;
    UINT yes;
    UINT no;
    UINT cancel;
    UINT suppression;
};

constexpr SaveQuestionTexts kSaveQuestions[] = {
    {SuppressibleDialog::CloseApp, IDS_SD_CLOSEAPP_YES, IDS_SD_CLOSEAPP_NO, IDS_SD_CLOSEAPP_CANCEL,
     IDS_SD_CLOSEAPP_SUPPRESS},
    {SuppressibleDialog::NewFile, IDS_SD_NEWFILE_YES, IDS_SD_NEWFILE_NO, IDS_SD_NEWFILE_CANCEL,
     IDS_SD_NEWFILE_SUPPRESS},
    {SuppressibleDialog::LoadFile, IDS_SD_LOADFILE_YES, IDS_SD_LOADFILE_NO, IDS_SD_LOADFILE_CANCEL,
     IDS_SD_LOADFILE_SUPPRESS},
};

// Lines joined by CR LF; an empty entry is an empty line.
std::string JoinLines(std::initializer_list<std::string> lines) {
    std::string text;
    bool first = true;
    for (const std::string& line : lines) {
        if (!first) text += kCrLf;
        text += line;
        first = false;
    }
    return text;
}

// A resource text with its one %s filled in.
std::string FormatText(UINT id, const std::string& argument) { return Format(ResString(id).c_str(), argument.c_str()); }

std::string UpperCase(std::string text) {
    if (!text.empty()) ::CharUpperBuffA(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

// A value of another type than text is not "NO": the shell shows the dialog then, and so do we.
bool IsSuppressed(TTarvelixAppConfig& store, SuppressibleDialog dialog) {
    try {
        return store.DontShow(dialog);
    } catch (const AppError&) {
        return false;
    }
}

std::string AboutLinkLead(const std::string& address) {
    std::string lead = ResString(IDS_SD_ONLINE_HOMEPAGE_LEAD);
    if (address.find(kMicrosoftAddressMark) == std::string::npos) return lead;
    const std::string product = ResString(IDS_SD_ONLINE_PRODUCT);
    const size_t at = lead.find(product);
    if (at != std::string::npos) lead.replace(at, product.size(), ResString(IDS_SD_ONLINE_MICROSOFT));
    return lead;
}

std::string Deactivation8Dot3Cancel() {
    return JoinLines({ResString(IDS_SD_8DOT3_CANCEL_1), ResString(IDS_SD_8DOT3_CANCEL_2)});
}

}  // namespace

SuppressibleDialogInfo DialogInfo(SuppressibleDialog dialog) {
    for (const DialogTraits& traits : kDialogs) {
        if (traits.dialog == dialog) {
            return {SuppressionValueName(dialog), ResString(traits.titleId), traits.style, traits.defaultAnswer};
        }
    }
    return {SuppressionValueName(dialog), {}, MB_OK, IDOK};
}

std::string ComposeQuestion(const std::string& lead, const StringList& answers, const std::string& suppression) {
    std::string text = lead + kCrLf;
    for (const std::string& answer : answers) text.append(kCrLf).append(1, kBullet).append(answer);
    return text.append(kCrLf).append(kCrLf).append(suppression);
}

std::string SaveQuestionBody(SuppressibleDialog dialog, bool hasFileName) {
    for (const SaveQuestionTexts& texts : kSaveQuestions) {
        if (texts.dialog != dialog) continue;
        const std::string lead =
            hasFileName ? JoinLines({ResString(IDS_SD_SAVE_MODIFIED_1), ResString(IDS_SD_SAVE_MODIFIED_2)})
                        : JoinLines({ResString(IDS_SD_SAVE_UNNAMED_1), ResString(IDS_SD_SAVE_UNNAMED_2)});
        return ComposeQuestion(lead, {ResString(texts.yes), ResString(texts.no), ResString(texts.cancel)},
                               ResString(texts.suppression));
    }
    return {};
}

std::string GoOnlineBody(OnlineStep step, const std::string& address) {
    std::string lead;
    std::string yes;
    switch (step) {
        case OnlineStep::HomePage:
            lead = ResString(IDS_SD_ONLINE_HOMEPAGE_LEAD);
            yes = FormatText(IDS_SD_ONLINE_HOMEPAGE_YES, kCrLf);
            break;
        case OnlineStep::UpdateCheck:
            lead = FormatText(IDS_SD_ONLINE_UPDATES_LEAD, ResString(IDS_SD_ONLINE_UPDATES_WHAT));
            yes = FormatText(IDS_SD_ONLINE_UPDATES_YES, kCrLf);
            break;
        case OnlineStep::UsageLink:
            lead = ResString(IDS_SD_ONLINE_HELP_LEAD);
            yes = FormatText(IDS_SD_ONLINE_HELP_YES, kCrLf);
            break;
        case OnlineStep::AboutLink:
            lead = AboutLinkLead(address);
            yes = ResString(IDS_SD_ONLINE_LINK_YES);
            break;
    }
    return ComposeQuestion(lead, {yes, ResString(IDS_SD_ONLINE_NO)}, ResString(IDS_SD_ONLINE_SUPPRESS));
}

std::string No8Dot3ExceptSysVolBody(const std::string& quotedSystemDrive) {
    const std::string lead =
        JoinLines({ResString(IDS_SD_8DOT3_WARNING), "", ResString(IDS_SD_EXCEPTSYSVOL_LEAD_1),
                   FormatText(IDS_SD_EXCEPTSYSVOL_LEAD_2, quotedSystemDrive), ResString(IDS_SD_EXCEPTSYSVOL_LEAD_3)});
    return ComposeQuestion(lead, {FormatText(IDS_SD_EXCEPTSYSVOL_OK, quotedSystemDrive), Deactivation8Dot3Cancel()},
                           ResString(IDS_SD_EXCEPTSYSVOL_SUPPRESS));
}

std::string No8Dot3AllVolsBody() {
    const std::string lead = JoinLines({ResString(IDS_SD_8DOT3_WARNING), "",
                                        ResString(IDS_SD_ALLVOLS_LEAD_1) + ResString(IDS_SD_ALLVOLS_LEAD_1_END),
                                        ResString(IDS_SD_ALLVOLS_LEAD_2)});
    return ComposeQuestion(lead, {ResString(IDS_SD_ALLVOLS_OK), Deactivation8Dot3Cancel()},
                           ResString(IDS_SD_ALLVOLS_SUPPRESS));
}

std::string Startup8Dot3InfoBody(uint32_t setting, const std::string& systemDrive) {
    const std::string suppression = ResString(IDS_SD_STARTUP_SUPPRESS);
    switch (setting) {
        case 1:
            return JoinLines({ResString(IDS_SD_STARTUP_HEADING_DISABLED), "", ResString(IDS_SD_STARTUP_DISABLED_1),
                              ResString(IDS_SD_STARTUP_DISABLED_2), "", ResString(IDS_SD_STARTUP_DISABLED_3),
                              ResString(IDS_SD_STARTUP_DISABLED_4), "", suppression});
        case 2:
            return JoinLines({ResString(IDS_SD_STARTUP_HEADING_SELECT), "", ResString(IDS_SD_STARTUP_SELECT_1),
                              ResString(IDS_SD_STARTUP_SELECT_2), "", suppression});
        case 3:
            return JoinLines({ResString(IDS_SD_STARTUP_HEADING_SYSVOL), "", ResString(IDS_SD_STARTUP_SYSVOL_1),
                              FormatText(IDS_SD_STARTUP_SYSVOL_2, UpperCase(systemDrive)), "",
                              ResString(IDS_SD_STARTUP_SYSVOL_3) + ResString(IDS_SD_STARTUP_SYSVOL_3_END), "",
                              suppression});
        default: return {};
    }
}

int ShowSuppressibleDialog(HWND owner, SuppressibleDialog dialog, const std::string& body) {
    const SuppressibleDialogInfo info = DialogInfo(dialog);
    TTarvelixAppConfig store;
    if (IsSuppressed(store, dialog)) return info.defaultAnswer;
    const CheckMessageBoxAnswer answer = ShowCheckMessageBox(owner, body, info.title, info.style);
    // The same value and data as the shell's own check box keeps.
    if (answer.button > 0 && answer.dontShowAgain) store.SetDontShow(dialog, true);
    return answer.button;
}

int ShowCloseAppDlg(HWND owner, bool hasFileName) {
    return ShowSuppressibleDialog(owner, SuppressibleDialog::CloseApp,
                                  SaveQuestionBody(SuppressibleDialog::CloseApp, hasFileName));
}

int ShowNewFileDlg(HWND owner, bool hasFileName) {
    return ShowSuppressibleDialog(owner, SuppressibleDialog::NewFile,
                                  SaveQuestionBody(SuppressibleDialog::NewFile, hasFileName));
}

int ShowLoadFileDlg(HWND owner, bool hasFileName) {
    return ShowSuppressibleDialog(owner, SuppressibleDialog::LoadFile,
                                  SaveQuestionBody(SuppressibleDialog::LoadFile, hasFileName));
}

int ShowGoOnlineDlg(HWND owner, OnlineStep step, const std::string& address) {
    return ShowSuppressibleDialog(owner, SuppressibleDialog::GoOnline, GoOnlineBody(step, address));
}

int ShowNo8Dot3ExceptSysVolDlg(HWND owner, const std::string& quotedSystemDrive) {
    return ShowSuppressibleDialog(owner, SuppressibleDialog::No8Dot3ExceptSysVol,
                                  No8Dot3ExceptSysVolBody(quotedSystemDrive));
}

int ShowNo8Dot3AllVolsDlg(HWND owner) {
    return ShowSuppressibleDialog(owner, SuppressibleDialog::No8Dot3AllVols, No8Dot3AllVolsBody());
}

int ShowStartup8Dot3InfoDlg(HWND owner, uint32_t setting, const std::string& systemDrive) {
    const std::string body = Startup8Dot3InfoBody(setting, systemDrive);
    if (body.empty()) return 0;
    return ShowSuppressibleDialog(owner, SuppressibleDialog::Startup8Dot3Info, body);
}

}  // namespace zem
