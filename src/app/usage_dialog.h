// The usage dialog that the help switch opens: a banner with a fading title, the usage text
// with a link to the online user guide, and OK.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "info/about_texts.h"
#include "info/url_info.h"
#include "ui/banner.h"
#include "ui/control_hint.h"
#include "ui/dialog.h"
#include "ui/link_view.h"

namespace zem {

inline constexpr DWORD kUsageDialogHelpContext = 17690;
inline constexpr DWORD kUsageTextHelpContext = 17695;
inline constexpr DWORD kUsageOkButtonHelpContext = 17699;

// The client area in pixels, and the banner band at its top.
inline constexpr int kUsageClientWidth = 566;
inline constexpr int kUsageClientHeight = 323;
inline constexpr int kUsageBannerHeight = 50;

// The title fades until its colour exceeds this.
inline constexpr COLORREF kUsageFadeLimit = 0xF3F3F2;

// The usage text in the order it is written, bold or not, the user guide's address a link;
// pieces end lines with CR LF, the last line has no line break.
InfoText UsageTextRuns();
// The same as one plain text.
std::string UsageText();

// The online user guide on the maker's web site.
std::string UserGuideAddress();

class TTarvelixUsageDlg : public Dialog {
public:
    // Shows the help topic of a help context number (the main window's ShowHelpTopic).
    using HelpHandler = std::function<void(DWORD context)>;
    // Asks whether a link may be opened; true to go online.
    using OnlineQuestion = std::function<bool(HWND owner)>;

    explicit TTarvelixUsageDlg(HelpHandler help, OnlineQuestion askToGoOnline = {});

    // Shows the dialog modally over `owner`; IDOK, IDCANCEL for the close box, -1 on failure.
    INT_PTR ShowModal(HWND owner);
    // Creates the dialog hidden and modeless (it is destroyed with this object); null on failure.
    HWND Create(HWND owner);

    HWND TextControl() const;
    bool TitleVisible() const { return banner_.TitleVisible(); }
    COLORREF TitleColor() const { return banner_.TitleColor(); }
    bool Fading() const { return banner_.Fading(); }
    // The dialog's own record of a pending web-page request.
    TZemURLInfo& URLInfo() { return urlInfo_; }

private:
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnInitDialog();
    void CreateTextView();
    void PlaceControls() const;
    void OnShowWindow();
    void WriteText() const;
    void OnURLClick(const std::string& address);
    void OnURLThreadDone();
    void OnHelp(const HELPINFO& request) const;
    void OnDestroy();

    HelpHandler help_;
    OnlineQuestion askToGoOnline_;
    bool shown_ = false;
    DialogBanner banner_;
    TZemRichEdit richEdit1_;
    ControlHint okHint_;
    TZemURLInfo urlInfo_;
};

// The usage dialog over `owner`, modal; `help` shows the help topics it asks for. The caller
// hides its own tracking tooltip first.
INT_PTR ShowUsageDialog(HWND owner, TTarvelixUsageDlg::HelpHandler help);

}  // namespace zem
