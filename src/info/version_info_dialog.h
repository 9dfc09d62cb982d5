// TZemVersionInfoDialogV2: the general About dialog. Four pages: the product, the program
// file's version details, the maker and the running Windows system, each text page a read-only
// link view with scroll texts and a context menu; Copy Info, Save Info As and OK below. A
// product derives from it and fills in its help contexts, its first page and its maker page.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "base/unique.h"
#include "info/about_texts.h"
#include "info/info_text_view.h"
#include "info/operating_system.h"
#include "info/url_info.h"
#include "info/version_info.h"
#include "ui/dialog.h"
#include "ui/link_view.h"

namespace zem {

enum class AboutPage { Product, Details, Maker, Windows };
inline constexpr int kAboutPageCount = 4;

// The client area in pixels at 96 dots per inch.
inline constexpr int kAboutClientWidth = 520;
inline constexpr int kAboutClientHeight = 328;

// The scroll texts under a page's text, by their offset from the page's first control id.
enum class ScrollText { PageUp, ScrollUp, ScrollDown, PageDown };

// The text resource that fills the hidden page, when the program carries one.
inline constexpr char kInfoTemplateResource[] = "RICHEDITVERINFOTEMPLATE01";

class TZemVersionInfoDialogV2 : public Dialog {
public:
    // Shows the help topic of a help context number (the main window's ShowHelpTopic).
    using HelpHandler = std::function<void(DWORD context)>;
    // Asks whether a link's address may be opened; true to go online.
    using LinkCallback = std::function<bool(const std::string& address)>;
    // Shows one of the dialog's failure messages.
    using MessageSink = std::function<void(const std::string& text)>;

    // Without a sink the messages are plain message boxes.
    explicit TZemVersionInfoDialogV2(MessageSink showMessage = {});

    void SetHelpHandler(HelpHandler help) { help_ = std::move(help); }
    void SetLinkCallback(LinkCallback consent) { linkConsent_ = std::move(consent); }

    // Modal over `owner`: IDOK, IDCANCEL for the close box, -1 on failure.
    INT_PTR ShowModal(HWND owner);
    // Hidden and modeless (destroyed with this object); null on failure.
    HWND Create(HWND owner);

    AboutPage ShownPage() const { return shownPage_; }
    // Selects a page as a click on its tab does.
    void ShowPage(AboutPage page);
    // The text of a text page; for the first page, the hidden text that stands in for it.
    HWND PageText(AboutPage page) const { return texts_[Index(page)].Handle(); }
    HWND ScrollTextControl(AboutPage page, ScrollText which) const;

    // The context menu as it opens over `text`: its items' states are set and its commands
    // work on that text. The menu stays the dialog's.
    HMENU PrepareInfoMenu(HWND text);
    // Copy Info and Save Info As write this: the shown page's text, the hidden one's on the first page.
    HWND InfoSourceText() const { return PageText(shownPage_); }
    // Saves the information as Save Info As does after its file selection; 0 or the error code.
    uint32_t SaveInfo(const InfoSaveTarget& target) const;

    // The dialog's own record of a pending web-page request.
    TZemURLInfo& URLInfo() { return urlInfo_; }

protected:
    // What a product fills in; they run while the dialog is created and shown.
    virtual void SetHelpContexts() {}
    virtual void SetProductTexts();
    virtual void FillMakerPage() {}

    void SetControlHelpContext(int controlId, DWORD context) const;
    void SetPageHelpContext(AboutPage page, DWORD context);
    // "<title>, Version <product version>".
    std::string ProductVersionLine(const std::string& title);
    void SetProductPageTexts(const std::string& versionLine, const std::string& copyright) const;
    void WritePageText(AboutPage page, const InfoText& text) const;
    // The page's image; the dialog keeps the bitmap.
    void SetPageBitmap(AboutPage page, UniqueGdiObject bitmap);
    TZemVersionInfo& ProgramVersion() { return program_; }
    void ShowMessage(const std::string& text) const;

private:
    static constexpr AboutPage kTextPages[] = {AboutPage::Details, AboutPage::Maker, AboutPage::Windows};

    static int Index(AboutPage page) { return static_cast<int>(page); }
    static int FirstControlId(AboutPage page);
    static bool FindScrollText(int id, AboutPage& page, ScrollText& which);

    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnCommand(WORD id, WORD code);
    void OnNotify(const NMHDR& header);
    void OnCreateDialog();
    void CreateTexts();
    void CreateText(AboutPage page, int id, HWND after);
    void CreatePageTabs();
    void PlaceControls() const;
    void PlaceTextPage(AboutPage page, const RECT& area) const;
    void LoadImages();
    void LoadWindowsLogo();
    void FindBrowser();
    void OnShowDialog();
    void FillPages();
    void OnShowTabSheet();
    void ShowPageControls(AboutPage page, bool show) const;
    void OnInfoRichEditKeyUp(const MSGFILTER& filter);
    void OnShowInfoRichEditPopupMenu(HWND text, LPARAM position);
    void OnInfoMenuCommand(WORD id);
    void InfoRichEditCopyText() const;
    void InfoRichEditPrintText(HWND text) const;
    void InfoRichEditSaveToFile();
    bool OnScrollTextClick(WORD id);
    void ScrollInfoText(AboutPage page, int lines);
    void UpdateScrollTexts(AboutPage page) const;
    void HideLineScrollingWhereTextFits();
    bool OnSetCursor(HWND control) const;
    INT_PTR OnPageControlColour(HDC dc, HWND control) const;
    void OnURLClick(const std::string& linkText);
    void OnURLThreadDone();
    void OnHelp(const HELPINFO& request) const;
    void OnCloseDialog();
    int PageVisibleLines(AboutPage page) const;

    MessageSink showMessage_;
    HelpHandler help_;
    LinkCallback linkConsent_;
    TZemVersionInfo program_;
    TZemVersionInfo kernel_;
    TZemVersionInfo browser_;
    TOperatingSystem system_;
    TZemURLInfo urlInfo_;
    std::array<TZemRichEdit, kAboutPageCount> texts_;
    std::array<UniqueGdiObject, kAboutPageCount> bitmaps_;
    std::array<DWORD, kAboutPageCount> pageHelpContexts_{};
    std::array<bool, kAboutPageCount> lineScrollingHidden_{};
    UniqueHIcon productIcon_;
    UniqueHIcon detailsIcon_;
    UniqueHMenu infoMenu_;
    HWND menuText_ = nullptr;
    AboutPage shownPage_ = AboutPage::Product;
    bool shown_ = false;
};

}  // namespace zem
