// The Preferences dialog's frame: the banner, the page control with its five page dialogs,
// the buttons, hints and help.
#include "app/preferences_dialog.h"

#include <commctrl.h>

#include <algorithm>

#include "app/help_contexts.h"
#include "base/controls.h"
#include "base/strings.h"
#include "base/system.h"
#include "base/window.h"
#include "resource.h"
#include "ui/file_dialog.h"

namespace zem {
namespace {

constexpr UINT_PTR kFadeTimerId = 1;

struct PageTemplate {
    int templateId;
    UINT captionId;
    DWORD helpContext;
};
constexpr PageTemplate kPages[TTarvelixConfigDlg::kPageCount] = {
    {IDD_PREF_GENERAL, IDS_PREF_PAGE_GENERAL, 7530},
    {IDD_PREF_EDITOR, IDS_PREF_PAGE_EDITOR, 7550},
    {IDD_PREF_DIALOGS, IDS_PREF_PAGE_DIALOGS, 7570},
    {IDD_PREF_8DOT3_DIALOGS, IDS_PREF_PAGE_8DOT3_DIALOGS, 7583},
    {IDD_PREF_NOTIFICATIONS, IDS_PREF_PAGE_NOTIFICATIONS, 7590},
};

struct ControlContext {
    int id;
    DWORD context;
};
constexpr ControlContext kControlContexts[] = {
    {IDC_PREF_PAGES, 7520},
    {IDOK, 7621},
    {IDC_PREF_RESTORE, 7625},
    {IDCANCEL, 7629},
    {IDC_PREF_GENERAL_INTRO, 7531},
    {IDC_PREF_AUTOCOMPLETE_LABEL, 7532},
    {IDC_PREF_AUTOCOMPLETE_RULE, 7533},
    {IDC_AUTOCOMPLETE_CFG_COMBO, 7534},
    {IDC_PREF_FSREDIR_LABEL, 7535},
    {IDC_PREF_FSREDIR_RULE, 7535},
    {IDC_PREF_FSREDIR_TEXT, 7536},
    {IDC_FILESYSREDIR_CFG_COMBO, 7537},
    {IDC_PREF_EDITOR_INTRO, 7551},
    {IDC_PREF_DEFFILE_LABEL, 7552},
    {IDC_PREF_DEFFILE_RULE, 7552},
    {IDC_PREF_DEFFILE_TEXT, 7553},
    {IDC_DEF_OUTPUT_FILE_COMBO, 7554},
    {IDC_SEL_DEF_OUTPUT_FILE_BUTTON, 7555},
    {IDC_PREF_ZOOM_LABEL, 7556},
    {IDC_PREF_ZOOM_RULE, 7556},
    {IDC_PREF_ZOOM_TEXT, 7557},
    {IDC_ZOOM_FACTORS_COMBO, 7558},
    {IDC_PREF_DIALOGS_INTRO, 7571},
    {IDC_SHOW_NEW_FILE_DLG, 7572},
    {IDC_SHOW_LOAD_FILE_DLG, 7573},
    {IDC_SHOW_CLOSE_APP_DLG, 7574},
    {IDC_SHOW_GO_ONLINE_DLG, 7575},
    {IDC_SHOW_CONVERT_ERR_DLG, 7575},
    {IDC_PREF_8DOT3_INTRO, 7584},
    {IDC_SHOW_NO8DOT3_ALL_VOLS_DLG, 7584},
    {IDC_SHOW_8DOT3_SYS_VOL_ONLY_DLG, 7585},
    {IDC_SHOW_8DOT3_STARTUP_INFO_DLG, 7586},
    {IDC_PREF_TIPS_INTRO, 7591},
    {IDC_TIP_PATH_NOT_FOUND, 7592},
    {IDC_TIP_INVALID_SYNTAX, 7593},
    {IDC_TIP_INVALID_LINE_NUM, 7594},
    {IDC_TIP_NO_TEXT, 7595},
};

void FillItems(HWND combo, UINT itemsId) {
    const std::string items = ResString(itemsId);
    size_t start = 0;
    while (start <= items.size()) {
        const size_t end = std::min(items.find('|', start), items.size());
        ComboBox(combo).Add(items.substr(start, end - start));
        start = end + 1;
    }
}

// Asks the visual theme to draw the pages' tab-page background; false where themes are off.
bool UseThemedPageBackground(const std::array<HWND, TTarvelixConfigDlg::kPageCount>& pages) {
    static const UniqueHModule theme = LoadSystemLibrary("uxtheme.dll");
    const auto active = LookUp<BOOL(WINAPI*)()>(theme.Get(), "IsThemeActive");
    const auto texture = LookUp<HRESULT(WINAPI*)(HWND, DWORD)>(theme.Get(), "EnableThemeDialogTexture");
    if (!active || !texture || !active()) return false;
    constexpr DWORD kEnableTab = 6;  // ETDT_ENABLE | ETDT_USETABTEXTURE
    for (HWND page : pages) texture(page, kEnableTab);
    return true;
}

// Keeps every control of a page inside it: the page templates are laid out for the widest
// dialog font, and the rules and texts end at the page's right margin.
void FitToPage(HWND page) {
    RECT client{};
    ::GetClientRect(page, &client);
    const int right = client.right - ScaledPixels(8);
    for (HWND child = ::GetWindow(page, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        RECT box{};
        ::GetWindowRect(child, &box);
        ::MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&box), 2);
        if (box.right <= right) continue;
        ::SetWindowPos(child, nullptr, 0, 0, std::max<LONG>(0, right - box.left), box.bottom - box.top,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

}  // namespace

TTarvelixConfigDlg::TTarvelixConfigDlg(TTarvelixAppConfig* store, bool isWow64, HelpHandler help)
    : store_(store), isWow64_(isWow64), help_(std::move(help)), banner_(kFadeTimerId, kPreferencesFadeLimit) {}

INT_PTR TTarvelixConfigDlg::ShowModal(HWND owner) { return RunModal(owner, MAKEINTRESOURCEA(IDD_PREFERENCES)); }

HWND TTarvelixConfigDlg::Create(HWND owner) { return CreateModeless(owner, MAKEINTRESOURCEA(IDD_PREFERENCES)); }

int TTarvelixConfigDlg::ActivePage() const { return TabCtrl_GetCurSel(Control(IDC_PREF_PAGES)); }

void TTarvelixConfigDlg::SelectPage(int index) {
    TabCtrl_SetCurSel(Control(IDC_PREF_PAGES), index);
    for (int i = 0; i < kPageCount; ++i) ::ShowWindow(Page(i), i == index ? SW_SHOW : SW_HIDE);
}

HWND TTarvelixConfigDlg::Control(int id) const {
    if (HWND control = ::GetDlgItem(hwnd_, id)) return control;
    for (HWND page : pages_) {
        if (HWND control = ::GetDlgItem(page, id)) return control;
    }
    return nullptr;
}

INT_PTR TTarvelixConfigDlg::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (INT_PTR result = FALSE; banner_.HandleMessage(message, wParam, lParam, result)) return result;
    switch (message) {
        case WM_INITDIALOG: OnCreate(); return TRUE;
        case WM_SHOWWINDOW:
            if (wParam) OnShowWindow();
            return FALSE;
        case WM_NOTIFY:
            if (reinterpret_cast<const NMHDR*>(lParam)->code == TCN_SELCHANGE) SelectPage(ActivePage());
            return FALSE;
        case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return TRUE;
        case WM_HELP: OnHelp(*reinterpret_cast<const HELPINFO*>(lParam)); return TRUE;
        case WM_DESTROY: OnDestroy(); return FALSE;
        default:
            if (message == FileDialogHelpMessage()) {
                if (help_) help_(kSelectDefaultFileHelpContext);
                return TRUE;
            }
            return FALSE;
    }
}

// The pages' controls report to their page; the frame does the work.
INT_PTR CALLBACK TTarvelixConfigDlg::PageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    switch (message) {
        case WM_INITDIALOG: return FALSE;
        case WM_COMMAND:
        case WM_HELP: ::SendMessageA(::GetParent(page), message, wParam, lParam); return TRUE;
        default: return FALSE;
    }
}

void TTarvelixConfigDlg::OnCreate() {
    banner_.Attach(hwnd_, kPreferencesClientWidth, kPreferencesBannerHeight, ResString(IDS_PREF_TITLE));
    CreatePages();
    themed_ = UseThemedPageBackground(pages_);
    PlaceControls();
    SelectPage(0);
    FillLists();
    SetHelpContexts();
    SetHints();
    // Redirection exists only for a 32-bit process on 64-bit Windows.
    ::EnableWindow(Control(IDC_FILESYSREDIR_CFG_COMBO), isWow64_);
    ::EnableWindow(Control(IDC_PREF_FSREDIR_TEXT), isWow64_);
}

void TTarvelixConfigDlg::CreatePages() {
    const HWND tabs = Control(IDC_PREF_PAGES);
    for (int i = 0; i < kPageCount; ++i) {
        InsertTab(tabs, i, ResString(kPages[i].captionId));
        pages_[static_cast<size_t>(i)] =
            ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kPages[i].templateId), hwnd_,
                                 &TTarvelixConfigDlg::PageProc, 0);
        // Above the page control, so that they are drawn over it and reached by Tab after it.
        ::SetWindowPos(Page(i), tabs, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        ::SetWindowContextHelpId(Page(i), kPages[i].helpContext);
    }
}

