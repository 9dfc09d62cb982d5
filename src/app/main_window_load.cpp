// The Load command: the open dialog with its read-only check box kept in step with the
// selected file, and the steps after a successful load.
#include "app/main_window.h"

#include <commdlg.h>
#include <dlgs.h>

#include "app/help_contexts.h"
#include "editor/document_file.h"
#include "resource.h"
#include "ui/file_dialog.h"

namespace zem {

namespace {

// Keeps the dialog's open-as-read-only check box equal to the selected file's attribute.
void OnOpenFileDlgSelChange(HWND dialog, OPENFILENAMEA& settings) {
    char path[MAX_PATH * 4] = {};
    const LRESULT length = ::SendMessageA(dialog, CDM_GETFILEPATH, sizeof(path), reinterpret_cast<LPARAM>(path));
    const bool readOnly = length > 0 && HasReadOnlyAttribute(path);
    const HWND checkBox = ::GetDlgItem(dialog, chx1);
    // Set to the opposite state and clicked, so that the dialog takes note of the change.
    ::SendMessageA(checkBox, BM_SETCHECK, readOnly ? BST_UNCHECKED : BST_CHECKED, 0);
    ::SendMessageA(checkBox, BM_CLICK, 0, 0);
    if (readOnly) {
        settings.Flags |= OFN_READONLY;
    } else {
        settings.Flags &= ~static_cast<DWORD>(OFN_READONLY);
    }
}

}  // namespace

void TForm1::LoadFile() {
    HideBalloonTip();
    if (!AskBeforeLoading()) return;
    FileDialog dialog(Handle(), IDS_LOAD_TITLE, IDS_LOAD_FILTER,
                      OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_ENABLESIZING | OFN_SHOWHELP);
    dialog.OnSelectionChange(OnOpenFileDlgSelChange);
    dialogHelpContext_ = kOpenDialogHelpContext;
    if (!dialog.Open()) return;
    const std::string path = dialog.Path();
    const bool readOnly = (dialog.Settings().Flags & OFN_READONLY) != 0 || HasReadOnlyAttribute(path);
    Memo1().SetReadOnly(readOnly);
    StoreGoToHistory();
    if (const uint32_t error = LoadDocumentFile(path, readOnly); error != 0) {
        ShowDocumentError(IDS_LOAD_ERROR, path, error, kLoadErrorHelpContext);
        return;
    }
    FinishDocumentLoad(path);
}

void TForm1::FinishDocumentLoad(const std::string& path) {
    UpdateReadOnlyDependentCommands();
    const int index = RecentFiles()->IndexOfFile(path);
    if (index > 0) RecentFiles()->Move(index, 0);
    if (index < 0) RecentFiles()->InsertUniqueAt(0, path);
    if (RecentFiles()->Count() > 0) ShowLineNumbersOf((*RecentFiles())[0]);
    RebuildRecentFilesMenu();
    UpdateHistoryClearCommands();
}

}  // namespace zem
