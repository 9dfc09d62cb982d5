// TForm1, the main window: the host that owns the program's long-lived objects, restores
// settings when first shown, saves them when closed, and dispatches every command.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "app/command_line.h"
#include "app/command_table.h"
#include "base/controls.h"
#include "base/menu.h"
#include "base/shortcuts.h"
#include "base/unique.h"
#include "base/window.h"
#include "config/app_config.h"
#include "config/history_prefetch.h"
#include "config/suppressible_dialogs.h"
#include "config/recent_files.h"
#include "editor/editor_balloon.h"
#include "editor/editor_hook.h"
#include "editor/ole_callback.h"
#include "editor/report_output.h"
#include "editor/shell_actions.h"
#include "folders/redirection.h"
#include "info/help.h"
#include "info/url_info.h"
#include "ui/auto_complete.h"
#include "ui/control_hint.h"
#include "ui/drop_text_source.h"
#include "ui/drop_text_target.h"
#include "ui/field_balloon.h"

namespace zem {

// The path selected in the output editor, as the shell commands see it.
struct SelectedPath {
    std::string path;  // the selection without line breaks, unquoted
    bool exists = false;
    bool isFile = false;
};

class TForm1 : public Window {
public:
    // `commandLine`: the process's arguments, the program's path first; none by default.
    explicit TForm1(TZemCommanLineStrList commandLine = {});
    ~TForm1() override;

    // Creates the window (OnCreate runs); false when the window cannot be created.
    bool Create();
    // Shows the window; once it is visible OnShow runs. A help request or an erroneous command
    // line ends the program without showing the window.
    void Show(int showCommand);
    // The application-wide hook, keyboard shortcuts and dialog navigation for one queued
    // message; true when the message must not be dispatched.
    bool PreTranslateMessage(MSG& message);

    // File > Exit: asks the window to close; OnCloseQuery decides.
    void CloseApp();

    // Main-window state.
    std::string CurrentFileName;
    bool IsUnicodeFile = false;
    bool IsWow64 = false;
    bool PowerShellAvailable = false;
    std::string UserBasePath;
    TZemURLInfo URLInfo;
    TTarvelixAppConfig* Config() const { return config_.get(); }
    TTarvRecentEditorFileItems* RecentFiles() const { return recentFiles_.get(); }

    // Controls.
    ComboBox FileNameComboBox1() const { return ComboBox(fileNameComboBox_); }
    ComboBox FindEdit1() const { return ComboBox(findEdit_); }
    ComboBox LineNumComboBox1() const { return ComboBox(lineNumComboBox_); }
    EditField LineNumTextEdit1() const { return EditField(lineNumTextEdit_); }
    RichEdit Memo1() const { return RichEdit(memo_); }
    StatusBar StatusBar1() const { return StatusBar(statusBar_); }
    HWND ConvertButton1() const { return convertButton_; }
    HWND Panel1() const { return panel_; }
    HWND FindPanel1() const { return findPanel_; }
    HWND GoToPanel1() const { return goToPanel_; }
    HMENU MainMenu() const { return mainMenu_; }
    HMENU RichEditPopupMenu() const { return popupMenu_; }

    // Operations offered to the commands.
    void UpdateFileSysRedirMenu(bool enabledWish);
    // Makes the window the foreground window without moving or sizing it.
    void BringToFront();
    void RestoreZoom(uint32_t factor);
    void SetMenuEnabled(UINT id, bool enabled);
    bool MenuEnabled(UINT id) const { return MenuItemEnabled(mainMenu_, id); }
    bool MenuChecked(UINT id) const { return MenuItemChecked(mainMenu_, id); }
    void MirrorContextMenu();
    void RefreshEditCommands(HWND control);
    void RunCommand(UINT id);
    ReportOutput& Output() { return output_; }

