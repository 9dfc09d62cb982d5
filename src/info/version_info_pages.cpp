// The About dialog's pages: filling them, switching, scrolling, the texts' context menu, Copy
// Info, Save Info As, printing and the links.
#include "info/version_info_dialog.h"

#include <commctrl.h>
#include <commdlg.h>
#include <richedit.h>
#include <windowsx.h>

#include "base/controls.h"
#include "base/strings.h"
#include "editor/printing.h"
#include "info/about_system.h"
#include "resource.h"
#include "ui/file_dialog.h"

namespace zem {
namespace {

constexpr int kScrollTextCount = 4;

// The controls of the first page; the text pages' controls follow from their first id.
constexpr int kProductControls[] = {IDC_ABOUT_PRODUCT_IMAGE, IDC_ABOUT_PRODUCT_VERSION, IDC_ABOUT_PRODUCT_COPYRIGHT};

bool IsLineScrollText(int offset) { return offset == ABOUT_SCROLL_UP_OFFSET || offset == ABOUT_SCROLL_DOWN_OFFSET; }

}  // namespace

void TZemVersionInfoDialogV2::OnShowDialog() {
    if (shown_) return;
    shown_ = true;
    FillPages();
    HideLineScrollingWhereTextFits();
    OnShowTabSheet();
}

// All pages are written when the dialog first shows.
void TZemVersionInfoDialogV2::FillPages() {
    SetProductTexts();
    WritePageText(AboutPage::Details, VersionDetailsText(ReadVersionDetails(program_)));
    FillMakerPage();
    WritePageText(AboutPage::Windows, WindowsText(ReadWindowsFacts(system_, kernel_, browser_)));
    LoadInfoTemplate(PageText(AboutPage::Product), kInfoTemplateResource);
    for (AboutPage page : kTextPages) UpdateScrollTexts(page);
}

void TZemVersionInfoDialogV2::SetProductTexts() {
    SetProductPageTexts(ProductVersionLine(program_.ProductName()), program_.LegalCopyright());
}

std::string TZemVersionInfoDialogV2::ProductVersionLine(const std::string& title) {
    return title + Format(ResString(IDS_ABOUT_PRODUCT_VERSION).c_str(), program_.ProductVersion().c_str());
}

void TZemVersionInfoDialogV2::SetProductPageTexts(const std::string& versionLine, const std::string& copyright) const {
    SetWindowTextString(::GetDlgItem(hwnd_, IDC_ABOUT_PRODUCT_VERSION), versionLine);
    SetWindowTextString(::GetDlgItem(hwnd_, IDC_ABOUT_PRODUCT_COPYRIGHT), copyright);
}

void TZemVersionInfoDialogV2::WritePageText(AboutPage page, const InfoText& text) const {
    if (page != AboutPage::Product) WriteInfoText(PageText(page), text);
}

void TZemVersionInfoDialogV2::ShowPage(AboutPage page) {
    ::SendDlgItemMessageA(hwnd_, IDC_ABOUT_PAGES, TCM_SETCURSEL, static_cast<WPARAM>(Index(page)), 0);
    OnShowTabSheet();
}

void TZemVersionInfoDialogV2::OnShowTabSheet() {
    const auto selected = static_cast<int>(::SendDlgItemMessageA(hwnd_, IDC_ABOUT_PAGES, TCM_GETCURSEL, 0, 0));
    shownPage_ = selected >= 0 && selected < kAboutPageCount ? static_cast<AboutPage>(selected) : AboutPage::Product;
    for (int page = 0; page < kAboutPageCount; ++page) {
        ShowPageControls(static_cast<AboutPage>(page), static_cast<AboutPage>(page) == shownPage_);
    }
    SetControlHelpContext(IDC_ABOUT_PAGES, pageHelpContexts_[Index(shownPage_)]);
}

void TZemVersionInfoDialogV2::ShowPageControls(AboutPage page, bool show) const {
    const int command = show ? SW_SHOW : SW_HIDE;
    if (page == AboutPage::Product) {
        for (int id : kProductControls) ::ShowWindow(::GetDlgItem(hwnd_, id), command);
        return;
    }
    const int first = FirstControlId(page);
    for (int offset = ABOUT_IMAGE_OFFSET; offset <= ABOUT_PAGE_DOWN_OFFSET; ++offset) {
        const bool hidden = lineScrollingHidden_[Index(page)] && IsLineScrollText(offset);
        ::ShowWindow(::GetDlgItem(hwnd_, first + offset), hidden ? SW_HIDE : command);
    }
}

int TZemVersionInfoDialogV2::PageVisibleLines(AboutPage page) const {
    return VisibleLines(PageText(page), reinterpret_cast<HFONT>(::SendMessageA(hwnd_, WM_GETFONT, 0, 0)));
}

void TZemVersionInfoDialogV2::HideLineScrollingWhereTextFits() {
    for (AboutPage page : kTextPages) {
        lineScrollingHidden_[Index(page)] = LineCount(PageText(page)) <= PageVisibleLines(page);
    }
}

void TZemVersionInfoDialogV2::UpdateScrollTexts(AboutPage page) const {
    const HWND text = PageText(page);
    const ScrollStates states = ScrollStatesFor(FirstVisibleLine(text), LineCount(text), PageVisibleLines(page));
    ::EnableWindow(ScrollTextControl(page, ScrollText::PageUp), states.up);
    ::EnableWindow(ScrollTextControl(page, ScrollText::ScrollUp), states.up);
    ::EnableWindow(ScrollTextControl(page, ScrollText::ScrollDown), states.down);
    ::EnableWindow(ScrollTextControl(page, ScrollText::PageDown), states.down);
}

// Which page's scroll text has the id; false when it is none.
bool TZemVersionInfoDialogV2::FindScrollText(int id, AboutPage& page, ScrollText& which) {
    for (AboutPage candidate : kTextPages) {
        const int offset = id - FirstControlId(candidate) - ABOUT_PAGE_UP_OFFSET;
        if (offset >= 0 && offset < kScrollTextCount) {
            page = candidate;
            which = static_cast<ScrollText>(offset);
            return true;
        }
    }
    return false;
}

bool TZemVersionInfoDialogV2::OnScrollTextClick(WORD id) {
    AboutPage page{};
    ScrollText which{};
    if (!FindScrollText(id, page, which)) return false;
    const int pageLines = PageVisibleLines(page);
    switch (which) {
        case ScrollText::PageUp: ScrollInfoText(page, -pageLines); break;
        case ScrollText::ScrollUp: ScrollInfoText(page, -1); break;
        case ScrollText::ScrollDown: ScrollInfoText(page, 1); break;
        case ScrollText::PageDown: ScrollInfoText(page, pageLines); break;
    }
    return true;
}

void TZemVersionInfoDialogV2::ScrollInfoText(AboutPage page, int lines) {
    ScrollLines(PageText(page), lines);
    UpdateScrollTexts(page);
}

// The scroll texts show the hand while they can be clicked.
bool TZemVersionInfoDialogV2::OnSetCursor(HWND control) const {
    AboutPage page{};
    ScrollText which{};
    if (!control || !FindScrollText(::GetDlgCtrlID(control), page, which) || !::IsWindowEnabled(control)) return false;
    ::SetCursor(::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND)));
    return true;
}