void TTarvelixConfigDlg::PlaceControls() const {
    SetClientSize(kPreferencesClientWidth, kPreferencesClientHeight);
    constexpr int kMargin = 8;
    constexpr int kButtonHeight = 25;
    constexpr int kButtonTop = kPreferencesClientHeight - kButtonHeight - kMargin;
    constexpr int kGap = 6;
    constexpr int kButtonWidth = 75;
    constexpr int kWideButtonWidth = 110;
    constexpr int kCancelLeft = kPreferencesClientWidth - kMargin - kButtonWidth;
    constexpr int kRestoreLeft = kCancelLeft - kGap - kWideButtonWidth;
    PlaceControl(IDC_PREF_BANNER_LINE, 0, kPreferencesBannerHeight, kPreferencesClientWidth, 2);
    const int tabsTop = kPreferencesBannerHeight + kMargin;
    PlaceControl(IDC_PREF_PAGES, kMargin, tabsTop, kPreferencesClientWidth - 2 * kMargin,
                 kButtonTop - kMargin - tabsTop);
    PlaceControl(IDOK, kRestoreLeft - kGap - kButtonWidth, kButtonTop, kButtonWidth, kButtonHeight);
    PlaceControl(IDC_PREF_RESTORE, kRestoreLeft, kButtonTop, kWideButtonWidth, kButtonHeight);
    PlaceControl(IDCANCEL, kCancelLeft, kButtonTop, kButtonWidth, kButtonHeight);
    const HWND tabs = Control(IDC_PREF_PAGES);
    RECT display{};
    ::GetWindowRect(tabs, &display);
    ::MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&display), 2);
    TabCtrl_AdjustRect(tabs, FALSE, &display);
    for (HWND page : pages_) {
        ::MoveWindow(page, display.left, display.top, display.right - display.left, display.bottom - display.top,
                     FALSE);
        FitToPage(page);
    }
}

