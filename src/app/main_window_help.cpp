// Help and online access: F1 and the help requests of menus, controls and boxes, the home
// page and the update check behind the consent question.
#include "app/main_window.h"

#include "app/help_contexts.h"
#include "base/system.h"
#include "config/suppressible_dialogs.h"

namespace zem {

HelpViewer& TForm1::Help() {
    // Loaded on first use: most sessions never open the help.
    if (!helpViewer_) helpViewer_ = CreateHtmlHelpViewer();
    return *helpViewer_;
}

void TForm1::UseHelpViewer(std::unique_ptr<HelpViewer> viewer) { helpViewer_ = std::move(viewer); }

void TForm1::ShowHelp() { ShowHelpContents(Help(), Handle(), ExecutableFolder()); }

void TForm1::ShowHelpTopic(DWORD context) { zem::ShowHelpTopic(Help(), Handle(), ExecutableFolder(), context); }

void TForm1::OnHelpRequest(const HELPINFO& request) {
    DWORD context = 0;
    if (request.iContextType == HELPINFO_MENUITEM) context = HelpContextOfCommand(request.iCtrlId);
    if (context == 0) context = static_cast<DWORD>(request.dwContextId);
    if (context == 0 && request.iContextType == HELPINFO_WINDOW) context = HelpContextOfControl(request.iCtrlId);
    ShowHelpTopic(context != 0 ? context : kMainWindowHelpContext);
}

void TForm1::OpenTarvelixHomePage() { GoOnline(OnlineStep::HomePage); }

void TForm1::CheckForUpdates() { GoOnline(OnlineStep::UpdateCheck); }

void TForm1::GoOnline(OnlineStep step) {
    if (ShowGoOnlineDlg(Handle(), step) != IDYES) return;
    // A second request while the page is still being opened is dropped.
    StartURLOpener(URLInfo, Handle(), TarvelixHomePageAddress());
}

bool TForm1::OnAboutDlgLinkClick(const std::string& address) {
    return ShowGoOnlineDlg(Handle(), OnlineStep::AboutLink, address) == IDYES;
}

}  // namespace zem
