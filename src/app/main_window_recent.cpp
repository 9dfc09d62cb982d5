// Loading output files into the document, and the Recent submenu of the File menu.
#include "app/main_window.h"

#include "app/help_contexts.h"
#include "base/status_codes.h"
#include "editor/document_file.h"
#include "engine/path_forms.h"
#include "resource.h"

namespace zem {

namespace {

void DestroyWindowHandle(HWND window) noexcept { ::DestroyWindow(window); }
using UniqueWindow = Unique<HandleTraits<HWND, nullptr, DestroyWindowHandle>>;

}  // namespace

uint32_t TForm1::LoadDocumentFile(const std::string& path, bool readOnly) {
    const FileProbe probe = ProbeDocumentFile(path);
    if (probe.error != 0) return probe.error;
    // Until the whole text is in, the shown editor keeps its document, undo and settings.
    UniqueWindow editor(CreateSuccessorEditor(readOnly));
    const TextFormat format = probe.unicode ? TextFormat::Utf16 : TextFormat::Ansi;
    if (const uint32_t error = StreamFileIntoEditor(editor.Get(), path, format); error != 0) return error;
    AdoptEditor(editor.Release());
    SetDocumentFileName(path);
    IsUnicodeFile = probe.unicode;
    Memo1().SetModified(false);
    return 0;
}

void TForm1::ShowDocumentError(UINT format, const std::string& path, uint32_t error, DWORD helpContext) {
    ShowNamedDocumentError(format, CompactPath(path), error, helpContext);
}

void TForm1::ShowNamedDocumentError(UINT format, const std::string& shownName, uint32_t error, DWORD helpContext) {
    const std::string text =
        Format(ResString(format).c_str(), shownName.c_str(), "\r\n", static_cast<int32_t>(error), error) + "\r\n" +
        SystemErrorText(error);
    ShowMessageWithHelp(Handle(), text, ResString(IDS_ERROR_TITLE), MB_ICONERROR, helpContext);
}

// Merges the go-to box's line numbers into the current file's recent entry.
void TForm1::StoreGoToHistory() {
    TTarvRecentEditorFileItem* entry = RecentFiles()->FindFile(CurrentFileName);
    if (entry != nullptr && LineNumComboBox1().Count() > 0) entry->MergeLineNumbers(LineNumComboBox1().Items());
}

void TForm1::ShowLineNumbersOf(const TTarvRecentEditorFileItem& entry) {
    const ComboBox lineNumbers = LineNumComboBox1();
    lineNumbers.Clear();
    for (const std::string& number : entry.LineNumbersAsStrings()) lineNumbers.Add(number);
}

void TForm1::LoadRecentFile(int index) {
    if (index < 0 || index >= RecentFiles()->Count()) {
        ShowDocumentError(IDS_LOAD_RECENT_ERROR, {}, ErrNoRecentEntry, kLoadRecentErrorHelpContext);
        return;
    }
    StoreGoToHistory();
    const std::string path = (*RecentFiles())[index].FileName;
    const bool readOnly = HasReadOnlyAttribute(path);
    const uint32_t error = LoadDocumentFile(path, readOnly);
    if (error != 0) {
        SetMenuEnabled(MMRecentFileFirst + static_cast<UINT>(index), false);
        ShowDocumentError(IDS_LOAD_RECENT_ERROR, path, error, kLoadRecentErrorHelpContext);
        return;
    }
    Memo1().SetReadOnly(readOnly);
    UpdateReadOnlyDependentCommands();
    RecentFiles()->Move(index, 0);
    RebuildRecentFilesMenu();
    ShowLineNumbersOf((*RecentFiles())[0]);
    UpdateHistoryClearCommands();
}

void TForm1::RebuildRecentFilesMenu() {
    const HMENU submenu = SubMenuOf(mainMenu_, MMFileRecentFiles);
    if (submenu == nullptr) return;
    while (::GetMenuItemCount(submenu) > 2) ::DeleteMenu(submenu, 2, MF_BYPOSITION);
    const int count = std::min(RecentFiles()->Count(), TTarvRecentEditorFileItems::kMaxItems);
    for (int i = 0; i < count; ++i) {
        const std::string& path = (*RecentFiles())[i].FileName;
        const std::string compact = CompactPath(path);
        const std::string caption = Format("%d: %s", i + 1, MenuText(compact.empty() ? path : compact).c_str());
        ::AppendMenuA(submenu, MF_STRING, MMRecentFileFirst + static_cast<UINT>(i), caption.c_str());
    }
    const UINT state = MF_BYCOMMAND | (count > 0 ? MF_ENABLED : MF_GRAYED);
    ::EnableMenuItem(mainMenu_, MMFileRecentFiles, state);
    SetMenuEnabled(MMRecentFilesClear, count > 0);
}

void TForm1::ClearRecentFilesMenu() {
    if (RecentFiles()->Count() == 0) return;
    RecentFiles()->Clear();
    const StringList none;
    Config()->WriteEditorFiles(&none);
    Config()->ClearLinesToGoTo();
    storeRead_.editorFiles = true;  // the store now holds what the collection holds
    RebuildRecentFilesMenu();
}

}  // namespace zem
