// The dialog's creation, layout and message routing; the pages' operations are in
// version_info_pages.cpp.
#include "info/version_info_dialog.h"

#include <commctrl.h>
#include <richedit.h>

#include "base/controls.h"
#include "base/strings.h"
#include "base/window.h"
#include "info/about_system.h"
#include "resource.h"

namespace zem {
namespace {

// Where the controls go, in pixels of the client area at 96 dots per inch.
constexpr int kMargin = 6;
constexpr int kButtonHeight = 25;
constexpr int kButtonTop = kAboutClientHeight - kMargin - kButtonHeight;
constexpr int kCopyInfoWidth = 100;
constexpr int kSaveInfoWidth = 110;
constexpr int kOkWidth = 88;
// The page control's border, and its tabs' height over the pages.
constexpr int kTabBorder = 4;
constexpr int kTabHeader = 22;
constexpr int kPagePadding = 10;
constexpr int kProductIconSize = 128;
constexpr int kProductLineHeight = 20;
constexpr int kPageImageSize = 64;
constexpr int kScrollTextWidth = 90;
constexpr int kScrollTextHeight = 16;
constexpr int kPageColour = COLOR_WINDOW;

constexpr UINT kPageCaptions[kAboutPageCount] = {IDS_ABOUT_PAGE_PRODUCT, IDS_ABOUT_PAGE_DETAILS, IDS_ABOUT_PAGE_MAKER,
                                                 IDS_ABOUT_PAGE_WINDOWS};
constexpr UINT kScrollCaptions[] = {IDS_ABOUT_PAGE_UP, IDS_ABOUT_SCROLL_UP, IDS_ABOUT_SCROLL_DOWN, IDS_ABOUT_PAGE_DOWN};

std::string WindowsFolder() {
    char buffer[MAX_PATH + 1] = {};
    const UINT length = ::GetWindowsDirectoryA(buffer, sizeof(buffer));
    return length > 0 && length < sizeof(buffer) ? std::string(buffer, length) : std::string();
}

}  // namespace

TZemVersionInfoDialogV2::TZemVersionInfoDialogV2(MessageSink showMessage) : showMessage_(std::move(showMessage)) {}

INT_PTR TZemVersionInfoDialogV2::ShowModal(HWND owner) { return RunModal(owner, MAKEINTRESOURCEA(IDD_ABOUT)); }

HWND TZemVersionInfoDialogV2::Create(HWND owner) { return CreateModeless(owner, MAKEINTRESOURCEA(IDD_ABOUT)); }

int TZemVersionInfoDialogV2::FirstControlId(AboutPage page) {
    switch (page) {
        case AboutPage::Details: return IDC_ABOUT_DETAILS_FIRST;
        case AboutPage::Maker: return IDC_ABOUT_MAKER_FIRST;
        case AboutPage::Windows: return IDC_ABOUT_WINDOWS_FIRST;
        default: return 0;
    }
}

HWND TZemVersionInfoDialogV2::ScrollTextControl(AboutPage page, ScrollText which) const {
    const int first = FirstControlId(page);
    return first ? ::GetDlgItem(hwnd_, first + ABOUT_PAGE_UP_OFFSET + static_cast<int>(which)) : nullptr;
}

void TZemVersionInfoDialogV2::ShowMessage(const std::string& text) const {
    if (showMessage_) {
        showMessage_(text);
    } else {
        ShowPlainMessage(text);
    }
}

INT_PTR TZemVersionInfoDialogV2::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: OnCreateDialog(); return TRUE;
        case WM_SHOWWINDOW:
            if (wParam) OnShowDialog();
            return FALSE;
        case WM_COMMAND: return OnCommand(LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
        case WM_NOTIFY: OnNotify(*reinterpret_cast<const NMHDR*>(lParam)); return FALSE;
        case WM_CONTEXTMENU: OnShowInfoRichEditPopupMenu(reinterpret_cast<HWND>(wParam), lParam); return TRUE;
        case WM_SETCURSOR:
            if (!OnSetCursor(reinterpret_cast<HWND>(wParam))) return FALSE;
            ::SetWindowLongPtrA(hwnd_, DWLP_MSGRESULT, TRUE);
            return TRUE;
        case WM_CTLCOLORSTATIC: return OnPageControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_HELP: OnHelp(*reinterpret_cast<const HELPINFO*>(lParam)); return TRUE;
        case WM_DESTROY: OnCloseDialog(); return FALSE;
        default:
            if (message != kURLThreadDoneMessage) return FALSE;
            OnURLThreadDone();
            return TRUE;
    }
}

