// The find panel: searching the output in both directions with wrap-around, the match count,
// and the search history.
#include "app/main_window.h"

#include "editor/text_search.h"
#include "resource.h"

namespace zem {
namespace {

constexpr int kMatchPanelWidth = 80;

// Line breaks of a text put into the one-line search box become blanks.
std::string OneLine(std::wstring text) {
    std::wstring line;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\r' || text[i] == L'\n') {
            if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
            line += L' ';
        } else {
            line += text[i];
        }
    }
    return WideToMultiByte(line);
}

}  // namespace

void TForm1::SetMatchPanelWidth(int width) {
    int edges[] = {80, 160, 160 + width, -1};
    ::SendMessageA(statusBar_, SB_SETPARTS, 4, reinterpret_cast<LPARAM>(edges));
}

void TForm1::Find() {
    ::ShowWindow(findPanel_, SW_SHOW);
    LayoutControls();
    ::SendMessageA(FindEdit1().EditHandle(), EM_SETCUEBANNER, FALSE,
                   reinterpret_cast<LPARAM>(MultiByteToWide(ResString(IDS_FIND_CUE_BANNER)).c_str()));
    if (FindEdit1().Empty()) {
        const std::wstring selected = Memo1().SelectedWideText();
        FindEdit1().SetText(OneLine(selected.empty() ? WordAtCaret() : selected));
    }
    ::SetFocus(findEdit_);
    SetMatchPanelWidth(kMatchPanelWidth);
    SetMenuEnabled(MMEditCloseFindPanel, true);
    OnFindTextComboBoxChange();
}

void TForm1::FindNext() { SearchOutput(true); }

void TForm1::FindPrevious() { SearchOutput(false); }

void TForm1::SearchOutput(bool forward) {
    const std::string needle = FindEdit1().Text();
    if (needle.empty()) return;
    const std::wstring wideNeedle = MultiByteToWide(needle);
    CHARRANGE selection{};
    Memo1().GetSelection(selection);
    SearchRequest request;
    request.needle = wideNeedle;
    request.matchCase = ::SendMessageA(caseSensitiveCheckBox_, BM_GETCHECK, 0, 0) == BST_CHECKED;
    request.forward = forward;
    request.caret = static_cast<size_t>(selection.cpMax);
    request.selectionStart = static_cast<size_t>(selection.cpMin);
    // One fetch of the text: the search and the count run in memory.
    const SearchOutcome outcome = SearchAndCount(Memo1().WideText(), request);
    if (outcome.found == std::wstring::npos) {
        StatusBar1().SetText(2, MatchCountText(0));
    } else {
        const auto start = static_cast<LONG>(outcome.found);
        Memo1().SetSelection(start, start + static_cast<LONG>(wideNeedle.size()));
        ::SendMessageA(memo_, EM_SCROLLCARET, 0, 0);
        ::SetFocus(memo_);
        StatusBar1().SetText(2, MatchCountText(outcome.count));
    }
    if (FindEdit1().IndexOf(needle) < 0) FindEdit1().Insert(0, needle);
    UpdateHistoryClearCommands();
}

void TForm1::CloseFindPanel() {
    ::ShowWindow(findPanel_, SW_HIDE);
    LayoutControls();
    SetMenuEnabled(MMEditCloseFindPanel, false);
    MirrorContextMenu();
    SetMatchPanelWidth(0);
}

std::wstring TForm1::WordAtCaret() const {
    CHARRANGE selection{};
    Memo1().GetSelection(selection);
    const auto line = static_cast<int>(::SendMessageA(memo_, EM_EXLINEFROMCHAR, 0, selection.cpMax));
    const auto lineStart = static_cast<LONG>(::SendMessageA(memo_, EM_LINEINDEX, static_cast<WPARAM>(line), 0));
    const std::wstring text = MultiByteToWide(OutputLineText(line));
    // Words are runs between blanks, as the control moves from word to word.
    const auto isBlank = [](wchar_t c) { return c == L' ' || c == L'\t'; };
    size_t left = std::min(static_cast<size_t>(std::max<LONG>(0, selection.cpMax - lineStart)), text.size());
    size_t right = left;
    while (left > 0 && !isBlank(text[left - 1])) --left;
    while (right < text.size() && !isBlank(text[right])) ++right;
    return text.substr(left, right - left);
}

void TForm1::OnFindTextComboBoxChange() {
    const ComboBox findBox = FindEdit1();
    const std::string addPaths = ResString(IDS_ADD_CONVERTED_PATHS);
    const int count = findBox.Count();
    if (count > 0 && findBox.SelectedIndex() == count - 1 && SameTextNoCase(findBox.Item(count - 1), addPaths)) {
        AddConvertedPathsToSearchHistory();
    }
    RefreshEditCommands(findEdit_);
    const bool hasText = !findBox.Empty();
    SetMenuEnabled(MMEditFindNext, hasText);
    SetMenuEnabled(MMEditFindPrev, hasText);
    ::EnableWindow(searchDownButton_, hasText);
    ::EnableWindow(searchUpButton_, hasText);
    MirrorContextMenu();
}

void TForm1::AddConvertedPathsToSearchHistory() {
    const ComboBox findBox = FindEdit1();
    const ComboBox pathBox = FileNameComboBox1();
    const std::string clearList = ResString(IDS_CLEAR_THIS_LIST);
    std::string shown;
    for (const std::string& path : pathBox.Items()) {
        if (SameTextNoCase(path, clearList) || findBox.IndexOf(path) >= 0) continue;
        findBox.Insert(0, path);
        shown = path;  // the last one added stands at the top
    }
    findBox.Delete(findBox.IndexOf(ResString(IDS_ADD_CONVERTED_PATHS)));
    findBox.SetText(shown);
}

void TForm1::ClearSearchTextsList() {
    FindEdit1().Clear();
    UpdateHistoryClearCommands();
    if (FileNameComboBox1().Count() > 0) FindEdit1().Add(ResString(IDS_ADD_CONVERTED_PATHS));
}

}  // namespace zem
