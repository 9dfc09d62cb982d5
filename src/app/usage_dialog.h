// The usage dialog that the help switch opens: a banner with a fading title, the usage text
// with a link to the online user guide, and OK.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "base/unique.h"
#include "info/url_info.h"
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

// The title fade: a timer of 200 ms brightens the title from the window-text colour until it
// is hidden.
inline constexpr UINT kFadeInterval = 200;
inline constexpr COLORREF kFadeStep = 0x0A0A0A;
inline constexpr COLORREF kFadeLimit = 0xF3F3F2;

struct FadeStep {
    COLORREF color;
    bool visible;
};
// One tick of the fade: the colour plus the step, visible while it does not exceed the limit.
FadeStep NextFadeStep(COLORREF color);

// One piece of the usage text, bold or not; pieces end lines with CR LF.
struct UsageTextRun {
    std::string text;
    bool bold = false;
};

// The usage text in the order it is written; the last line has no line break.
std::vector<UsageTextRun> UsageTextRuns();
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
    bool TitleVisible() const { return titleVisible_; }
    COLORREF TitleColor() const { return titleColor_; }
    bool Fading() const { return fading_; }
    // The dialog's own record of a pending web-page request.
    TZemURLInfo& URLInfo() { return urlInfo_; }

private:
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnInitDialog();
    void CreateTextView();
    void PlaceControls() const;
    void OnShowWindow();
    void OnPaint();
    void PaintBanner(HDC dc) const;
    void StartFade();
    void OnFadeTimer();
    void InvalidateTitle() const;
    void WriteText() const;
    void OnURLClick(const std::string& address);
    void OnURLThreadDone();
    void OnHelp(const HELPINFO& request) const;
    void OnDestroy();

    HelpHandler help_;
    OnlineQuestion askToGoOnline_;
    bool shown_ = false;
    UniqueGdiObject titleFont_;
    UniqueHIcon logo_;
    TZemRichEdit richEdit1_;
    ControlHint okHint_;
    TZemURLInfo urlInfo_;
    bool fading_ = false;
    bool titleVisible_ = false;
    COLORREF titleColor_ = 0;
};

// The usage dialog over `owner`, modal; `help` shows the help topics it asks for. The caller
// hides its own tracking tooltip first.
INT_PTR ShowUsageDialog(HWND owner, TTarvelixUsageDlg::HelpHandler help);

}  // namespace zem