bool TZemVersionInfoDialogV2::OnCommand(WORD id, WORD code) {
    switch (id) {
        case IDOK:
        case IDCANCEL: Close(id); return true;
        case IDC_ABOUT_COPY_INFO: InfoRichEditCopyText(); return true;
        case IDC_ABOUT_SAVE_INFO: InfoRichEditSaveToFile(); return true;
        case IDM_ABOUT_SELECT_ALL:
        case IDM_ABOUT_CLEAR_SELECTION:
        case IDM_ABOUT_COPY:
        case IDM_ABOUT_PRINT: OnInfoMenuCommand(id); return true;
        default:
            // A quick second click on a scroll text arrives as a double click.
            return (code == STN_CLICKED || code == STN_DBLCLK) && OnScrollTextClick(id);
    }
}

void TZemVersionInfoDialogV2::OnNotify(const NMHDR& header) {
    if (header.idFrom == IDC_ABOUT_PAGES && header.code == TCN_SELCHANGE) {
        OnShowTabSheet();
        return;
    }
    if (header.code == EN_MSGFILTER && header.hwndFrom == PageText(AboutPage::Windows)) {
        OnInfoRichEditKeyUp(reinterpret_cast<const MSGFILTER&>(header));
        return;
    }
    for (TZemRichEdit& text : texts_) {
        if (text.HandleNotify(header)) return;
    }
}

void TZemVersionInfoDialogV2::OnCreateDialog() {
    CreateTexts();
    CreatePageTabs();
    SetWindowTextString(::GetDlgItem(hwnd_, IDC_ABOUT_COPY_INFO), ResString(IDS_ABOUT_COPY_INFO));
    SetWindowTextString(::GetDlgItem(hwnd_, IDC_ABOUT_SAVE_INFO), ResString(IDS_ABOUT_SAVE_INFO));
    SetWindowTextString(::GetDlgItem(hwnd_, IDOK), ResString(IDS_ABOUT_OK));
    for (AboutPage page : kTextPages) {
        for (size_t which = 0; which < std::size(kScrollCaptions); ++which) {
            SetWindowTextString(ScrollTextControl(page, static_cast<ScrollText>(which)),
                                ResString(kScrollCaptions[which]));
        }
    }
    PlaceControls();
    infoMenu_ = CreateInfoMenu();
    kernel_ = TZemVersionInfo(KernelLibraryPath(system_.SystemDirectory()));
    FindBrowser();
    LoadImages();
    SetHelpContexts();
    OnShowTabSheet();
}

// The texts lie in the tab order after their pages' images; the hidden one is never shown.
void TZemVersionInfoDialogV2::CreateTexts() {
    for (AboutPage page : kTextPages) {
        const int first = FirstControlId(page);
        CreateText(page, first + ABOUT_TEXT_OFFSET, ::GetDlgItem(hwnd_, first + ABOUT_IMAGE_OFFSET));
    }
    CreateText(AboutPage::Product, IDC_ABOUT_TEMPLATE_TEXT, HWND_BOTTOM);
    // Keys released in the Windows page's text may have scrolled it.
    const HWND windowsText = PageText(AboutPage::Windows);
    const auto mask = static_cast<DWORD>(::SendMessageA(windowsText, EM_GETEVENTMASK, 0, 0));
    ::SendMessageA(windowsText, EM_SETEVENTMASK, 0, mask | ENM_KEYEVENTS);
}

