// The dialogs opened from the menus: Preferences and About.
#include "app/main_window.h"

#include "app/about_dialog.h"
#include "app/preferences_dialog.h"

namespace zem {

// A balloon of the main window would float over the dialog: both kinds go before it opens.
void TForm1::ShowPreferencesDialog() {
    HideBalloonTip();
    fieldBalloon_.Hide();
    TTarvelixConfigDlg dialog(Config(), IsWow64, [this](DWORD context) { ShowHelpTopic(context); });
    dialog.ShowModal(Handle());
}

void TForm1::ShowAboutDialog() {
    HideBalloonTip();
    fieldBalloon_.Hide();
    zem::ShowAboutDialog(
        Handle(), [this](DWORD context) { ShowHelpTopic(context); },
        [this](const std::string& address) { return OnAboutDlgLinkClick(address); });
}

}  // namespace zem
