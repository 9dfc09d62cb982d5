#include "app/main_window.h"

#include <shlwapi.h>
#include <windowsx.h>

#include "app/help_contexts.h"
#include "app/private_messages.h"
#include "app/usage_dialog.h"
#include "folders/name_creation.h"
#include "info/info_header.h"
#include "base/system.h"
#include "editor/document_file.h"
#include "editor/zoom.h"
#include "resource.h"

namespace zem {

namespace {

constexpr char kWindowClass[] = "TForm1";
constexpr int kInitialWidth = 640;
constexpr int kInitialHeight = 421;
// The shell's compaction of paths for captions and menu items: a 62-character buffer.
constexpr UINT kCompactBuffer = 62;

}  // namespace

std::string CompactPath(const std::string& path) {
    char buffer[kCompactBuffer] = {};
    return ::PathCompactPathExA(buffer, path.c_str(), kCompactBuffer, 0) ? std::string(buffer) : std::string();
}

TForm1::TForm1(TZemCommanLineStrList commandLine) : commandLine_(std::move(commandLine)) {}

TForm1::~TForm1() {
    if (Handle()) ::DestroyWindow(Handle());
}

bool TForm1::Create() {
    HICON icon = ::LoadIconA(::GetModuleHandleA(nullptr), "DEFICON1");
    RegisterClass(kWindowClass, icon, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    mainMenu_ = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINMENU));
    popupMenuOwner_.Reset(::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_RICHEDITPOPUP)));
    popupMenu_ = ::GetSubMenu(popupMenuOwner_.Get(), 0);
    const std::string caption = Format(ResString(IDS_CAPTION_FORMAT).c_str(), ResString(IDS_CAPTION_UNNAMED).c_str());
    return CreateWindowHandle(WS_EX_CONTROLPARENT, kWindowClass, caption.c_str(),
                              WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT, kInitialWidth,
                              kInitialHeight, nullptr, mainMenu_) != nullptr;
}

void TForm1::Show(int showCommand) {
    ::ShowWindow(Handle(), showCommand);
    ::UpdateWindow(Handle());
}

void TForm1::CloseApp() { ::PostMessageA(Handle(), WM_CLOSE, 0, 0); }

void TForm1::OnCreate() {
    CurrentFileName.clear();
    IsUnicodeFile = false;
    recentFiles_ = std::make_unique<TTarvRecentEditorFileItems>();
    // The application's icon; a failure to load it is ignored.
    if (HICON icon = ::LoadIconA(::GetModuleHandleA(nullptr), "DEFICON1")) {
        ::SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
        ::SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    }
    IsWow64 = QueryIsWow64();
    // Redirection is on at this point, so the 32-bit view of the registry is asked.
    PowerShellAvailable = zem::PowerShellAvailable(false);
    config_ = std::make_unique<TTarvelixAppConfig>();
    fieldBalloon_.SetTimer(Handle(), IDT_FIELDBALLOONTIMER);
    URLInfo.Clear();
    ::SetWindowContextHelpId(Handle(), kMainWindowHelpContext);
    RegisterDropTargets();
}

void TForm1::OnShow() {
    ::ShowWindow(panel_, SW_SHOW);
    LayoutControls();

    output_.Attach(memo_);
    InsertAppAndLogInfo(output_, IsWow64);
    Memo1().SetModified(false);  // the header alone is no change to save
    AttachEditorExtensions();
    for (UINT id : {MMOptionsAutocompleteOn, MMOptionsAutocompleteOff}) SetMenuEnabled(id, true);
    if (Config()->AutoComplete()) ActivateAutoComplete();
    UpdateFileSysRedirMenu(Config()->FileSystemRedirection());
    RestoreBasePathMenu();
    ::SendMessageA(FileNameComboBox1().EditHandle(), EM_SETCUEBANNER, FALSE,
                   reinterpret_cast<LPARAM>(MultiByteToWide(ResString(IDS_PATH_CUE_BANNER)).c_str()));
    RestoreHistoryLists();
    UpdatePseudoEntries();
    StartWithCommandLine();
    AssignZoomOutShortcut();
    UpdateReadOnlyDependentCommands();
    for (UINT id : {MMFileSaveOutputAs, MMFileNew, MMFileLoad, MMHelpHelp, MMHelpHomePage, MMHelpCheckForUpdates,
                    MMSetBasePath, MMBasePathExeDir}) {
        SetMenuEnabled(id, true);
    }
    ShowStartup8Dot3Notice(Handle());
}

