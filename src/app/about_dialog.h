// The product's About dialog: Zem Tarvelix's first page, maker page and help contexts on the
// general version-information dialog.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "info/version_info_dialog.h"

namespace zem {

inline constexpr DWORD kAboutDialogHelpContext = 7700;

class TZemVersionInfoDialog1 : public TZemVersionInfoDialogV2 {
public:
    using TZemVersionInfoDialogV2::TZemVersionInfoDialogV2;

protected:
    void SetHelpContexts() override;
    void SetProductTexts() override;
    void FillMakerPage() override;
};

// The maker's contact data as the maker page shows it.
MakerContact ZemMakerContact();

// The About dialog over `owner`, modal; `help` shows the help topics it asks for, `linkConsent`
// is asked before a link is opened. IDOK, or IDCANCEL for the close box.
INT_PTR ShowAboutDialog(HWND owner, std::function<void(DWORD)> help,
                        std::function<bool(const std::string& address)> linkConsent);

}  // namespace zem