// Borderless, in the pages' colour and the dialog's font; its links report clicks. The links are marked
// by the page's writer, so automatic detection stays off.
void TZemVersionInfoDialogV2::CreateText(AboutPage page, int id, HWND after) {
    TZemRichEdit& text = texts_[Index(page)];
    const DWORD tabStop = page == AboutPage::Product ? 0 : WS_TABSTOP;
    if (!text.Create(hwnd_, id, tabStop | ES_MULTILINE | ES_AUTOVSCROLL, 0, RECT{})) return;
    ::SetWindowPos(text.Handle(), after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ::SendMessageA(text.Handle(), WM_SETFONT, static_cast<WPARAM>(::SendMessageA(hwnd_, WM_GETFONT, 0, 0)), FALSE);
    ::SendMessageA(text.Handle(), EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(::GetSysColor(kPageColour)));
    text.SetLinkNotifications(true);
    const auto click = [this](TZemRichEdit&, const std::string& link) { OnURLClick(link); };
    text.OnLinkLeftBtnDown = click;
    text.OnLinkLeftBtnDoubleClick = click;
}

void TZemVersionInfoDialogV2::CreatePageTabs() {
    const HWND tabs = ::GetDlgItem(hwnd_, IDC_ABOUT_PAGES);
    for (int page = 0; page < kAboutPageCount; ++page) {
        InsertTab(tabs, page, page == 0 ? ProductPageCaption(program_.ProductName()) : ResString(kPageCaptions[page]));
    }
}

void TZemVersionInfoDialogV2::PlaceControls() const {
    SetClientSize(kAboutClientWidth, kAboutClientHeight);
    const int tabsWidth = kAboutClientWidth - 2 * kMargin;
    const int tabsHeight = kButtonTop - 2 * kMargin;
    PlaceControl(IDC_ABOUT_PAGES, kMargin, kMargin, tabsWidth, tabsHeight);
    PlaceControl(IDC_ABOUT_COPY_INFO, kMargin, kButtonTop, kCopyInfoWidth, kButtonHeight);
    PlaceControl(IDC_ABOUT_SAVE_INFO, 2 * kMargin + kCopyInfoWidth, kButtonTop, kSaveInfoWidth, kButtonHeight);
    PlaceControl(IDOK, kAboutClientWidth - kMargin - kOkWidth, kButtonTop, kOkWidth, kButtonHeight);

    // The pages' area inside the page control, below its tabs.
    const RECT area{kMargin + kTabBorder, kMargin + kTabHeader, kMargin + tabsWidth - kTabBorder,
                    kMargin + tabsHeight - kTabBorder};
    const int width = area.right - area.left - 2 * kPagePadding;
    const int iconTop = area.top + 2 * kPagePadding;
    const int versionTop = iconTop + kProductIconSize + 2 * kPagePadding;
    PlaceControl(IDC_ABOUT_PRODUCT_IMAGE, (area.left + area.right - kProductIconSize) / 2, iconTop, kProductIconSize,
                 kProductIconSize);
    PlaceControl(IDC_ABOUT_PRODUCT_VERSION, area.left + kPagePadding, versionTop, width, kProductLineHeight);
    PlaceControl(IDC_ABOUT_PRODUCT_COPYRIGHT, area.left + kPagePadding, versionTop + kProductLineHeight, width,
                 kProductLineHeight);
    for (AboutPage page : kTextPages) PlaceTextPage(page, area);
}

// The image at the left; the text beside it, with its scroll texts in a row below it.
void TZemVersionInfoDialogV2::PlaceTextPage(AboutPage page, const RECT& area) const {
    const int first = FirstControlId(page);
    const int top = area.top + kPagePadding;
    const int left = area.left + 2 * kPagePadding + kPageImageSize;
    const int right = area.right - kPagePadding;
    const int scrollTop = area.bottom - kPagePadding - kScrollTextHeight;
    const int scrollDownLeft = right - 2 * kScrollTextWidth - kMargin;
    PlaceControl(first + ABOUT_IMAGE_OFFSET, area.left + kPagePadding, top, kPageImageSize, kPageImageSize);
    PlaceControl(first + ABOUT_TEXT_OFFSET, left, top, right - left, scrollTop - kPagePadding / 2 - top);
    PlaceControl(first + ABOUT_PAGE_UP_OFFSET, left, scrollTop, kScrollTextWidth, kScrollTextHeight);
    PlaceControl(first + ABOUT_SCROLL_UP_OFFSET, left + kScrollTextWidth + kMargin, scrollTop, kScrollTextWidth,
                 kScrollTextHeight);
    PlaceControl(first + ABOUT_SCROLL_DOWN_OFFSET, scrollDownLeft, scrollTop, kScrollTextWidth, kScrollTextHeight);
    PlaceControl(first + ABOUT_PAGE_DOWN_OFFSET, right - kScrollTextWidth, scrollTop, kScrollTextWidth,
                 kScrollTextHeight);
}

// The pages' controls take the colour of the page control's body rather than the dialog's.
INT_PTR TZemVersionInfoDialogV2::OnPageControlColour(HDC dc, HWND control) const {
    const int id = ::GetDlgCtrlID(control);
    if (id < IDC_ABOUT_PRODUCT_IMAGE || id > IDC_ABOUT_WINDOWS_FIRST + ABOUT_PAGE_DOWN_OFFSET) return FALSE;
    ::SetBkColor(dc, ::GetSysColor(kPageColour));
    return reinterpret_cast<INT_PTR>(::GetSysColorBrush(kPageColour));
}

void TZemVersionInfoDialogV2::FindBrowser() {
    const std::optional<std::string> path = FindBrowserExecutable();
    if (!path) ShowMessage(ResString(IDS_ABOUT_BROWSER_NOT_FOUND));
    browser_ = TZemVersionInfo(path.value_or(kBrowserExecutable));
}

void TZemVersionInfoDialogV2::LoadImages() {
    const auto loadIcon = [](int size) {
        return UniqueHIcon(static_cast<HICON>(
            ::LoadImageA(::GetModuleHandleA(nullptr), "DEFICON1", IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
    };
    productIcon_ = loadIcon(kProductIconSize);
    if (!productIcon_) {
        const DWORD error = ::GetLastError();
        ShowMessage(Format(ResString(IDS_ABOUT_SPLASH_FAILED).c_str(), error));
    }
    detailsIcon_ = loadIcon(kPageImageSize);
    ::SendDlgItemMessageA(hwnd_, IDC_ABOUT_PRODUCT_IMAGE, STM_SETICON, reinterpret_cast<WPARAM>(productIcon_.Get()), 0);
    ::SendDlgItemMessageA(hwnd_, IDC_ABOUT_DETAILS_FIRST + ABOUT_IMAGE_OFFSET, STM_SETICON,
                          reinterpret_cast<WPARAM>(detailsIcon_.Get()), 0);
    LoadWindowsLogo();
}

void TZemVersionInfoDialogV2::LoadWindowsLogo() {
    const LogoSource source = WindowsLogoSource(system_.MajorVersion(), WindowsFolder(), system_.SystemDirectory());
    DWORD error = 0;
    UniqueGdiObject logo = LoadLibraryBitmap(source, error);
    if (error != 0) ShowMessage(source.library + "\r\n" + Format("%lu", error));
    SetPageBitmap(AboutPage::Windows, std::move(logo));
}

void TZemVersionInfoDialogV2::SetPageBitmap(AboutPage page, UniqueGdiObject bitmap) {
    const int first = FirstControlId(page);
    if (!first || !bitmap) return;
    ::SendDlgItemMessageA(hwnd_, first + ABOUT_IMAGE_OFFSET, STM_SETIMAGE, IMAGE_BITMAP,
                          reinterpret_cast<LPARAM>(bitmap.Get()));
    bitmaps_[Index(page)] = std::move(bitmap);
}

void TZemVersionInfoDialogV2::SetControlHelpContext(int controlId, DWORD context) const {
    ::SetWindowContextHelpId(controlId == 0 ? hwnd_ : ::GetDlgItem(hwnd_, controlId), context);
}

void TZemVersionInfoDialogV2::SetPageHelpContext(AboutPage page, DWORD context) {
    pageHelpContexts_[Index(page)] = context;
    if (page == shownPage_) SetControlHelpContext(IDC_ABOUT_PAGES, context);
}

void TZemVersionInfoDialogV2::OnHelp(const HELPINFO& request) const {
    const DWORD context =
        request.dwContextId != 0 ? static_cast<DWORD>(request.dwContextId) : ::GetWindowContextHelpId(hwnd_);
    if (help_) help_(context);
}

}  // namespace zem