void TTarvelixConfigDlg::SetHelpContexts() const {
    ::SetWindowContextHelpId(hwnd_, kPreferencesHelpContext);
    for (const ControlContext& entry : kControlContexts) ::SetWindowContextHelpId(Control(entry.id), entry.context);
}

void TTarvelixConfigDlg::SetHints() {
    okHint_.Set(Control(IDOK), ResString(IDS_PREF_OK_HINT));
    restoreHint_.Set(Control(IDC_PREF_RESTORE), ResString(IDS_PREF_RESTORE_HINT));
    cancelHint_.Set(Control(IDCANCEL), ResString(IDS_PREF_CANCEL_HINT));
    selectHint_.Set(Control(IDC_SEL_DEF_OUTPUT_FILE_BUTTON), ResString(IDS_PREF_SELECT_HINT));
}

void TTarvelixConfigDlg::FillLists() const {
    FillItems(Control(IDC_AUTOCOMPLETE_CFG_COMBO), IDS_PREF_AUTOCOMPLETE_ITEMS);
    FillItems(Control(IDC_FILESYSREDIR_CFG_COMBO), IDS_PREF_FSREDIR_ITEMS);
    FillItems(Control(IDC_ZOOM_FACTORS_COMBO), IDS_PREF_ZOOM_ITEMS);
    ComboBox(Control(IDC_DEF_OUTPUT_FILE_COMBO)).Add(ResString(IDS_PREF_NO_DEFAULT_FILE));
    // The controls' defaults, shown as they are when there is no store.
    ::SendMessageA(Control(IDC_AUTOCOMPLETE_CFG_COMBO), CB_SETCURSEL, 0, 0);
    ::SendMessageA(Control(IDC_FILESYSREDIR_CFG_COMBO), CB_SETCURSEL, 0, 0);
    const auto zoomItem = static_cast<WPARAM>(ZoomItemOfFactor(kDefaultZoomFactor));
    ::SendMessageA(Control(IDC_ZOOM_FACTORS_COMBO), CB_SETCURSEL, zoomItem, 0);
}

