// Saving the output document: Save, Save As, and the Save command's state.
#include "app/main_window.h"

#include <commdlg.h>

#include "app/help_contexts.h"
#include "app/private_messages.h"
#include "editor/document_file.h"
#include "engine/path_forms.h"
#include "resource.h"
#include "ui/file_dialog.h"

namespace zem {

namespace {

constexpr DWORD kUnicodeFileType = 2;

bool HasTextExtension(const std::string& path) {
    const size_t dot = path.find_last_of(".\\");
    return dot != std::string::npos && path[dot] == '.' && SameTextNoCase(path.substr(dot + 1), "txt");
}

}  // namespace

void TForm1::OnMemoChange() {
    if (!CurrentFileName.empty()) SetMenuEnabled(MMFileSaveOutput, Memo1().Modified());
    if (editorRefreshPending_) return;
    editorRefreshPending_ = true;
    ::PostMessageA(Handle(), UM_EDITOR_CHANGED, 0, 0);
}

void TForm1::OnOutputMemoChange() {
    editorRefreshPending_ = false;
    RefreshEditCommands(memo_);
    MirrorContextMenu();
    ::EnableWindow(goToButton_, MenuEnabled(MMEditGoTo));
}

bool TForm1::SaveSucceeded() const { return !CurrentFileName.empty() && !MenuEnabled(MMFileSaveOutput); }

uint32_t TForm1::SaveDocumentAs(const std::string& path, bool unicode) {
    const uint32_t error = SaveEditorToFile(memo_, path, unicode ? TextFormat::Utf16 : TextFormat::Ansi);
    if (error != 0) {
        SetMenuEnabled(MMFileSaveOutput, true);
        ShowDocumentError(IDS_SAVE_ERROR, path, error, kSaveDialogHelpContext);
        return error;
    }
    SetMenuEnabled(MMFileSaveOutput, false);
    Memo1().SetModified(false);
    return 0;
}

void TForm1::SaveOutputToFile() {
    if (CurrentFileName.empty()) {
        SaveOutputAs();
        return;
    }
    SaveDocumentAs(CurrentFileName, IsUnicodeFile);
}

void TForm1::SaveOutputAs() {
    HideBalloonTip();
    if (!CurrentFileName.empty()) saveAsName_ = CurrentFileName;
    FileDialog dialog(Handle(), IDS_SAVE_TITLE, IDS_SAVE_FILTER,
                      OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_SHOWHELP,
                      saveAsName_);
    dialog.Settings().nFilterIndex = IsUnicodeFile ? kUnicodeFileType : 1;
    dialog.Settings().lpstrDefExt = "txt";
    dialogHelpContext_ = kSaveDialogHelpContext;
    if (!dialog.Save()) return;
    const std::string path = dialog.Path();
    saveAsName_ = path;
    if (!HasTextExtension(path)) {
        ::MessageBoxA(Handle(), ResString(IDS_NON_TEXT_EXTENSION).c_str(), ApplicationTitle().c_str(), MB_OK);
    }
    const bool unicode = IsUnicodeFile || dialog.FilterIndex() == kUnicodeFileType;
    if (SaveDocumentAs(path, unicode) != 0) return;
    if (path != CurrentFileName) SetDocumentFileName(path);
    IsUnicodeFile = unicode;
    RecentFiles()->InsertUniqueAt(0, path);
    RebuildRecentFilesMenu();
}

}  // namespace zem
