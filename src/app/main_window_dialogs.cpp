// The dialogs opened from the menus: Preferences and About.
#include "app/main_window.h"

#include "app/preferences_dialog.h"

namespace zem {

void TForm1::ShowPreferencesDialog() {
    HideBalloonTip();
    TTarvelixConfigDlg dialog(Config(), IsWow64, [this](DWORD context) { ShowHelpTopic(context); });
    dialog.ShowModal(Handle());
}

}  // namespace zem
