// The editor's selection: the selected path that the shell commands act on, the editing
// commands it enables, and the status bar's Line, Col and Path panels.
#include "app/main_window.h"

#include <shlwapi.h>

#include "resource.h"

namespace zem {
namespace {

constexpr UINT kShellCommands[] = {MMFileOpen,          MMFileOpenWith,         MMFileOpenLocation,
                                   MMFileOpenInConsole, MMFileOpenInPowerShell, MMFileProperties};
constexpr int kPathPanel = 3;
constexpr size_t kMaxCompactedInput = 259;

}  // namespace

SelectedPath TForm1::GetSelectedPath() const {
    SelectedPath selected;
    selected.path = CleanSelectedPath(WideToMultiByte(Memo1().SelectedWideText()));
    const std::string& path = selected.path;
    // A zero character would cut the path short for the system: such a path never exists.
    selected.exists = !path.empty() && path.size() < 32768 && path.find('\0') == std::string::npos &&
                      ::PathFileExistsA(path.c_str());
    selected.isFile = selected.exists && IsExistingFile(path);
    return selected;
}

void TForm1::OnOutputMemoSelChange() {
    for (UINT id : kShellCommands) SetMenuEnabled(id, false);
    for (UINT id : {MMEditCut, MMEditCopy, MMEditDelete, MMEditSelAll, MMEditClearSel}) SetMenuEnabled(id, false);
    CHARRANGE selection{};
    Memo1().GetSelection(selection);
    selectionIsPath_ = false;
    if (selection.cpMax <= selection.cpMin) {
        SetMenuEnabled(MMEditSelAll, true);
    } else {
        const SelectedPath selected = GetSelectedPath();
        selectionIsPath_ = selected.exists;
        const bool writable = !Memo1().ReadOnly();
        SetMenuEnabled(MMEditCut, writable);
        SetMenuEnabled(MMEditDelete, writable);
        SetMenuEnabled(MMEditCopy, true);
        SetMenuEnabled(MMEditSelAll, selection.cpMax - selection.cpMin < Memo1().TextLength());
        SetMenuEnabled(MMEditClearSel, true);
        if (selected.exists) {
            SetMenuEnabled(MMFileOpen, true);
            SetMenuEnabled(MMFileOpenWith, selected.isFile);
            SetMenuEnabled(MMFileOpenLocation, true);
            SetMenuEnabled(MMFileOpenInConsole, !selected.isFile);
            SetMenuEnabled(MMFileOpenInPowerShell, !selected.isFile && PowerShellAvailable);
            SetMenuEnabled(MMFileProperties, true);
        }
    }
    if (selectionIsPath_) {
        OnStatusBarResize();
    } else {
        StatusBar1().SetText(kPathPanel, ResString(IDS_STATUS_PATH) + " ");
    }
    HideBalloonTip();
    ShowCaretPosition();
    MirrorContextMenu();
}

void TForm1::ShowCaretPosition() {
    CHARRANGE selection{};
    Memo1().GetSelection(selection);
    const auto line = static_cast<LONG>(::SendMessageA(memo_, EM_EXLINEFROMCHAR, 0, selection.cpMax));
    const auto lineStart = static_cast<LONG>(::SendMessageA(memo_, EM_LINEINDEX, static_cast<WPARAM>(line), 0));
    StatusBar1().SetText(0, ResString(IDS_STATUS_LINE) + " " + std::to_string(line + 1));
    StatusBar1().SetText(1, ResString(IDS_STATUS_COL) + " " + std::to_string(selection.cpMax - lineStart + 1));
}

void TForm1::OnStatusBarResize() {
    CHARRANGE selection{};
    Memo1().GetSelection(selection);
    if (!selectionIsPath_ || selection.cpMax <= selection.cpMin) return;
    std::string text = WideToMultiByte(Memo1().SelectedWideText());
    if (text.size() > kMaxCompactedInput) text.resize(kMaxCompactedInput);
    RECT panel{};
    ::SendMessageA(statusBar_, SB_GETRECT, kPathPanel, reinterpret_cast<LPARAM>(&panel));
    const std::string prefix = ResString(IDS_STATUS_PATH) + " ";
    const HDC dc = ::GetDC(statusBar_);
    const HGDIOBJ oldFont = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageA(statusBar_, WM_GETFONT, 0, 0)));
    SIZE prefixSize{};
    ::GetTextExtentPoint32A(dc, prefix.c_str(), static_cast<int>(prefix.size()), &prefixSize);
    text.resize(MAX_PATH + 1);
    const BOOL compacted = ::PathCompactPathA(dc, text.data(), static_cast<UINT>(std::max<LONG>(0, panel.right - panel.left - prefixSize.cx - 8)));
    ::SelectObject(dc, oldFont);
    ::ReleaseDC(statusBar_, dc);
    if (compacted) StatusBar1().SetText(kPathPanel, prefix + text.c_str());
}

}  // namespace zem