void TZemVersionInfoDialogV2::OnInfoRichEditKeyUp(const MSGFILTER& filter) {
    if (filter.msg == WM_KEYUP) UpdateScrollTexts(AboutPage::Windows);
}

HMENU TZemVersionInfoDialogV2::PrepareInfoMenu(HWND text) {
    menuText_ = text;
    const RichEdit edit(text);
    CHARRANGE selection{};
    edit.GetSelection(selection);
    ApplyInfoMenuStates(infoMenu_.Get(), InfoMenuStatesFor(selection, edit.TextLength()));
    return infoMenu_.Get();
}

void TZemVersionInfoDialogV2::OnShowInfoRichEditPopupMenu(HWND text, LPARAM position) {
    bool ours = false;
    for (AboutPage page : kTextPages) ours = ours || text == PageText(page);
    if (!ours) return;
    POINT point{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    if (position == -1) {  // from the keyboard: at the text's corner
        RECT bounds{};
        ::GetWindowRect(text, &bounds);
        point = {bounds.left, bounds.top};
    }
    ::TrackPopupMenu(PrepareInfoMenu(text), TPM_RIGHTBUTTON, point.x, point.y, 0, hwnd_, nullptr);
}

void TZemVersionInfoDialogV2::OnInfoMenuCommand(WORD id) {
    const HWND text = menuText_ ? menuText_ : InfoSourceText();
    const RichEdit edit(text);
    CHARRANGE selection{};
    switch (id) {
        case IDM_ABOUT_SELECT_ALL: edit.SetSelection(0, -1); break;
        case IDM_ABOUT_CLEAR_SELECTION:
            edit.GetSelection(selection);
            edit.SetSelection(selection.cpMin, selection.cpMin);
            break;
        case IDM_ABOUT_COPY: ::SendMessageA(text, WM_COPY, 0, 0); break;
        case IDM_ABOUT_PRINT: InfoRichEditPrintText(text); break;
        default: break;
    }
}

void TZemVersionInfoDialogV2::InfoRichEditPrintText(HWND text) const {
    uint32_t error = 0;
    const UniqueHdc printer = AskForPrinter(hwnd_, false, error);
    if (printer) PrintEditorText(text, printer.Get(), ResString(IDS_ABOUT_PRINT_TITLE));
}

void TZemVersionInfoDialogV2::InfoRichEditCopyText() const { CopyWholeText(InfoSourceText()); }

uint32_t TZemVersionInfoDialogV2::SaveInfo(const InfoSaveTarget& target) const {
    return SaveInfoText(InfoSourceText(), target);
}

// The selection proposes "<product> Version Info"; the chosen filter's extension is added by
// the selection itself, so that its overwrite prompt names the file that is written.
void TZemVersionInfoDialogV2::InfoRichEditSaveToFile() {
    FileDialog dialog(hwnd_, IDS_ABOUT_SAVE_TITLE, IDS_ABOUT_SAVE_FILTER,
                      OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_NOREADONLYRETURN | OFN_PATHMUSTEXIST |
                          OFN_ENABLESIZING,
                      Format(ResString(IDS_ABOUT_SAVE_NAME).c_str(), program_.ProductName().c_str()));
    dialog.Settings().nFilterIndex = kRichTextFilter;
    dialog.Settings().lpstrDefExt = "rtf";
    if (!dialog.Save()) return;
    SaveInfo(InfoSaveTargetFor(dialog.Path(), dialog.FilterIndex()));
}

void TZemVersionInfoDialogV2::OnURLClick(const std::string& linkText) {
    const std::string address = LinkAddress(linkText);
    if (address.empty()) return;
    const bool consent = linkConsent_ ? linkConsent_(address) : true;
    // A second click while the page is still being opened is dropped.
    if (!consent || urlInfo_.Busy()) return;
    StartURLOpener(urlInfo_, hwnd_, address);
}

void TZemVersionInfoDialogV2::OnURLThreadDone() {
    urlInfo_.thread.Reset();
    urlInfo_.threadId = 0;
}

void TZemVersionInfoDialogV2::OnCloseDialog() {
    urlInfo_.Clear();
    menuText_ = nullptr;
}

}  // namespace zem
