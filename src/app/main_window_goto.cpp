// The go-to panel: the line-number box with its history, the line preview, and going to a line.
#include "app/main_window.h"

#include "base/app_error.h"
#include "resource.h"
#include "ui/edit_balloon.h"

namespace zem {

int TForm1::OutputLineCount() const { return static_cast<int>(::SendMessageA(memo_, EM_GETLINECOUNT, 0, 0)); }

// The number in the line-number box: 0 when empty; a number beyond 32 bits is reported.
int TForm1::LineNumberInBox() const {
    const std::string text = LineNumComboBox1().Text();
    if (text.empty()) return 0;
    const std::optional<int32_t> number = ParseDecimal(text);
    if (!number) throw AppError(Format(ResString(IDS_NOT_AN_INTEGER).c_str(), text.c_str()));
    return *number;
}

// The control's count already holds the empty line after a final line break.
bool TForm1::IsOutputLineNumber(int number) const { return number >= 1 && number <= OutputLineCount(); }

std::string TForm1::OutputLineText(int index) const {
    const auto start = ::SendMessageA(memo_, EM_LINEINDEX, static_cast<WPARAM>(index), 0);
    if (start < 0) return {};
    const auto length = static_cast<size_t>(::SendMessageA(memo_, EM_LINELENGTH, static_cast<WPARAM>(start), 0));
    std::string line(std::max<size_t>(length * 2 + 2, sizeof(WORD)), '\0');
    *reinterpret_cast<WORD*>(line.data()) = static_cast<WORD>(std::min<size_t>(line.size(), 0xFFFF));
    line.resize(static_cast<size_t>(::SendMessageA(memo_, EM_GETLINE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(line.data()))));
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.pop_back();
    return line;
}

void TForm1::GoToLineNum() {
    const bool wasVisible = ::IsWindowVisible(goToPanel_) != FALSE;
    ::ShowWindow(goToPanel_, SW_SHOW);
    LayoutControls();
    const HWND edit = LineNumComboBox1().EditHandle();
    ::SetWindowLongA(edit, GWL_STYLE, ::GetWindowLongA(edit, GWL_STYLE) | ES_NUMBER);
    ::SetFocus(lineNumComboBox_);
    SetMenuEnabled(MMEditCloseGoToPanel, true);
    MirrorContextMenu();
    const int number = LineNumberInBox();
    if (!wasVisible || !IsOutputLineNumber(number)) return;
    const std::string text = LineNumComboBox1().Text();
    if (LineNumComboBox1().IndexOf(text) < 0) LineNumComboBox1().Add(text);
    UpdateHistoryClearCommands();
    CHARRANGE selection{};
    Memo1().GetSelection(selection);
    const auto caretLine = static_cast<int>(::SendMessageA(memo_, EM_EXLINEFROMCHAR, 0, selection.cpMax));
    ::SendMessageA(memo_, EM_LINESCROLL, 0, number - 1 - caretLine);
    auto start = static_cast<LONG>(::SendMessageA(memo_, EM_LINEINDEX, static_cast<WPARAM>(number - 1), 0));
    if (start < 0) start = Memo1().TextLength();  // the empty line after a final line break
    const auto length = static_cast<LONG>(::SendMessageA(memo_, EM_LINELENGTH, static_cast<WPARAM>(start), 0));
    Memo1().SetSelection(start, start + length);
    ::SetFocus(memo_);
}

void TForm1::OnLineNumComboBoxChange() {
    RefreshEditCommands(lineNumComboBox_);
    const EditField preview(lineNumTextEdit_);
    if (LineNumComboBox1().Empty()) {
        preview.SetText({});
        lineTextHint_.Set(lineNumTextEdit_, {});
        ::EnableWindow(goToButton_, FALSE);
        return;
    }
    const int number = LineNumberInBox();
    if (!IsOutputLineNumber(number)) {
        ::EnableWindow(goToButton_, FALSE);
        preview.SetText({});
        lineTextHint_.Set(lineNumTextEdit_, ResString(IDS_INVALID_LINE_TITLE));
        if (Config()->TipGoToInvalidLineNum()) {
            fieldBalloon_.Show(lineNumComboBox_, ResString(IDS_INVALID_LINE_TITLE), ResString(IDS_INVALID_LINE_TEXT),
                               btmtError);
        }
        return;
    }
    if (Config()->TipGoToInvalidLineNum()) fieldBalloon_.Hide();
    ::EnableWindow(goToButton_, TRUE);
    const std::string line = OutputLineText(number - 1);
    preview.SetText(line);
    lineTextHint_.Set(lineNumTextEdit_, line);
    if (line.empty() && Config()->TipNoTextInLine()) {
        fieldBalloon_.Show(lineNumTextEdit_, ResString(IDS_NO_TEXT_TITLE), ResString(IDS_NO_TEXT_TEXT), btmtInfo);
    }
}

void TForm1::CloseGoToPanel() {
    ::ShowWindow(goToPanel_, SW_HIDE);
    LayoutControls();
    SetMenuEnabled(MMEditCloseGoToPanel, false);
    MirrorContextMenu();
}

void TForm1::ClearGoToLineNumsList() {
    if (TTarvRecentEditorFileItem* entry = RecentFiles()->FindFile(CurrentFileName)) entry->LineNumbers.reset();
    LineNumComboBox1().Clear();
    UpdateHistoryClearCommands();
}

}  // namespace zem
