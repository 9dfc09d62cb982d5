// The Preferences dialog's values: reading them from the store, writing them back on OK,
// the defaults, and the choice of the default output file.
#include "app/preferences_dialog.h"

#include "base/controls.h"
#include "base/strings.h"
#include "resource.h"
#include "ui/file_dialog.h"

namespace zem {
namespace {

// Packed zoom factors in the order of the zoom list: 2/1, 3/2, 5/4, 1/1, 3/4, 1/2, 1/4.
constexpr uint32_t kZoomFactors[] = {0x00010002, 0x00020003, 0x00040005, 0x00010001,
                                     0x00040003, 0x00020001, 0x00040001};
constexpr int kZoomItemCount = static_cast<int>(std::size(kZoomFactors));
constexpr int kZoomItem100 = 3;

// A check box that shows a dialog switch: ticked while the dialog is not suppressed.
struct SwitchBox {
    int id;
    SuppressibleDialog dialog;
};
// In the order they are read: the Dialogs page, then the 8.3 Dialogs page.
constexpr SwitchBox kSwitchBoxes[] = {
    {IDC_SHOW_NEW_FILE_DLG, SuppressibleDialog::NewFile},
    {IDC_SHOW_LOAD_FILE_DLG, SuppressibleDialog::LoadFile},
    {IDC_SHOW_CLOSE_APP_DLG, SuppressibleDialog::CloseApp},
    {IDC_SHOW_GO_ONLINE_DLG, SuppressibleDialog::GoOnline},
    {IDC_SHOW_NO8DOT3_ALL_VOLS_DLG, SuppressibleDialog::No8Dot3AllVols},
    {IDC_SHOW_8DOT3_SYS_VOL_ONLY_DLG, SuppressibleDialog::No8Dot3ExceptSysVol},
    {IDC_SHOW_8DOT3_STARTUP_INFO_DLG, SuppressibleDialog::Startup8Dot3Info},
};

// A check box that shows a balloon-tip flag.
struct TipBox {
    int id;
    bool (TTarvelixAppConfig::*read)();
    void (TTarvelixAppConfig::*write)(bool);
};
constexpr TipBox kTipBoxes[] = {
    {IDC_TIP_PATH_NOT_FOUND, &TTarvelixAppConfig::TipPathNotFound, &TTarvelixAppConfig::SetTipPathNotFound},
    {IDC_TIP_INVALID_SYNTAX, &TTarvelixAppConfig::TipInvalidPathSyntax, &TTarvelixAppConfig::SetTipInvalidPathSyntax},
    {IDC_TIP_INVALID_LINE_NUM, &TTarvelixAppConfig::TipGoToInvalidLineNum,
     &TTarvelixAppConfig::SetTipGoToInvalidLineNum},
    {IDC_TIP_NO_TEXT, &TTarvelixAppConfig::TipNoTextInLine, &TTarvelixAppConfig::SetTipNoTextInLine},
};

// The check boxes that Restore Defaults ticks, the hidden one included.
constexpr int kDefaultTickedBoxes[] = {
    IDC_SHOW_NEW_FILE_DLG,         IDC_SHOW_LOAD_FILE_DLG,          IDC_SHOW_CLOSE_APP_DLG,
    IDC_SHOW_GO_ONLINE_DLG,        IDC_SHOW_CONVERT_ERR_DLG,        IDC_SHOW_NO8DOT3_ALL_VOLS_DLG,
    IDC_SHOW_8DOT3_SYS_VOL_ONLY_DLG, IDC_SHOW_8DOT3_STARTUP_INFO_DLG, IDC_TIP_PATH_NOT_FOUND,
    IDC_TIP_INVALID_SYNTAX,        IDC_TIP_INVALID_LINE_NUM,        IDC_TIP_NO_TEXT,
};

bool Checked(HWND box) { return ::SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }
void SetChecked(HWND box, bool checked) {
    ::SendMessageA(box, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}
int SelectedItem(HWND combo) { return ComboBox(combo).SelectedIndex(); }
void SelectItem(HWND combo, int index) { ::SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0); }

// Puts `text` at `index` of the list unless the list has it already (in any letter case).
void InsertUnlessPresent(const ComboBox& combo, int index, const std::string& text) {
    if (!text.empty() && combo.IndexOf(text) < 0) combo.Insert(index, text);
}

}  // namespace

int ZoomItemOfFactor(uint32_t factor) {
    for (int i = 0; i < kZoomItemCount; ++i) {
        if (kZoomFactors[i] == factor) return i;
    }
    return kZoomItem100;
}

uint32_t ZoomFactorOfItem(int item) {
    return item >= 0 && item < kZoomItemCount ? kZoomFactors[item] : kDefaultZoomFactor;
}

bool TTarvelixConfigDlg::RedirectionListEnabled() const {
    return ::IsWindowEnabled(Control(IDC_FILESYSREDIR_CFG_COMBO)) != FALSE;
}

void TTarvelixConfigDlg::ReadSettings() {
    SelectItem(Control(IDC_AUTOCOMPLETE_CFG_COMBO), store_->AutoComplete() ? 1 : 0);
    if (RedirectionListEnabled()) {
        SelectItem(Control(IDC_FILESYSREDIR_CFG_COMBO), store_->FileSystemRedirection() ? 0 : 1);
    }
    for (const SwitchBox& box : kSwitchBoxes) SetChecked(Control(box.id), !store_->DontShow(box.dialog));
    for (const TipBox& box : kTipBoxes) SetChecked(Control(box.id), (store_->*box.read)());
    ComboBox(Control(IDC_DEF_OUTPUT_FILE_COMBO)).SetText(store_->DefEditorFile());
    FillDefOutputFileList();
    SelectItem(Control(IDC_ZOOM_FACTORS_COMBO), ZoomItemOfFactor(store_->ZoomFactor()));
}

// The recent output files first, in their order, then the stored file on top; the item for
// "no file" stays last.
void TTarvelixConfigDlg::FillDefOutputFileList() {
    const ComboBox files(Control(IDC_DEF_OUTPUT_FILE_COMBO));
    const std::string current = files.Text();
    int position = 0;
    for (const std::string& file : store_->ReadEditorFiles()) {
        if (file.empty() || files.IndexOf(file) >= 0) continue;
        files.Insert(position++, file);
    }
    InsertUnlessPresent(files, 0, current);
}

void TTarvelixConfigDlg::Ok() {
    banner_.Stop();
    if (store_) WriteSettings();
    Close(IDOK);
}

void TTarvelixConfigDlg::WriteSettings() {
    store_->SetAutoComplete(SelectedItem(Control(IDC_AUTOCOMPLETE_CFG_COMBO)) == 1);
    if (RedirectionListEnabled()) {
        store_->SetFileSystemRedirection(SelectedItem(Control(IDC_FILESYSREDIR_CFG_COMBO)) != 1);
    }
    for (const SwitchBox& box : kSwitchBoxes) store_->SetDontShow(box.dialog, !Checked(Control(box.id)));
    for (const TipBox& box : kTipBoxes) (store_->*box.write)(Checked(Control(box.id)));
    store_->SetDefEditorFile(DefEditorFileToStore());
    store_->SetZoomFactor(ZoomFactorOfItem(SelectedItem(Control(IDC_ZOOM_FACTORS_COMBO))));
}

// Empty when the "no file" item is chosen from the list; typed text is stored as it stands.
std::string TTarvelixConfigDlg::DefEditorFileToStore() const {
    const ComboBox files(Control(IDC_DEF_OUTPUT_FILE_COMBO));
    const std::string text = files.Text();
    const int count = files.Count();
    const bool noFileChosen = count > 0 && files.SelectedIndex() == count - 1 &&
                              SameTextNoCase(text, ResString(IDS_PREF_NO_DEFAULT_FILE));
    return noFileChosen ? std::string() : text;
}

void TTarvelixConfigDlg::RestoreAppDefaults() {
    SelectItem(Control(IDC_AUTOCOMPLETE_CFG_COMBO), 0);
    if (RedirectionListEnabled()) SelectItem(Control(IDC_FILESYSREDIR_CFG_COMBO), 0);
    KeepDefOutputFileText();
    const ComboBox files(Control(IDC_DEF_OUTPUT_FILE_COMBO));
    SelectItem(files.Handle(), -1);
    files.SetText({});
    fileHint_.Set(files.Handle(), ResString(IDS_PREF_NO_FILE_SELECTED));
    SelectItem(Control(IDC_ZOOM_FACTORS_COMBO), ZoomItemOfFactor(kDefaultZoomFactor));
    for (int id : kDefaultTickedBoxes) SetChecked(Control(id), true);
}

void TTarvelixConfigDlg::KeepDefOutputFileText() const {
    const ComboBox files(Control(IDC_DEF_OUTPUT_FILE_COMBO));
    const std::string text = files.Text();
    InsertUnlessPresent(files, 0, text);
}

void TTarvelixConfigDlg::SelDefOutputFile() {
    FileDialog dialog(hwnd_, IDS_PREF_SELECT_TITLE, IDS_PREF_SELECT_FILTER,
                      OFN_SHOWHELP | OFN_ENABLESIZING | OFN_FILEMUSTEXIST | OFN_CREATEPROMPT | OFN_PATHMUSTEXIST);
    if (!dialog.Open()) return;
    const std::string path = dialog.Path();
    KeepDefOutputFileText();
    const ComboBox files(Control(IDC_DEF_OUTPUT_FILE_COMBO));
    files.SetText(path);
    fileHint_.Set(files.Handle(), path);
}

}  // namespace zem
