// The main window's document state: its file name in the caption, and the read-only switch
// with the commands that follow it.
#include "app/main_window.h"

#include <shlwapi.h>

#include "base/status_codes.h"
#include "engine/path_forms.h"
#include "resource.h"

namespace zem {

namespace {

// The system's message on one line, in double quotes; nothing when there is none.
std::string QuotedOneLine(const std::string& message) {
    if (message.empty()) return {};
    std::string line;
    for (char c : message) {
        if (c != '\r' && c != '\n') line += c;
    }
    return "\"" + line + "\"";
}

}  // namespace

void TForm1::SetDocumentFileName(const std::string& path) {
    CurrentFileName = path;
    std::string shown = ResString(IDS_CAPTION_UNNAMED);
    if (!path.empty()) {
        const std::string compact = CompactPath(path);
        shown = compact.empty() ? path : compact;
    }
    SetWindowTextString(Handle(), Format(ResString(IDS_CAPTION_FORMAT).c_str(), shown.c_str()));
}

void TForm1::UpdateReadOnlyDependentCommands() {
    const bool readOnly = Memo1().ReadOnly();
    SetMenuEnabled(MMEditReadOnly, true);
    SetMenuItemChecked(mainMenu_, MMEditReadOnly, readOnly);
    SetMenuItemChecked(popupMenu_, RichEditPMReadOnly, readOnly);
    for (UINT id : {MMFileBrowse, MMActionListSpecialFolders, MMActionListEnvVarPaths}) SetMenuEnabled(id, !readOnly);
    ::EnableWindow(browseButton_, MenuEnabled(MMFileBrowse));
    OnFileNameComboBoxChange();  // Convert and Create Relative Path, with the button
}

void TForm1::ToggleReadOnly() {
    const bool readOnly = !Memo1().ReadOnly();
    if (!readOnly && !CurrentFileName.empty()) {
        if (const uint32_t error = ClearReadOnlyAttribute(CurrentFileName); error != 0) {
            const std::string text = Format(ResString(IDS_ATTRIBUTE_ERROR_TEXT).c_str(), CurrentFileName.c_str(),
                                            static_cast<int32_t>(error), error,
                                            QuotedOneLine(SystemErrorText(error)).c_str());
            ::MessageBoxA(Handle(), text.c_str(), ResString(IDS_ATTRIBUTE_ERROR_TITLE).c_str(), MB_OK | MB_ICONERROR);
            return;
        }
    }
    Memo1().SetReadOnly(readOnly);
    UpdateReadOnlyDependentCommands();
    if (::GetFocus() == memo_) OnEnter();
}

uint32_t ClearReadOnlyAttribute(const std::string& path) {
    if (!::PathFileExistsA(path.c_str())) return 0;
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return LastErrorOr(ErrUnknownFailure);
    if ((attributes & FILE_ATTRIBUTE_READONLY) == 0) return 0;
    if (!::SetFileAttributesA(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY)) {
        return LastErrorOr(ErrUnknownFailure);
    }
    return 0;
}

}  // namespace zem
