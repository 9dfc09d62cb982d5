#include "folders/name_creation.h"

#include "base/menu.h"
#include "base/unique.h"
#include "editor/report_output.h"
#include "engine/dos_devices.h"
#include "engine/path_forms.h"
#include "info/info_header.h"
#include "resource.h"

namespace zem {

namespace {

std::string FootLine() { return "*" + std::string(77, '-') + "*"; }

std::string InCase(std::string text, LetterCase letterCase) {
    if (text.empty()) return text;
    const DWORD length = static_cast<DWORD>(text.size());
    if (letterCase == LetterCase::Upper) ::CharUpperBuffA(text.data(), length);
    if (letterCase == LetterCase::Lower) ::CharLowerBuffA(text.data(), length);
    return text;
}

std::string SystemFolder() {
    char buffer[MAX_PATH] = {};
    const UINT length = ::GetSystemDirectoryA(buffer, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::string(buffer, length) : std::string();
}

StringList SuccessReport(const std::string& timeStamp, const std::string& body) {
    return {ResString(IDS_NC_REPORT_HEAD), timeStamp, body, FootLine(), std::string()};
}

std::string FailureText(UINT format, uint32_t status) {
    return Format(ResString(format).c_str(), status, static_cast<int>(status), SystemErrorText(status).c_str());
}

void Append(ReportOutput& output, const StringList& lines) {
    ReportBatch batch(output);
    output.AppendOutputLines(lines);
    batch.Finish();
}

}  // namespace

std::string SystemDriveText(LetterCase letterCase, bool quote, char quoteChar) {
    const std::string drive = InCase(DrivePart(SystemFolder()), letterCase);
    return quote ? Quoted(drive, quoteChar) : drive;
}

std::string LocalTimeStamp() {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    TIME_ZONE_INFORMATION zone{};
    const std::string zoneName = TimeZoneNameText(::GetTimeZoneInformation(&zone), zone);
    const std::string stamp = LocalDateTimeText(now);
    return zoneName.empty() ? stamp : stamp + " " + zoneName;
}

StringList SysVolOnlyReport(const std::string& timeStamp, const std::string& upperSystemDrive) {
    return SuccessReport(timeStamp, Format(ResString(IDS_NC_SYSVOL_ONLY_REPORT).c_str(), upperSystemDrive.c_str()));
}

StringList AllVolsEnabledReport(const std::string& timeStamp) {
    return SuccessReport(timeStamp, ResString(IDS_NC_ENABLED_REPORT));
}

StringList AllVolsDisabledReport(const std::string& timeStamp) {
    return SuccessReport(timeStamp, ResString(IDS_NC_DISABLED_REPORT));
}

std::string ActivationFailureText(uint32_t status) { return FailureText(IDS_NC_ACTIVATION_FAILED, status); }

std::string DisablingFailureText(uint32_t status) { return FailureText(IDS_NC_DISABLING_FAILED, status); }

StringList ActivationFailureReport(uint32_t status) { return {ActivationFailureText(status), std::string()}; }

StringList DisablingFailureReport(uint32_t status) { return {DisablingFailureText(status), std::string()}; }

NameSupportMenuState NameSupportMenuFor(const NameCreationSetting& setting) {
    NameSupportMenuState state;
    if (setting.status != ERROR_SUCCESS) return state;  // everything disabled and unchecked
    state.submenuEnabled = true;
    const uint32_t v = setting.value;
    if (v != k8Dot3OnAllVolumes && v != k8Dot3OnNoVolume && v != k8Dot3PerVolume && v != k8Dot3OnSystemVolumeOnly) {
        state.itemsChange = false;
        return state;
    }
    state.sysVolOnlyEnabled = true;
    state.sysVolOnlyChecked = v == k8Dot3OnSystemVolumeOnly;
    state.enableOnAllEnabled = v != k8Dot3OnAllVolumes;
    state.disableOnAllEnabled = v != k8Dot3OnNoVolume;
    return state;
}

UINT CheckedNameSupportItem(const NameSupportMenuState& state) {
    return state.sysVolOnlyChecked ? MM8Dot3SupportWinDefault : 0;
}

void ApplyNameSupportMenu(HMENU menu, const NameSupportMenuState& state) {
    SetMenuItemEnabled(menu, MMOptions8dot3NameSupport, state.submenuEnabled);
    if (!state.itemsChange) return;
    SetMenuItemEnabled(menu, MM8Dot3SupportWinDefault, state.sysVolOnlyEnabled);
    SetMenuItemChecked(menu, MM8Dot3SupportWinDefault, state.sysVolOnlyChecked);
    SetMenuItemEnabled(menu, MM8Dot3SupportEnableOnAll, state.enableOnAllEnabled);
    SetMenuItemEnabled(menu, MM8Dot3SupportDisableOnAll, state.disableOnAllEnabled);
}

void Update8Dot3Menu(HMENU menu) { ApplyNameSupportMenu(menu, NameSupportMenuFor(Read8Dot3Setting())); }

int ShowStartup8Dot3Notice(HWND owner) {
    const NameCreationSetting setting = Read8Dot3Setting();
    if (setting.status != ERROR_SUCCESS) return 0;
    if (setting.value != k8Dot3OnNoVolume && setting.value != k8Dot3PerVolume &&
        setting.value != k8Dot3OnSystemVolumeOnly) {
        return 0;
    }
    return ShowStartup8Dot3InfoDlg(owner, setting.value, SystemDriveText(LetterCase::Upper, false));
}

NameCreationOutcome Enable8Dot3SupportSysVolOnly(HWND owner, ReportOutput& output,
                                                 const NameCreationQuestions& questions) {
    const NameCreationSetting current = Read8Dot3Setting();
    if (current.status == ERROR_SUCCESS && current.value == k8Dot3OnSystemVolumeOnly) {
        return Disable8Dot3SupportAllVols(owner, output, questions);  // the checked item switches off
    }
    if (questions.exceptSysVol(owner, SystemDriveText(LetterCase::Unchanged, true, '"')) != IDOK) {
        return NameCreationOutcome::Cancelled;
    }
    const uint32_t status = Write8Dot3Setting(k8Dot3OnSystemVolumeOnly);
    if (status != ERROR_SUCCESS) {
        Append(output, DisablingFailureReport(status));
        return NameCreationOutcome::Failed;
    }
    Append(output, SysVolOnlyReport(LocalTimeStamp(), SystemDriveText(LetterCase::Upper, false)));
    return NameCreationOutcome::Changed;
}

NameCreationOutcome Enable8Dot3SupportAllVols(ReportOutput& output) {
    const uint32_t status = Write8Dot3Setting(k8Dot3OnAllVolumes);
    if (status != ERROR_SUCCESS) {
        Append(output, ActivationFailureReport(status));
        return NameCreationOutcome::Failed;
    }
    Append(output, AllVolsEnabledReport(LocalTimeStamp()));
    return NameCreationOutcome::Changed;
}

NameCreationOutcome Disable8Dot3SupportAllVols(HWND owner, ReportOutput& output,
                                               const NameCreationQuestions& questions) {
    if (questions.allVols(owner) != IDOK) return NameCreationOutcome::Cancelled;
    const uint32_t status = Write8Dot3Setting(k8Dot3OnNoVolume);
    if (status != ERROR_SUCCESS) {
        Append(output, DisablingFailureReport(status));
        return NameCreationOutcome::Failed;
    }
    Append(output, AllVolsDisabledReport(LocalTimeStamp()));
    return NameCreationOutcome::Changed;
}

}  // namespace zem
