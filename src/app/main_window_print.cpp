// File > Print: the print dialog, then the whole text as one job.
#include "app/main_window.h"

#include <commdlg.h>

#include "app/help_contexts.h"
#include "editor/printing.h"
#include "resource.h"

namespace zem {

void TForm1::PrintOutput() {
    HideBalloonTip();
    PRINTDLGA dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = Handle();
    // Printing to a file stays allowed; without a printer the dialog warns by itself.
    dialog.Flags = PD_RETURNDC | PD_SHOWHELP | PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIESANDCOLLATE;
    dialogHelpContext_ = kPrintDialogHelpContext;
    const BOOL confirmed = ::PrintDlgA(&dialog);
    const UniqueHGlobal devMode(dialog.hDevMode);
    const UniqueHGlobal devNames(dialog.hDevNames);
    const UniqueHdc printer(dialog.hDC);
    uint32_t error = 0;
    if (confirmed) {
        error = printer ? PrintEditorText(memo_, printer.Get(), PrintJobTitle(CurrentFileName)) : ERROR_INVALID_HANDLE;
    } else {
        error = ::CommDlgExtendedError();  // 0 when the user cancelled
    }
    if (error == 0) return;
    const std::string shownName =
        CurrentFileName.empty() ? ResString(IDS_PRINT_UNNAMED_FILE) : CompactPath(CurrentFileName);
    ShowNamedDocumentError(IDS_PRINT_ERROR, shownName, error, kPrintErrorHelpContext);
}

void TForm1::UpdateHistoryClearCommands() {
    const std::pair<UINT, HWND> lists[] = {
        {MMHistClearFileNames, fileNameComboBox_},
        {MMHistClearFindTexts, findEdit_},
        {MMHistClearLineNums, lineNumComboBox_},
    };
    for (const auto& [command, box] : lists) {
        SetMenuEnabled(command, ComboBox(box).Count() > 0);
    }
}

}  // namespace zem
