// File > Print: the print dialog, then the whole text as one job.
#include "app/main_window.h"

#include "app/help_contexts.h"
#include "editor/printing.h"
#include "resource.h"

namespace zem {

void TForm1::PrintOutput() {
    HideBalloonTip();
    dialogHelpContext_ = kPrintDialogHelpContext;
    uint32_t error = 0;
    const UniqueHdc printer = AskForPrinter(Handle(), true, error);
    if (printer) error = PrintEditorText(memo_, printer.Get(), PrintJobTitle(CurrentFileName));
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
