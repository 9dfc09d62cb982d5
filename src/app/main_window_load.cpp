// The Load command: the open dialog with its read-only check box kept in step with the
// selected file, and the steps after a successful load. A file goes into a new editor that
// replaces the shown one only once the whole text is in.
#include "app/main_window.h"

#include <commdlg.h>
#include <dlgs.h>
#include <richedit.h>

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
    // The new editor takes the read-only state; the shown one keeps its own if the load fails.
    const bool readOnly = (dialog.Settings().Flags & OFN_READONLY) != 0 || HasReadOnlyAttribute(path);
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

// A rich-edit control in plain-text mode, in the tab order after the path panel.
HWND TForm1::CreateEditorControl(DWORD visibility) {
    const DWORD style = visibility | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_NOHIDESEL |
                        ES_WANTRETURN | ES_SAVESEL;
    const HWND editor = CreateChild(Handle(), RICHEDIT_CLASSA, "", style, IDC_MEMO1, WS_EX_CLIENTEDGE);
    ::SetWindowPos(editor, panel_, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    // Plain-text mode can only be chosen while the control has neither text nor undo history.
    ::SendMessageA(editor, EM_EMPTYUNDOBUFFER, 0, 0);
    ::SendMessageA(editor, EM_SETTEXTMODE, TM_PLAINTEXT | TM_MULTILEVELUNDO | TM_MULTICODEPAGE, 0);
    ::SendMessageA(editor, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
    ::SendMessageA(editor, WM_SETFONT, reinterpret_cast<WPARAM>(memoFont_.Get()), FALSE);
    ::SendMessageA(editor, EM_SETEVENTMASK, 0, ENM_CHANGE | ENM_SELCHANGE);
    return editor;
}

// Hidden at the shown editor's place and with its zoom, so that the text wraps as it will be shown.
HWND TForm1::CreateSuccessorEditor(bool readOnly) {
    const HWND editor = CreateEditorControl(0);
    RECT place{};
    ::GetWindowRect(memo_, &place);
    ::MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&place), 2);
    ::MoveWindow(editor, place.left, place.top, place.right - place.left, place.bottom - place.top, FALSE);
    const RichEdit successor(editor);
    successor.SetZoom(Memo1().Zoom());
    successor.SetReadOnly(readOnly);
    return editor;
}

void TForm1::AdoptEditor(HWND editor) {
    const bool focused = ::GetFocus() == memo_;
    balloon_.reset();
    editorHook_.Detach();
    ::DestroyWindow(memo_);
    memo_ = editor;
    ::ShowWindow(memo_, SW_SHOWNA);
    output_.Attach(memo_);
    AttachEditorExtensions();
    LayoutControls();
    if (focused) ::SetFocus(memo_);
}

}  // namespace zem