void TForm1::AttachEditorExtensions() {
    editorHook_.Attach(memo_, {[this](const StringList& paths) { ConvertDroppedFiles(paths); },
                               [this] { FollowBalloonTip(); }});
    // A renewed editor gets a callback of its own; a refusal leaves the control's defaults.
    if (!oleCallback_ || oleCallback_->Control() != memo_) {
        oleCallback_ = std::make_unique<TZemTarvelixREOleCallback>(memo_, popupMenu_, Handle());
        oleCallback_->RegisterCallback();
    }
}

void TForm1::RenewEditorForLargeText() {
    // The control empties a long text in time quadratic in its length, but destroys it at once.
    constexpr int kLongText = 2000;
    if (Output().LineCount() < kLongText) return;
    AdoptEditor(CreateSuccessorEditor(Memo1().ReadOnly()));
}

void TForm1::RestoreBasePathMenu() {
    UserBasePath = Config()->BasePath();
    if (!UserBasePath.empty()) {
        ShowUserBasePath();
        return;
    }
    currentBasePathItem_.SetVisible(false);
    CheckRadioItem(mainMenu_, MMBasePathExeDir);
    SetMenuEnabled(MMResetBasePath, false);
}

void TForm1::RestoreHistoryLists() {
    const ComboBox pathBox = FileNameComboBox1();
    for (const auto& path : Config()->ReadConvertedPaths()) {
        if (pathBox.IndexOf(path) < 0) pathBox.Add(path);
    }
    recentFiles_->FromStrings(Config()->ReadEditorFiles());
    recentFiles_->LoadLineNumbers(*Config());
    RebuildRecentFilesMenu();
    const ComboBox findBox = FindEdit1();
    findBox.Clear();
    for (const auto& text : Config()->ReadSearchTexts()) findBox.Add(text);
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

void TForm1::StartWithCommandLine() {
    const CommandLineResult commandLine = ParseCommandLine(commandLine_);
    switch (commandLine.mode) {
        case CommandLineMode::NoArguments:
        case CommandLineMode::FileNamed: LoadStartFile(commandLine); break;
        case CommandLineMode::HelpRequested:
            HideBalloonTip();
            ShowUsageDialog(Handle(), [this](DWORD context) { ShowHelpTopic(context); });
            ::PostQuitMessage(static_cast<int>(commandLine.code));
            break;
        default:
            ShowPlainMessage(ResString(IDS_ERRONEOUS_COMMAND_LINE));
            ::PostQuitMessage(static_cast<int>(commandLine.code));
            break;
    }
}

// The start file: the one named on the command line, else the stored default editor file.
uint32_t TForm1::LoadStartFile(const CommandLineResult& commandLine) {
    uint32_t result = commandLine.code;
    if (result != 0) ShowCommandLineError(Handle(), result, commandLine.errorIndex, commandLine.errorArgument);
    const std::string startFile =
        commandLine.mode == CommandLineMode::FileNamed ? commandLine.file : Config()->DefEditorFile();
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
    RestoreZoom(Config()->ZoomFactor());
    if (result != 0 && !startFile.empty()) {
        ShowDocumentError(IDS_LOAD_ERROR, startFile, result, kLoadErrorHelpContext);
    }
    return result;
}

void TForm1::AssignZoomOutShortcut() {
    // The resource's accelerator syntax has no name for the main keyboard's minus key.
    shortcuts_.Add(FCONTROL, VK_OEM_MINUS, MMZoomOut);
    SetMenuItemCaption(mainMenu_, MMZoomOut, MenuItemCaption(mainMenu_, MMZoomOut) + "\tCtrl+-");
}

void TForm1::UpdateFileSysRedirMenu(bool enabledWish) {
    ::EnableMenuItem(mainMenu_, MMOptionsFileSysRedir, MF_BYCOMMAND | (IsWow64 ? MF_ENABLED : MF_GRAYED));
    SetMenuEnabled(MMOptionsFSRedirDisabled, IsWow64);
    SetMenuEnabled(MMOptionsFSRedirEnabled, IsWow64);
    if (IsWow64) {
        CheckRadioItem(mainMenu_, enabledWish ? MMOptionsFSRedirEnabled : MMOptionsFSRedirDisabled);
    } else {
        SetMenuItemChecked(mainMenu_, MMOptionsFSRedirEnabled, false);
        SetMenuItemChecked(mainMenu_, MMOptionsFSRedirDisabled, false);
    }
}

void TForm1::RestoreZoom(uint32_t factor) {
    const ZoomLevel* level = ZoomLevelByPacked(factor);
    SetZoomLevel(level ? level->command : DefaultZoomLevel().command);
}

bool TForm1::OnCloseQuery() {
    if (!AskBeforeClosing()) return false;
    PersistSettings();
    return true;
}

void TForm1::PersistSettings() {
    Config()->SetBasePath(UserBasePath);

    const ComboBox pathBox = FileNameComboBox1();
    const int clearIndex = pathBox.IndexOf(ResString(IDS_CLEAR_THIS_LIST));
    if (clearIndex >= 0) pathBox.Delete(clearIndex);
    const StringList paths = pathBox.Items();
    Config()->WriteConvertedPaths(&paths);

    const ComboBox findBox = FindEdit1();
    const int addIndex = findBox.IndexOf(ResString(IDS_ADD_CONVERTED_PATHS));
    if (addIndex >= 0) findBox.Delete(addIndex);
    const StringList searches = findBox.Items();
    Config()->WriteSearchTexts(&searches);

    const StringList files = recentFiles_->ToStrings();
    Config()->WriteEditorFiles(&files);
    if (auto* current = recentFiles_->FindFile(CurrentFileName)) {
        current->MergeLineNumbers(LineNumComboBox1().Items());
    }
    recentFiles_->SaveLineNumbers(*Config());
}

void TForm1::OnClose() {
    if (oleCallback_) oleCallback_->UnregisterCallback();
    editorHook_.Detach();
}

void TForm1::OnDestroy() {
    URLInfo.Clear();
    autoComplete_.Release();
    dropTextTarget2_.UnregisterTarget();
    dropTextTarget1_.UnregisterTarget();
    recentFiles_.reset();
    config_.reset();
    ::PostQuitMessage(0);
}

void TForm1::OnResize() {
    LayoutControls();
    FollowBalloonTip();
    OnStatusBarResize();
    ::InvalidateRect(statusBar_, nullptr, TRUE);
}

void TForm1::OnPrivateMessage(UINT message, WPARAM wParam) {
    switch (message) {
        case UM_COMBO_CHANGED:
            if (reinterpret_cast<HWND>(wParam) == fileNameComboBox_) OnFileNameComboBoxChange();
            if (reinterpret_cast<HWND>(wParam) == findEdit_) OnFindTextComboBoxChange();
            if (reinterpret_cast<HWND>(wParam) == lineNumComboBox_) OnLineNumComboBoxChange();
            break;
        case UM_NEW_OUTPUT_FILE:
            RunCommand(MMFileNew);
            break;
        case UM_DROP_CONVERSION_FAILED:
            ShowEditorErrorBalloon(TTI_ERROR_LARGE, ResString(IDS_DROP_ERROR_TITLE), ResString(IDS_DROP_ERROR_TEXT));
            break;
        case UM_EDITOR_CHANGED:
            OnOutputMemoChange();
            break;
        case UM_URL_THREAD_DONE:
            URLInfo.Clear();
            break;
    }
}

LRESULT TForm1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            CreateControls();
            RegisterCommands();
            OnCreate();
            return 0;
        case WM_SHOWWINDOW:
            if (wParam && !shown_) {
                shown_ = true;
                OnShow();
            }
            break;
        case WM_CLOSE:
            if (OnCloseQuery()) {
                OnClose();
                ::DestroyWindow(Handle());
            }
            return 0;
        case WM_DESTROY:
            OnDestroy();
            return 0;
        case WM_SIZE:
            OnResize();
            return 0;
        case WM_ACTIVATEAPP:
            if (wParam) OnEnter();
            break;
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
            return 0;
        case WM_INITMENUPOPUP:
            if (!HIWORD(lParam)) OnMenuPopup(reinterpret_cast<HMENU>(wParam));
            break;
        case WM_CONTEXTMENU:
            if (reinterpret_cast<HWND>(wParam) == memo_) {
                ::TrackPopupMenu(popupMenu_, TPM_RIGHTBUTTON, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), 0,
                                 Handle(), nullptr);
                return 0;
            }
            break;
        case WM_TIMER:
            if (wParam == IDT_BALLOONTIPTIMER1) HideBalloonTip();
            if (wParam == IDT_FIELDBALLOONTIMER) fieldBalloon_.Hide();
            return 0;
        case WM_MOVE:
            FollowBalloonTip();
            break;
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header->hwndFrom == memo_ && header->code == EN_SELCHANGE) {
                RunGuarded([this] { OnOutputMemoSelChange(); });
                return 0;
            }
            break;
        }
        case WM_HELP:
            OnHelpRequest(*reinterpret_cast<const HELPINFO*>(lParam));
            return TRUE;  // the platform's own help is never called
        default:
            if (message == CommonDialogHelpMessage()) {
                ShowHelpTopic(dialogHelpContext_);
                return 0;
            }
            if (message >= UM_COMBO_CHANGED && message <= UM_URL_THREAD_DONE) {
                OnPrivateMessage(message, wParam);
                return 0;
            }
    }
    return DefaultProc(message, wParam, lParam);
}