    // Commands.
    void ConvertPathName();
    void ConvertDroppedFiles(const StringList& paths);
    void SelectFileOrFolder();
    void ListSpecialFolder();
    void ListEnvironmentVarPaths();
    void ClearFileNamesList();
    void ShowConversionError(uint32_t error);
    void ShowEditorErrorBalloon(BYTE icon, const std::string& title, const std::string& text);
    void HideBalloonTip();
    void ToggleReadOnly();
    // Replaces the document with a file; 0 or the error code.
    uint32_t LoadDocumentFile(const std::string& path, bool readOnly);
    void LoadRecentFile(int index);
    void ClearRecentFilesMenu();
    void RebuildRecentFilesMenu();
    void SaveOutputToFile();
    // Saves the document to `path`; on failure the error box is shown. 0 or the error code.
    uint32_t SaveDocumentAs(const std::string& path, bool unicode);
    void NewOutputFile();
    void LoadFile();
    void PrintOutput();
    // Options > Auto Complete > On and Off.
    void ActivateAutoComplete();
    void DeactivateAutoComplete();
    const PathAutoComplete& AutoComplete() const { return autoComplete_; }
    // Relative paths and the base path.
    void CreateRelativePath();
    void SelectBasePath();
    void ResetBasePath();
    void SetBasePathToAppPath();
    void SetBasePathToUserPath();
    // Find and go-to.
    void Find();
    void FindNext();
    void FindPrevious();
    void CloseFindPanel();
    void GoToLineNum();
    void CloseGoToPanel();
    void ClearSearchTextsList();
    void ClearGoToLineNumsList();
    void OnFindTextComboBoxChange();
    void OnLineNumComboBoxChange();
    void OnOutputMemoSelChange();
    void OnStatusBarResize();
    SelectedPath GetSelectedPath() const;
    void UpdateHistoryClearCommands();
    // Help and online access.
    void ShowHelp();
    void ShowHelpTopic(DWORD context);
    void ShowPreferencesDialog();
    void ShowAboutDialog();
    void OpenTarvelixHomePage();
    void CheckForUpdates();
    // The About dialog's consent question for a link; true when the user allows going online.
    bool OnAboutDlgLinkClick(const std::string& address);
    // Replaces the shell for the actions on the selected path (tests record instead); null: the shell.
    void UseShellLauncher(ShellLauncher* launcher);
    // Replaces the platform's help viewer (tests record the requests instead).
    void UseHelpViewer(std::unique_ptr<HelpViewer> viewer);
    void SaveOutputAs();
    void SetDocumentFileName(const std::string& path);
    void UpdateReadOnlyDependentCommands();
    const EditorErrorBalloon* Balloon() const { return balloon_.get(); }
    const TZemRichEditOleCallback* OleCallback() const { return oleCallback_.get(); }
    // The drop targets of the path box and the search box.
    TDropTextTarget& DropTextTarget1() { return dropTextTarget1_; }
    TDropTextTarget& DropTextTarget2() { return dropTextTarget2_; }
    // The balloon on the path box and the other edit fields.
    FieldBalloon& FieldBalloonTip() { return fieldBalloon_; }
    // The hint of the line-text field: the previewed line, or why there is none.
    const std::string& LineTextHint() const { return lineTextHint_.Text(); }

    // Event handlers.
    void OnEnter();
    void OnExit();
    void OnComboBoxEnter(HWND comboBox);
    void OnComboBoxKeyUp(HWND comboBox, WPARAM key);
    void OnComboBoxExit(HWND comboBox);
    void OnFileNameComboBoxChange();
    void OnMainMenuEditClick();
    void OnMainMenuOptionsClick();

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnCreate();
    void OnShow();
    bool OnCloseQuery();
    void OnClose();
    void OnDestroy();
    void OnResize();
    bool OnAppMessage(const MSG& message);
    void OnPrivateMessage(UINT message, WPARAM wParam);
    void OnCommand(UINT id, UINT code, HWND control);
    void OnMenuPopup(HMENU menu);

    // Start-up and close steps.
    void EndWithoutWindow();
    void RestoreAutoComplete();
    void RestoreBasePathMenu();
    void RestoreConvertedPaths();
    void RestoreRecentFiles();
    void RestoreSearchTexts();
    void UpdatePseudoEntries();
    void LoadStartFile(const CommandLineResult& commandLine);
    void AssignZoomOutShortcut();
    void EnableStartCommands();
    void PersistSettings();

    // Layout.
    void CreateControls();
    void CreateMemo();
    // The editor's drop and scroll hook.
    void AttachEditorExtensions();
    // Replaces an editor holding a long text by a new, empty one with the same settings.
    void RenewEditorForLargeText();

    // Replacing the editor. A new control takes a text while hidden at the shown one's place;
    // only when the text is in do the hook, the OLE callback, the report output, focus and
    // layout move to it, so that a failed load leaves the shown editor as it was.
    HWND CreateEditorControl(DWORD visibility);
    HWND CreateSuccessorEditor(bool readOnly);
    void AdoptEditor(HWND editor);
    void LayoutControls();
    HWND CreateChild(HWND parent, const char* className, const std::string& text, DWORD style, int id,
                     DWORD exStyle = 0);

