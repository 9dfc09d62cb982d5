// The Preferences dialog: the persisted settings and the dialog switches on five pages, read
// from the store when shown and written back on OK only.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "config/app_config.h"
#include "ui/auto_complete.h"
#include "ui/banner.h"
#include "ui/control_hint.h"
#include "ui/dialog.h"

namespace zem {

inline constexpr DWORD kPreferencesHelpContext = 7500;
inline constexpr DWORD kSelectDefaultFileHelpContext = 7650;

// The client area in pixels at 96 dots per inch, and the banner band at its top.
inline constexpr int kPreferencesClientWidth = 566;
inline constexpr int kPreferencesClientHeight = 323;
inline constexpr int kPreferencesBannerHeight = 50;
// The title fades until its colour exceeds this.
inline constexpr COLORREF kPreferencesFadeLimit = 0xF3F2F2;

// The zoom list's items, 200 % first, and the packed zoom factors they stand for: an unknown
// factor shows 100 %, an item out of range stores 1/1.
int ZoomItemOfFactor(uint32_t factor);
uint32_t ZoomFactorOfItem(int item);

class TTarvelixConfigDlg : public Dialog {
public:
    using HelpHandler = std::function<void(DWORD context)>;

    // `store` may be null: the controls then keep their defaults and OK writes nothing.
    TTarvelixConfigDlg(TTarvelixAppConfig* store, bool isWow64, HelpHandler help);

    // Shows the dialog modally over `owner`; IDOK, IDCANCEL, -1 on failure.
    INT_PTR ShowModal(HWND owner);
    // Creates the dialog hidden and modeless (destroyed with this object); null on failure.
    HWND Create(HWND owner);

    static constexpr int kPageCount = 5;
    HWND Page(int index) const { return pages_[static_cast<size_t>(index)]; }
    int ActivePage() const;
    void SelectPage(int index);
    // A control of the frame or of any page.
    HWND Control(int id) const;
    const DialogBanner& Banner() const { return banner_; }
    const std::string& DefOutputFileHint() const { return fileHint_.Text(); }
    // Set where themes draw the pages' background.
    bool Themed() const { return themed_; }

private:
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    static INT_PTR CALLBACK PageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

    void OnCreate();
    void CreatePages();
    void PlaceControls() const;
    void SetHelpContexts() const;
    void SetHints();
    void FillLists() const;
    void OnShowWindow();
    void OnCommand(int id, int code);
    void OnComboBoxesCloseUp() const;
    void OnHelp(const HELPINFO& request) const;
    void OnDestroy();

    void ReadSettings();
    void FillDefOutputFileList();
    void Ok();
    void WriteSettings();
    void RestoreAppDefaults();
    void SelDefOutputFile();
    // Keeps the file box's current text at the top of its list before the text is replaced.
    void KeepDefOutputFileText() const;
    std::string DefEditorFileToStore() const;
    bool RedirectionListEnabled() const;

    TTarvelixAppConfig* store_;
    bool isWow64_;
    HelpHandler help_;
    DialogBanner banner_;
    std::array<HWND, kPageCount> pages_{};
    PathAutoComplete autoComplete_;
    ControlHint okHint_;
    ControlHint restoreHint_;
    ControlHint cancelHint_;
    ControlHint selectHint_;
    ControlHint fileHint_;
    bool shown_ = false;
    bool themed_ = false;
};

}  // namespace zem