void TTarvelixConfigDlg::OnShowWindow() {
    if (shown_) return;
    shown_ = true;
    banner_.StartFade();
    const HWND fileEdit = ComboBox(Control(IDC_DEF_OUTPUT_FILE_COMBO)).EditHandle();
    autoComplete_.AttachToPathField(fileEdit);
    const std::wstring cue = MultiByteToWide(ResString(IDS_PREF_DEFFILE_CUE));
    ::SendMessageW(fileEdit, EM_SETCUEBANNER, TRUE, reinterpret_cast<LPARAM>(cue.c_str()));
    if (store_) ReadSettings();
}

void TTarvelixConfigDlg::OnCommand(int id, int code) {
    switch (id) {
        case IDOK: Ok(); return;
        case IDCANCEL: Close(IDCANCEL); return;
        case IDC_PREF_RESTORE: RestoreAppDefaults(); return;
        case IDC_SEL_DEF_OUTPUT_FILE_BUTTON:
            if (code == BN_CLICKED) SelDefOutputFile();
            return;
        default:
            if (code == CBN_CLOSEUP) OnComboBoxesCloseUp();
            return;
    }
}

// A closed list leaves a hole in a themed page's background; the page control is redrawn.
void TTarvelixConfigDlg::OnComboBoxesCloseUp() const {
    if (themed_) ::RedrawWindow(ActivePage() >= 0 ? Page(ActivePage()) : hwnd_, nullptr, nullptr,
                                RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

// The context of the control asked about or of the nearest window above it that has one.
void TTarvelixConfigDlg::OnHelp(const HELPINFO& request) const {
    DWORD context = static_cast<DWORD>(request.dwContextId);
    for (HWND window = static_cast<HWND>(request.hItemHandle); context == 0 && window && window != hwnd_;
         window = ::GetParent(window)) {
        context = ::GetWindowContextHelpId(window);
    }
    if (help_) help_(context != 0 ? context : kPreferencesHelpContext);
}

void TTarvelixConfigDlg::OnDestroy() {
    banner_.Stop();
    autoComplete_.Release();
}

}  // namespace zem
