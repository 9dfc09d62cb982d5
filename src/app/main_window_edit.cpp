// Edit commands on whichever text field has the focus, and the rules that enable them.
#include <windowsx.h>

#include "app/main_window.h"
#include "base/clipboard.h"
#include "resource.h"

namespace zem {

namespace {

bool HasSelection(const EditField& field) {
    DWORD start = 0, end = 0;
    field.GetSelection(start, end);
    return end > start;
}

}  // namespace

HWND TForm1::FocusedTextField() const {
    HWND focus = ::GetFocus();
    for (HWND box : {fileNameComboBox_, findEdit_, lineNumComboBox_}) {
        if (focus == box || focus == ComboBox(box).EditHandle()) return box;
    }
    if (focus == memo_ || focus == lineNumTextEdit_) return focus;
    return nullptr;
}

void TForm1::RunEditCommand(UINT id) {
    HWND control = FocusedTextField();
    if (!control) return;
    const bool isCombo = control == fileNameComboBox_ || control == findEdit_ || control == lineNumComboBox_;
    HWND target = isCombo ? ComboBox(control).EditHandle() : control;
    const bool isMemo = control == memo_;
    const bool isTextBox = control == fileNameComboBox_ || control == findEdit_;
    // The line-number box and the line-text field only select, copy and collapse.
    const bool limited = !isMemo && !isTextBox;
    if (limited && id != MMEditSelAll && id != MMEditClearSel && !(id == MMEditCopy && control == lineNumTextEdit_))
        return;

    DWORD start = 0, end = 0;
    EditField(target).GetSelection(start, end);
    switch (id) {
        case MMEditUndo: ::SendMessageA(target, isMemo ? EM_UNDO : WM_UNDO, 0, 0); break;
        case MMEditRedo:
            if (isMemo) ::SendMessageA(target, EM_REDO, 0, 0);
            break;
        case MMEditCut: ::SendMessageA(target, WM_CUT, 0, 0); break;
        case MMEditCopy: ::SendMessageA(target, WM_COPY, 0, 0); break;
        case MMEditPaste: ::SendMessageA(target, WM_PASTE, 0, 0); break;
        case MMEditDelete:
            // Without a selection the character after the caret goes.
            if (start == end) ::SendMessageA(target, EM_SETSEL, start, start + 1);
            ::SendMessageA(target, WM_CLEAR, 0, 0);
            break;
        case MMEditSelAll: ::SendMessageA(target, EM_SETSEL, 0, -1); break;
        case MMEditClearSel: ::SendMessageA(target, EM_SETSEL, end, end); break;
    }
    if (control == fileNameComboBox_ && id != MMEditCopy) OnFileNameComboBoxChange();
    if (isMemo || control == findEdit_) MirrorContextMenu();
    if (limited) RefreshEditCommands(control);
}

void TForm1::RefreshEditCommands(HWND control) {
    if (control == memo_) {
        const RichEdit memo = Memo1();
        SetMenuEnabled(MMEditUndo, memo.CanUndo());
        SetMenuEnabled(MMEditRedo, memo.CanRedo());
        const bool paste = !memo.ReadOnly() && ClipboardHasText();
        SetMenuEnabled(MMEditPaste, paste);
        const bool cut = paste && HasSelection(memo.Field());
        for (UINT id : {MMEditCut, MMEditCopy, MMEditDelete}) SetMenuEnabled(id, cut);
        const bool hasText = memo.TextLength() > 0;
        for (UINT id : {MMEditFind, MMEditFindNext, MMEditFindPrev, MMEditGoTo}) SetMenuEnabled(id, hasText);
        SetMenuEnabled(MMEditCloseFindPanel, ::IsWindowVisible(findPanel_) != FALSE);
        return;
    }
    const bool isCombo = control == fileNameComboBox_ || control == findEdit_ || control == lineNumComboBox_;
    if (!isCombo && control != lineNumTextEdit_) return;
    const EditField field = isCombo ? ComboBox(control).Edit() : EditField(control);
    const bool readOnly = !isCombo && field.ReadOnly();
    DWORD start = 0, end = 0;
    field.GetSelection(start, end);
    const DWORD length = static_cast<DWORD>(field.TextLength());
    const bool sel = length > 0 && end > start;
    SetMenuEnabled(MMEditUndo, !readOnly && field.CanUndo());
    SetMenuEnabled(MMEditRedo, false);
    SetMenuEnabled(MMEditCopy, sel);
    SetMenuEnabled(MMEditClearSel, sel);
    SetMenuEnabled(MMEditCut, sel && !readOnly);
    if (!isCombo) SetMenuEnabled(MMEditPaste, sel && !readOnly);
    SetMenuEnabled(MMEditSelAll, end - start < length);
    SetMenuEnabled(MMEditDelete, start < length && !readOnly);
}

void TForm1::MirrorContextMenu() {
    for (const auto& twin : ContextMenuTwins()) {
        SetMenuItemEnabled(popupMenu_, twin.contextItem, MenuEnabled(twin.mainItem));
        if (twin.contextItem == RichEditPMReadOnly) {
            SetMenuItemChecked(popupMenu_, twin.contextItem, MenuChecked(twin.mainItem));
        }
    }
}

void TForm1::OnEnter() {
    const RichEdit memo = Memo1();
    bool editable = true;
    if (::GetFocus() == memo_) {
        SetMenuEnabled(MMEditUndo, memo.CanUndo());
        SetMenuEnabled(MMEditRedo, memo.CanRedo());
        SetMenuEnabled(MMFilePrint, true);
        editable = !memo.ReadOnly();
    } else {
        SetMenuEnabled(MMFilePrint, false);
    }
    const bool paste = editable && ClipboardHasText();
    SetMenuEnabled(MMEditPaste, paste);
    SetMenuItemEnabled(popupMenu_, RichEditPMPaste, MenuEnabled(MMEditPaste));
    const bool cut = paste && HasSelection(memo.Field());
    SetMenuEnabled(MMEditCut, cut);
    SetMenuEnabled(MMEditDelete, cut);
    MirrorContextMenu();
}

void TForm1::OnExit() {
    OnEnter();
    HideBalloonTip();
}

void TForm1::OnComboBoxEnter(HWND comboBox) {
    RefreshEditCommands(comboBox);
    SetMenuEnabled(MMEditSelAll, false);
    if (!ComboBox(comboBox).Empty()) SetMenuEnabled(MMEditClearSel, true);
    SetMenuEnabled(MMEditCopy, MenuEnabled(MMEditClearSel));
    SetMenuEnabled(MMEditCut, MenuEnabled(MMEditCopy));
    SetMenuEnabled(MMEditPaste, ClipboardHasText());
}

void TForm1::OnComboBoxKeyUp(HWND comboBox, WPARAM key) {
    if (comboBox == fileNameComboBox_ && MenuChecked(MMOptionsAutocompleteOn) && key == VK_ESCAPE &&
        ::SendMessageA(comboBox, CB_GETDROPPEDSTATE, 0, 0)) {
        ::SendMessageA(comboBox, CB_SHOWDROPDOWN, FALSE, 0);
    }
    RefreshEditCommands(comboBox);
}

void TForm1::OnComboBoxExit(HWND comboBox) { RefreshEditCommands(comboBox); }

void TForm1::OnMainMenuEditClick() { RefreshEditCommands(FocusedTextField()); }

}  // namespace zem
