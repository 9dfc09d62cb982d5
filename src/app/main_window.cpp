#include "app/main_window.h"

#include <shlwapi.h>
#include <windowsx.h>

#include "app/help_contexts.h"
#include "app/private_messages.h"
#include "base/system.h"
#include "editor/zoom.h"
#include "resource.h"
#include "ui/file_dialog.h"

namespace zem {

namespace {

constexpr char kWindowClass[] = "TForm1";
constexpr int kInitialWidth = 640;
constexpr int kInitialHeight = 421;
// The shell's compaction of paths for captions and menu items: a 62-character buffer.
constexpr UINT kCompactBuffer = 62;

}  // namespace

std::string CompactPath(const std::string& path) {
    // The wide call: the ANSI one copies the path into a buffer of MAX_PATH characters.
    wchar_t buffer[kCompactBuffer] = {};
    return ::PathCompactPathExW(buffer, MultiByteToWide(path).c_str(), kCompactBuffer, 0) ? WideToMultiByte(buffer)
                                                                                          : std::string();
}

TForm1::TForm1(TZemCommanLineStrList commandLine) : commandLine_(std::move(commandLine)) {}

TForm1::~TForm1() {
    if (Handle()) ::DestroyWindow(Handle());
}

bool TForm1::Create() {
    historyPrefetch_.emplace();
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
        case UM_FIRST_SHOW:
            OnShow();
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
            // The window is not visible yet: the first-show work waits until it is, so that
            // every box it shows stands over the window.
            if (wParam && !shown_) {
                shown_ = true;
                ::PostMessageA(Handle(), UM_FIRST_SHOW, 0, 0);
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
            if (message == FileDialogHelpMessage()) {
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
