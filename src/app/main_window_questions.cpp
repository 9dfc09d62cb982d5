// New, and the save questions asked before the document is replaced or the window closes.
#include "app/main_window.h"

#include "app/private_messages.h"
#include "config/suppressible_dialogs.h"
#include "info/info_header.h"
#include "resource.h"

namespace zem {

bool TForm1::AskBeforeLoading() {
    if (!Memo1().Modified()) return true;
    const int answer = ShowLoadFileDlg(Handle(), !CurrentFileName.empty());
    if (answer == IDNO) return true;
    if (answer != IDYES) return false;
    SaveOutputToFile();
    // A named document goes on even when its save failed: the error box has said so.
    return !CurrentFileName.empty() || Config()->DontShowLoadFileDlg();
}

bool TForm1::AskBeforeClosing() {
    if (!Memo1().Modified()) return true;
    const int answer = ShowCloseAppDlg(Handle(), !CurrentFileName.empty());
    if (answer == IDNO) return true;
    if (answer != IDYES) return false;
    SaveOutputToFile();
    return SaveSucceeded();
}

void TForm1::NewOutputFile() {
    int answer = IDNO;
    if (Memo1().Modified()) answer = ShowNewFileDlg(Handle(), !CurrentFileName.empty());
    if (answer != IDYES && answer != IDNO) return;
    StoreGoToHistory();
    if (answer == IDYES) {
        const bool named = !CurrentFileName.empty();
        SaveOutputToFile();
        // A named document whose save failed is kept: its error box has been shown, and
        // asking again would repeat the failure without end while the question is suppressed.
        if (named && !SaveSucceeded()) return;
        if (!named && CurrentFileName.empty() && !Config()->DontShowNewFileDlg()) {
            ::PostMessageA(Handle(), UM_NEW_OUTPUT_FILE, 0, 0);
            return;
        }
    }
    ReplaceDocument();
}

void TForm1::ReplaceDocument() {
    RenewEditorForLargeText();
    ::SetWindowTextA(memo_, "");
    InsertAppAndLogInfo(output_, IsWow64);
    Memo1().SetModified(false);
    if (TTarvRecentEditorFileItem* entry = RecentFiles()->FindFile(CurrentFileName)) entry->LineNumbers.reset();
    SetDocumentFileName({});
    SetMenuEnabled(MMFileSaveOutput, false);
    LineNumComboBox1().Clear();
    UpdateHistoryClearCommands();
}

}  // namespace zem
