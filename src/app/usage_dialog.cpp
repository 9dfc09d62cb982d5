#include "app/usage_dialog.h"

#include "base/strings.h"
#include "base/window.h"
#include "config/suppressible_dialogs.h"
#include "info/info_text_view.h"
#include "resource.h"

namespace zem {
namespace {

constexpr UINT_PTR kFadeTimerId = 1;
constexpr char kUserGuidePage[] = "support/UserGuide.htm";

// Where the controls go, in pixels of the client area.
constexpr int kMargin = 12;
// The usage text takes all the width it can: its longest line barely fits.
constexpr int kTextMargin = 8;
constexpr int kLineHeight = 3;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kButtonGap = 7;
constexpr int kBottomLineTop = kUsageClientHeight - kButtonHeight - 2 * kButtonGap - kLineHeight;

InfoTextRun Line(UINT id, bool bold = false) { return {ResString(id) + "\r\n", bold}; }

bool AskToGoOnline(HWND owner) { return ShowGoOnlineDlg(owner, OnlineStep::UsageLink) == IDYES; }

}  // namespace

InfoText UsageTextRuns() {
    return {
        {ResString(IDS_USAGE_LABEL), true},
        Line(IDS_USAGE_SYNTAX),
        {"\r\n"},
        Line(IDS_USAGE_SWITCHES, true),
        Line(IDS_USAGE_SWITCH_HELP),
        Line(IDS_USAGE_SWITCH_HELP_SYNONYM),
        Line(IDS_USAGE_SWITCH_READONLY),
        Line(IDS_USAGE_SWITCH_READONLY_NOTE),
        Line(IDS_USAGE_SWITCH_RO),
        {"\r\n"},
        Line(IDS_USAGE_PARAMETER, true),
        Line(IDS_USAGE_PARAMETER_TEXT),
        {"\r\n"},
        Line(IDS_USAGE_EXAMPLE, true),
        Line(IDS_USAGE_EXAMPLE_TEXT),
        {"\r\n"},
        {ResString(IDS_USAGE_HELP) + " "},
        {UserGuideAddress(), false, true},
    };
}

std::string UsageText() {
    std::string text;
    for (const InfoTextRun& run : UsageTextRuns()) text += run.text;
    return text;
}

std::string UserGuideAddress() {
    // The user guide lives beside the home page.
    const std::string home = TarvelixHomePageAddress();
    return home.substr(0, home.rfind('/') + 1) + kUserGuidePage;
}

TTarvelixUsageDlg::TTarvelixUsageDlg(HelpHandler help, OnlineQuestion askToGoOnline)
    : help_(std::move(help)),
      askToGoOnline_(askToGoOnline ? std::move(askToGoOnline) : OnlineQuestion(AskToGoOnline)),
      banner_(kFadeTimerId, kUsageFadeLimit) {}

INT_PTR TTarvelixUsageDlg::ShowModal(HWND owner) { return RunModal(owner, MAKEINTRESOURCEA(IDD_USAGE)); }

HWND TTarvelixUsageDlg::Create(HWND owner) { return CreateModeless(owner, MAKEINTRESOURCEA(IDD_USAGE)); }

HWND TTarvelixUsageDlg::TextControl() const { return richEdit1_.Handle(); }

INT_PTR TTarvelixUsageDlg::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (INT_PTR result = FALSE; banner_.HandleMessage(message, wParam, lParam, result)) return result;
    switch (message) {
        case WM_INITDIALOG: OnInitDialog(); return TRUE;
        case WM_SHOWWINDOW:
            if (wParam) OnShowWindow();
            return FALSE;
        case WM_NOTIFY: richEdit1_.HandleNotify(*reinterpret_cast<const NMHDR*>(lParam)); return FALSE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) Close(LOWORD(wParam));
            return TRUE;
        case WM_HELP: OnHelp(*reinterpret_cast<const HELPINFO*>(lParam)); return TRUE;
        case WM_DESTROY: OnDestroy(); return FALSE;
        default:
            if (message == kURLThreadDoneMessage) {
                OnURLThreadDone();
                return TRUE;
            }
            return FALSE;
    }
}