void TForm1::OnCommand(UINT id, UINT code, HWND control) {
    if (!control) {
        RunCommand(id);
        return;
    }
    if (control == fileNameComboBox_ || control == findEdit_ || control == lineNumComboBox_) {
        switch (code) {
            case CBN_SETFOCUS: OnComboBoxEnter(control); break;
            case CBN_KILLFOCUS: OnComboBoxExit(control); break;
            case CBN_EDITCHANGE:
                if (control == fileNameComboBox_) OnFileNameComboBoxChange();
                if (control == findEdit_) OnFindTextComboBoxChange();
                if (control == lineNumComboBox_) OnLineNumComboBoxChange();
                break;
            case CBN_SELCHANGE:
                // The edit field shows the chosen item only after this notification.
                ::PostMessageA(Handle(), UM_COMBO_CHANGED, reinterpret_cast<WPARAM>(control), 0);
                break;
        }
        return;
    }
    if (control == memo_) {
        if (code == EN_SETFOCUS) OnEnter();
        if (code == EN_KILLFOCUS) OnExit();
        if (code == EN_VSCROLL || code == EN_HSCROLL) FollowBalloonTip();
        if (code == EN_CHANGE) OnMemoChange();
        return;
    }
    if (control == lineNumTextEdit_ && (code == EN_SETFOCUS || code == EN_KILLFOCUS)) {
        RefreshEditCommands(lineNumTextEdit_);
        return;
    }
    if (code != BN_CLICKED) return;
    if (control == convertButton_) RunCommand(MMActionConvert);
    if (control == browseButton_) RunCommand(MMFileBrowse);
    // The panels' buttons run their commands directly: a hidden panel's button cannot be clicked.
    if (control == searchDownButton_) RunGuarded([this] { FindNext(); });
    if (control == searchUpButton_) RunGuarded([this] { FindPrevious(); });
    if (control == closeFindButton_) RunGuarded([this] { CloseFindPanel(); });
    if (control == goToButton_) RunGuarded([this] { GoToLineNum(); });
    if (control == closeGoToButton_) RunGuarded([this] { CloseGoToPanel(); });
}

void TForm1::RunCommand(UINT id) {
    if (id >= MMRecentFileFirst && id <= MMRecentFileLast) {
        if (MenuItemEnabled(mainMenu_, id)) RunGuarded([&] { LoadRecentFile(static_cast<int>(id - MMRecentFileFirst)); });
        return;
    }
    const UINT mainId = MainMenuTwin(id);
    // A disabled command does nothing, whichever way it was invoked.
    if (!MenuItemEnabled(mainMenu_, mainId)) return;
    RunGuarded([&] { commands_.Run(mainId); });
}

void TForm1::OnMenuPopup(HMENU menu) {
    if (menu == SubMenuOf(mainMenu_, MainMenuEdit)) OnMainMenuEditClick();
    if (menu == SubMenuOf(mainMenu_, MainMenuOptions)) OnMainMenuOptionsClick();
}

void TForm1::SetMenuEnabled(UINT id, bool enabled) {
    SetMenuItemEnabled(mainMenu_, id, enabled && commands_.IsBuilt(id));
}

}  // namespace zem
