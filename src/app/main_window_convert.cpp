// The main window's conversion commands: Convert, Browse, dropped files, the two listings,
// and the balloons that report their problems.
#include "app/main_window.h"
#include "app/private_messages.h"

#include "engine/conversion.h"
#include "engine/dropped_files.h"
#include "engine/path_input.h"
#include "engine/report_texts.h"
#include "folders/environment_listing.h"
#include "folders/special_folder_listing.h"
#include "resource.h"
#include "ui/edit_balloon.h"
#include "ui/folder_browser.h"

namespace zem {

void TForm1::ConvertPathName() {
    ConversionRequest request;
    request.input = FileNameComboBox1().Text();
    if (request.input.empty()) return;
    if (MenuChecked(MMCurrentBasePath)) request.basePath = UserBasePath;
    request.owner = Handle();
    const ConversionResult result = ConvertPathInput(request);
    if (result.error != 0) {
        ShowConversionError(result.error);
        return;
    }
    ReportBatch batch(output_);
    if (!result.report.empty()) {
        output_.AppendOutputLine(result.report);
        ::SetFocus(memo_);
        output_.ScrollCaretIntoView();
    }
    if (!result.knownFolderNote.empty()) {
        output_.AppendOutputLine(result.knownFolderNote);
        output_.ScrollByLines(output_.LineCount());
    }
    AddToConvertedPaths(request.input);
    output_.AppendOutputLine({});
    batch.Finish();
}

// Newest first; a text already in the list keeps its place.
void TForm1::AddToConvertedPaths(const std::string& input) {
    const ComboBox pathBox = FileNameComboBox1();
    if (pathBox.IndexOf(input) < 0) pathBox.Insert(0, input);
    const ComboBox findBox = FindEdit1();
    const std::string addPaths = ResString(IDS_ADD_CONVERTED_PATHS);
    if (pathBox.Count() > 0 && findBox.IndexOf(addPaths) < 0) findBox.Add(addPaths);
    UpdateHistoryClearCommands();
}

void TForm1::ShowConversionError(uint32_t error) {
    if (!Config()->TipPathNotFound()) return;
    fieldBalloon_.Show(fileNameComboBox_, ResString(IDS_CONVERT_ERROR_TITLE), BuildConversionErrorText(error),
                       btmtError);
}

void TForm1::ShowInvalidPathBalloon() {
    if (!Config()->TipInvalidPathSyntax()) return;
    fieldBalloon_.Show(fileNameComboBox_, ResString(IDS_INVALID_PATH_TITLE), ResString(IDS_INVALID_PATH_TEXT),
                       btmtWarning);
}

void TForm1::OnFileNameComboBoxChange() {
    fieldBalloon_.Hide();  // typing answers the last balloon
    RefreshEditCommands(fileNameComboBox_);
    MirrorContextMenu();
    const ComboBox pathBox = FileNameComboBox1();
    bool enabled = false;
    if (!Memo1().ReadOnly() && !pathBox.Empty()) {
        const int count = pathBox.Count();
        const std::string text = pathBox.Text();
        if (count > 1 && pathBox.SelectedIndex() == count - 1 &&
            SameTextNoCase(text, ResString(IDS_CLEAR_THIS_LIST))) {
            ClearFileNamesList();
        } else if (IsValidPathText(text).valid) {
            enabled = true;
        } else {
            ShowInvalidPathBalloon();
        }
    }
    SetMenuEnabled(MMActionConvert, enabled);
    SetMenuEnabled(MMActionCreateRelPath, enabled);
    ::EnableWindow(convertButton_, MenuEnabled(MMActionConvert));
}

void TForm1::ClearFileNamesList() {
    FileNameComboBox1().Clear();
    const ComboBox findBox = FindEdit1();
    const int addIndex = findBox.IndexOf(ResString(IDS_ADD_CONVERTED_PATHS));
    if (addIndex >= 0) findBox.Delete(addIndex);
    // After both lists changed, so that the search history's Clear List sees its last item go.
    UpdateHistoryClearCommands();
}

void TForm1::SelectFileOrFolder() {
    const std::string path = BrowseForFileOrFolder(Handle(), ResString(IDS_BROWSE_INSTRUCTION), kBrowseFilesAndFolders);
    if (path.empty()) return;
    FileNameComboBox1().SetText(path);
    if (!IsValidPathText(path).valid) ShowInvalidPathBalloon();
    OnFileNameComboBoxChange();
}

// A text and an empty line per existing file; the caret goes to the last error text.
void TForm1::ConvertDroppedFiles(const StringList& paths) {
    const std::vector<DroppedFileText> texts = zem::ConvertDroppedFiles(paths);
    ReportBatch batch(output_);
    int lastFailedLine = -1;
    for (const DroppedFileText& converted : texts) {
        if (converted.failed) lastFailedLine = output_.NextLineIndex();
        output_.AppendOutputLine(converted.text);
        output_.AppendOutputLine({});
    }
    batch.Finish();
    if (lastFailedLine < 0) return;
    output_.SetCaretAtLineStart(lastFailedLine, 3);
    ::PostMessageA(Handle(), UM_DROP_CONVERSION_FAILED, 0, lastFailedLine + 1);
}

void TForm1::ListSpecialFolder() {
    ReportBatch batch(output_);
    output_.AppendOutputLines(ListSpecialFolderLines(Handle()));
    batch.Finish();
}

void TForm1::ListEnvironmentVarPaths() {
    ReportBatch batch(output_);
    output_.AppendOutputLines(ListEnvironmentVarPathsLines());
    batch.Finish();
}

void TForm1::ShowEditorErrorBalloon(BYTE icon, const std::string& title, const std::string& text) {
    if (!balloon_) balloon_ = std::make_unique<EditorErrorBalloon>(memo_, Handle(), IDT_BALLOONTIPTIMER1);
    balloon_->Show(icon, title, text);
}

void TForm1::HideBalloonTip() {
    if (balloon_) balloon_->Hide();
}

void TForm1::FollowBalloonTip() {
    if (balloon_) balloon_->Follow();
}

}  // namespace zem