    void RegisterCommands();
    void RegisterSystemCommands();
    void RunShellAction(ShellCommand command);
    void AddToConvertedPaths(const std::string& input);
    void ShowInvalidPathBalloon();
    void ShowDocumentError(UINT format, const std::string& path, uint32_t error, DWORD helpContext);
    // The error box with the document shown as `shownName` rather than its compacted path.
    void ShowNamedDocumentError(UINT format, const std::string& shownName, uint32_t error, DWORD helpContext);
    HelpViewer& Help();
    void OnHelpRequest(const HELPINFO& request);
    void GoOnline(OnlineStep step);
    void SearchOutput(bool forward);
    void ShowUserBasePath();
    void RegisterDropTargets();
    void OnDropText(HWND comboBox, const std::string& text, POINT point);
    bool OnTextDragMessage(const MSG& message);
    bool IsOnSelectedText(HWND field, POINT clientPoint) const;
    void SetMatchPanelWidth(int width);
    std::wstring WordAtCaret() const;
    void AddConvertedPathsToSearchHistory();
    int OutputLineCount() const;
    int LineNumberInBox() const;
    bool IsOutputLineNumber(int number) const;
    std::string OutputLineText(int index) const;
    void ShowCaretPosition();
    void StoreGoToHistory();
    void OnMemoChange();
    void OnOutputMemoChange();
    bool AskBeforeLoading();
    bool AskBeforeClosing();
    void ReplaceDocument();
    void FinishDocumentLoad(const std::string& path);
    // The document has a name and nothing left to save.
    bool SaveSucceeded() const;
    void ShowLineNumbersOf(const TTarvRecentEditorFileItem& entry);
    void FollowBalloonTip();
    void SetZoomLevel(UINT command);
    void ZoomIn();
    void ZoomOut();
    void RunEditCommand(UINT id);
    HWND FocusedTextField() const;

    TZemCommanLineStrList commandLine_;
    CommandLineResult startCommandLine_;
    // What start-up could read from the store. Closing writes back only these, so a stored
    // value that could not be read (of the wrong type) is never blanked or deleted.
    struct StoreReads {
        bool basePath = false;
        bool convertedPaths = false;
        bool searchTexts = false;
        bool editorFiles = false;
    } storeRead_;
    std::unique_ptr<TTarvelixAppConfig> config_;
    std::optional<HistoryPrefetch> historyPrefetch_;  // started before the window is built
    std::unique_ptr<TTarvRecentEditorFileItems> recentFiles_;
    CommandTable commands_;
    ReportOutput output_;
    EditorHook editorHook_;
    std::unique_ptr<TZemTarvelixREOleCallback> oleCallback_;
    std::unique_ptr<EditorErrorBalloon> balloon_;
    FieldBalloon fieldBalloon_;
    ControlHint lineTextHint_;
    PathAutoComplete autoComplete_;
    TDropTextTarget dropTextTarget1_;  // the path box
    TDropTextTarget dropTextTarget2_;  // the search box
    KeyboardShortcuts shortcuts_;
    UniqueHModule richEditLibrary_;
    std::unique_ptr<HelpViewer> helpViewer_;
    ShellLauncher* shellLauncher_ = nullptr;
    FileSysRedirection fsRedirection_;
    // The help context of the common dialog being shown, for its Help button.
    DWORD dialogHelpContext_ = 0;
    UniqueGdiObject memoFont_;
    UniqueHMenu popupMenuOwner_;
    HMENU mainMenu_ = nullptr;
    HMENU popupMenu_ = nullptr;
    HideableMenuItem currentBasePathItem_;
    bool shown_ = false;
    bool selectionIsPath_ = false;       // the status bar's note: the selection is an existing path
    bool editorRefreshPending_ = false;  // a refresh of the editing commands is posted
    std::string saveAsName_ = "ZemFileNameConversionOuput";
    // A Shift-drag of selected text that may start: the field and where the button went down.
    HWND dragField_ = nullptr;
    POINT dragStart_{};
    TDropTextSource dropTextSource1_{dtCopy | dtMove};

    HWND panel_ = nullptr, pathLabel_ = nullptr, fileNameComboBox_ = nullptr, browseButton_ = nullptr,
         convertButton_ = nullptr, memo_ = nullptr;
    HWND findPanel_ = nullptr, findLabel_ = nullptr, findEdit_ = nullptr, searchDownButton_ = nullptr,
         searchUpButton_ = nullptr, caseSensitiveCheckBox_ = nullptr, closeFindButton_ = nullptr;
    HWND goToPanel_ = nullptr, lineNumComboBox_ = nullptr, goToButton_ = nullptr, lineNumTextEdit_ = nullptr,
         closeGoToButton_ = nullptr;
    HWND statusBar_ = nullptr;
};

// The shell's compaction of a path for captions, menu items and messages: at most 61
// characters; empty when it fails.
std::string CompactPath(const std::string& path);

// Clears a file's read-only attribute; 0, or the system's error code.
uint32_t ClearReadOnlyAttribute(const std::string& path);

// Runs the message loop of `form` until a quit message arrives; returns its exit code.
int RunMessageLoop(TForm1& form);

}  // namespace zem
