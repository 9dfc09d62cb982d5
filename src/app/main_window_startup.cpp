// What the main window does when it is first shown and when it closes: settings and history
// lists restored from the store and written back, the command line and the start file.
// Every step is guarded on its own, so one unreadable setting costs only its own step, and
// closing writes back only what start-up could read.
#include "app/main_window.h"

#include "app/help_contexts.h"
#include "app/usage_dialog.h"
#include "editor/document_file.h"
#include "engine/path_forms.h"
#include "folders/name_creation.h"
#include "info/info_header.h"
#include "resource.h"

namespace zem {

namespace {

// A help request or an erroneous command line ends the program before its window is shown.
bool EndsAtOnce(CommandLineMode mode) {
    return mode != CommandLineMode::NoArguments && mode != CommandLineMode::FileNamed;
}

}  // namespace

void TForm1::Show(int showCommand) {
    startCommandLine_ = ParseCommandLine(commandLine_);
    if (EndsAtOnce(startCommandLine_.mode)) {
        EndWithoutWindow();
        return;
    }
    ::ShowWindow(Handle(), showCommand);
    ::UpdateWindow(Handle());
}

void TForm1::EndWithoutWindow() {
    RunEachGuarded({
        [this] {
            if (startCommandLine_.mode != CommandLineMode::HelpRequested) {
                ShowPlainMessage(ResString(IDS_ERRONEOUS_COMMAND_LINE));
                return;
            }
            ShowUsageDialog(Handle(), [this](DWORD context) { ShowHelpTopic(context); });
        },
        // Before the quit message: a modal box ends at once while one is queued.
        [this] { ShowStartup8Dot3Notice(Handle()); },
    });
    ::PostQuitMessage(static_cast<int>(startCommandLine_.code));
}

void TForm1::OnShow() {
    RunEachGuarded({
        [this] {
            ::ShowWindow(panel_, SW_SHOW);
            LayoutControls();
        },
        [this] {
            output_.Attach(memo_);
            InsertAppAndLogInfo(output_, IsWow64);
            Memo1().SetModified(false);  // the header alone is no change to save
        },
        [this] { AttachEditorExtensions(); },
        [this] { RestoreAutoComplete(); },
        [this] {
            UpdateFileSysRedirMenu(ReadGuarded([this] { return Config()->FileSystemRedirection(); }).value_or(true));
        },
        [this] { RestoreBasePathMenu(); },
        [this] {
            ::SendMessageW(FileNameComboBox1().EditHandle(), EM_SETCUEBANNER, FALSE,
                           reinterpret_cast<LPARAM>(MultiByteToWide(ResString(IDS_PATH_CUE_BANNER)).c_str()));
        },
        [this] { RestoreConvertedPaths(); },
        [this] { RestoreRecentFiles(); },
        [this] { RestoreSearchTexts(); },
        [this] { UpdatePseudoEntries(); },
        // Zoomed before the start file comes in: zooming a long text lays all of it out again.
        [this] { RestoreZoom(ReadGuarded([this] { return Config()->ZoomFactor(); }).value_or(kDefaultZoomFactor)); },
        [this] { LoadStartFile(startCommandLine_); },
        [this] { AssignZoomOutShortcut(); },
        [this] { EnableStartCommands(); },
        [this] { ShowStartup8Dot3Notice(Handle()); },
    });
}

void TForm1::RestoreAutoComplete() {
    for (UINT id : {MMOptionsAutocompleteOn, MMOptionsAutocompleteOff}) SetMenuEnabled(id, true);
    if (ReadGuarded([this] { return Config()->AutoComplete(); }).value_or(false)) ActivateAutoComplete();
}

void TForm1::RestoreBasePathMenu() {
    const auto basePath = ReadGuarded([this] { return Config()->BasePath(); });
    storeRead_.basePath = basePath.has_value();
    UserBasePath = basePath.value_or(std::string());
    if (!UserBasePath.empty()) {
        ShowUserBasePath();
        return;
    }
    currentBasePathItem_.SetVisible(false);
    CheckRadioItem(mainMenu_, MMBasePathExeDir);
    SetMenuEnabled(MMResetBasePath, false);
}

void TForm1::RestoreConvertedPaths() {
    auto paths = historyPrefetch_->TakeConvertedPaths();
    if (!paths) paths = ReadGuarded([this] { return Config()->ReadConvertedPaths(); });
    storeRead_.convertedPaths = paths.has_value();
    if (!paths) return;
    const ComboBox pathBox = FileNameComboBox1();
    CaseInsensitiveSet listed(pathBox.Items());
    const RedrawSuspended redraw(pathBox.Handle());  // a box repaints after every item otherwise
    for (const auto& path : *paths) {
        if (listed.Insert(path)) pathBox.Add(path);
    }
}

void TForm1::RestoreRecentFiles() {
    const auto files = ReadGuarded([this] { return Config()->ReadEditorFiles(); });
    storeRead_.editorFiles = files.has_value();
    if (files) recentFiles_->FromStrings(*files);
    RunGuarded([this] { recentFiles_->LoadLineNumbers(*Config()); });
    RebuildRecentFilesMenu();
}

void TForm1::RestoreSearchTexts() {
    auto texts = historyPrefetch_->TakeSearchTexts();
    if (!texts) texts = ReadGuarded([this] { return Config()->ReadSearchTexts(); });
    storeRead_.searchTexts = texts.has_value();
    if (!texts) return;
    const ComboBox findBox = FindEdit1();
    const RedrawSuspended redraw(findBox.Handle());
    findBox.Clear();
    for (const auto& text : *texts) findBox.Add(text);
}

void TForm1::UpdatePseudoEntries() {
    const ComboBox pathBox = FileNameComboBox1();
    const ComboBox findBox = FindEdit1();
    const std::string addPaths = ResString(IDS_ADD_CONVERTED_PATHS);
    const std::string clearList = ResString(IDS_CLEAR_THIS_LIST);
    const int addIndex = findBox.IndexOf(addPaths);
    if (pathBox.Count() == 0) {
        if (addIndex >= 0) findBox.Delete(addIndex);
        return;
    }
    if (addIndex < 0) findBox.Add(addPaths);
    if (pathBox.IndexOf(clearList) < 0) pathBox.Add(clearList);
}

// The start file: the one named on the command line, else the stored default editor file.
void TForm1::LoadStartFile(const CommandLineResult& commandLine) {
    uint32_t result = commandLine.code;
    if (result != 0) ShowCommandLineError(Handle(), result, commandLine.errorIndex, commandLine.errorArgument);
    const std::string named = commandLine.mode == CommandLineMode::FileNamed
                                  ? commandLine.file
                                  : ReadGuarded([this] { return Config()->DefEditorFile(); }).value_or("");
    // The caption and the recent files name the file by its full path, even when it was named
    // relative to the current folder.
    const std::string fullPath = named.empty() ? std::string() : GetFullPathForm(named);
    const std::string& startFile = fullPath.empty() ? named : fullPath;
    const bool readOnly = commandLine.readOnly || HasReadOnlyAttribute(startFile);
    if (!startFile.empty()) result = LoadDocumentFile(startFile, readOnly);
    if (result == 0) {
        UpdateReadOnlyDependentCommands();
        if (!startFile.empty()) {
            RecentFiles()->InsertUniqueAt(0, startFile);
            RecentFiles()->Move(RecentFiles()->IndexOfFile(startFile), 0);
            ShowLineNumbersOf((*RecentFiles())[0]);
        }
        RebuildRecentFilesMenu();
        UpdateHistoryClearCommands();
    }
    if (result != 0 && !startFile.empty()) {
        ShowDocumentError(IDS_LOAD_ERROR, startFile, result, kLoadErrorHelpContext);
    }
}

void TForm1::AssignZoomOutShortcut() {
    // The resource's accelerator syntax has no name for the main keyboard's minus key.
    shortcuts_.Add(FCONTROL, VK_OEM_MINUS, MMZoomOut);
    SetMenuItemCaption(mainMenu_, MMZoomOut, MenuItemCaption(mainMenu_, MMZoomOut) + "\tCtrl+-");
}

void TForm1::EnableStartCommands() {
    UpdateReadOnlyDependentCommands();
    for (UINT id : {MMFileSaveOutputAs, MMFileNew, MMFileLoad, MMHelpHelp, MMHelpHomePage, MMHelpCheckForUpdates,
                    MMSetBasePath, MMBasePathExeDir}) {
        SetMenuEnabled(id, true);
    }
}

bool TForm1::OnCloseQuery() {
    // A question that fails keeps the window and its document.
    if (!ReadGuarded([this] { return AskBeforeClosing(); }).value_or(false)) return false;
    PersistSettings();
    return true;
}

namespace {

// The box's items without its pseudo-entry, which is taken out of the box as well.
StringList ItemsWithout(const ComboBox& box, UINT pseudoEntry) {
    const int index = box.IndexOf(ResString(pseudoEntry));
    if (index >= 0) box.Delete(index);
    return box.Items();
}

}  // namespace

void TForm1::PersistSettings() {
    RunEachGuarded({
        [this] {
            if (storeRead_.basePath) Config()->SetBasePath(UserBasePath);
        },
        [this] {
            const StringList paths = ItemsWithout(FileNameComboBox1(), IDS_CLEAR_THIS_LIST);
            if (storeRead_.convertedPaths) Config()->WriteConvertedPaths(&paths);
        },
        [this] {
            const StringList searches = ItemsWithout(FindEdit1(), IDS_ADD_CONVERTED_PATHS);
            if (storeRead_.searchTexts) Config()->WriteSearchTexts(&searches);
        },
        [this] {
            if (!storeRead_.editorFiles) return;
            const StringList files = recentFiles_->ToStrings();
            Config()->WriteEditorFiles(&files);
        },
        [this] {
            if (auto* current = recentFiles_->FindFile(CurrentFileName)) {
                current->MergeLineNumbers(LineNumComboBox1().Items());
            }
        },
        [this] {
            if (storeRead_.editorFiles) recentFiles_->SaveLineNumbers(*Config());
        },
    });
}

}  // namespace zem