void TTarvelixUsageDlg::OnInitDialog() {
    CreateTextView();
    const HWND text = TextControl();
    banner_.Attach(hwnd_, kUsageClientWidth, kUsageBannerHeight, ResString(IDS_USAGE_TITLE));
    ::SetWindowContextHelpId(hwnd_, kUsageDialogHelpContext);
    ::SetWindowContextHelpId(text, kUsageTextHelpContext);
    ::SetWindowContextHelpId(::GetDlgItem(hwnd_, IDOK), kUsageOkButtonHelpContext);
    okHint_.Set(::GetDlgItem(hwnd_, IDOK), ResString(IDS_USAGE_OK_HINT));
    PlaceControls();
}

// The text view: read-only once written, borderless, in the dialog's colour and font, its links
// clickable; in the tab order before the button.
void TTarvelixUsageDlg::CreateTextView() {
    if (!richEdit1_.Create(hwnd_, IDC_USAGE_TEXT, WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL,
                           0, RECT{})) {
        return;
    }
    const HWND text = richEdit1_.Handle();
    ::SetWindowPos(text, ::GetDlgItem(hwnd_, IDC_USAGE_BANNER_LINE), 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ::SendMessageA(text, WM_SETFONT, static_cast<WPARAM>(::SendMessageA(hwnd_, WM_GETFONT, 0, 0)), FALSE);
    ::SendMessageA(text, EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(::GetSysColor(COLOR_BTNFACE)));
    richEdit1_.SetAutoUrlDetect(true);
    richEdit1_.SetLinkNotifications(true);
    const auto click = [this](TZemRichEdit&, const std::string& link) { OnURLClick(link); };
    richEdit1_.OnLinkLeftBtnDown = click;
    richEdit1_.OnLinkLeftBtnDoubleClick = click;
}

void TTarvelixUsageDlg::PlaceControls() const {
    SetClientSize(kUsageClientWidth, kUsageClientHeight);
    const int textTop = kUsageBannerHeight + kLineHeight + 2;
    PlaceControl(IDC_USAGE_BANNER_LINE, 0, kUsageBannerHeight, kUsageClientWidth, kLineHeight);
    PlaceControl(IDC_USAGE_TEXT, kTextMargin, textTop, kUsageClientWidth - 2 * kTextMargin,
                 kBottomLineTop - 2 - textTop);
    PlaceControl(IDC_USAGE_BOTTOM_LINE, 0, kBottomLineTop, kUsageClientWidth, kLineHeight);
    PlaceControl(IDOK, kUsageClientWidth - kMargin - kButtonWidth, kBottomLineTop + kLineHeight + kButtonGap,
                 kButtonWidth, kButtonHeight);
}

void TTarvelixUsageDlg::OnShowWindow() {
    if (shown_) return;
    shown_ = true;
    banner_.StartFade();
    WriteText();
}

// Read-only once written, so that the user cannot change it.
void TTarvelixUsageDlg::WriteText() const { WriteInfoText(TextControl(), UsageTextRuns()); }

void TTarvelixUsageDlg::OnURLClick(const std::string& address) {
    if (address.empty() || !askToGoOnline_(hwnd_)) return;
    // A second click while the page is still being opened is dropped.
    if (urlInfo_.Busy()) return;
    StartURLOpener(urlInfo_, hwnd_, address);
}

void TTarvelixUsageDlg::OnURLThreadDone() {
    urlInfo_.thread.Reset();
    urlInfo_.threadId = 0;
}

void TTarvelixUsageDlg::OnHelp(const HELPINFO& request) const {
    const DWORD context = request.dwContextId != 0 ? static_cast<DWORD>(request.dwContextId) : kUsageDialogHelpContext;
    if (help_) help_(context);
}

void TTarvelixUsageDlg::OnDestroy() {
    banner_.Stop();
    urlInfo_.Clear();
}

INT_PTR ShowUsageDialog(HWND owner, TTarvelixUsageDlg::HelpHandler help) {
    TTarvelixUsageDlg dialog(std::move(help));
    return dialog.ShowModal(owner);
}

}  // namespace zem
