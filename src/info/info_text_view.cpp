#include "info/info_text_view.h"

#include <richedit.h>

#include <algorithm>

#include "base/controls.h"
#include "base/menu.h"
#include "base/strings.h"
#include "base/window_dc.h"
#include "editor/document_file.h"
#include "resource.h"

namespace zem {
namespace {

// The sample whose height is one line: it reaches from the highest to the lowest letters.
constexpr char kLineSample[] = "TestygTextW";

// Where a line starts, in pixels from the top of the control's client area.
int LineTop(HWND control, int line) {
    POINTL point{};
    const LRESULT start = ::SendMessageA(control, EM_LINEINDEX, static_cast<WPARAM>(line), 0);
    ::SendMessageA(control, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&point), start);
    return static_cast<int>(point.y);
}

void AppendRun(HWND control, const InfoTextRun& run) {
    CHARRANGE end{-1, -1};
    ::SendMessageA(control, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&end));
    CHARFORMAT2A format{};
    format.cbSize = sizeof(format);
    format.dwMask = CFM_BOLD | CFM_LINK;
    format.dwEffects = (run.bold ? CFE_BOLD : 0) | (run.link ? CFE_LINK : 0);
    ::SendMessageA(control, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    ::SendMessageA(control, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(run.text.c_str()));
}

// Read-only once written, the caret at the start.
void FinishWriting(HWND control) {
    ::SendMessageA(control, EM_SETREADONLY, TRUE, 0);
    RichEdit(control).SetSelection(0, 0);
}

// An empty text is copied too, so that the clipboard always holds what the page shows.
void PutEmptyTextOnClipboard(HWND owner) {
    if (!::OpenClipboard(owner)) return;
    ::EmptyClipboard();
    UniqueHGlobal memory(::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 1));
    if (memory && ::SetClipboardData(CF_TEXT, memory.Get())) memory.Release();  // the clipboard owns it now
    ::CloseClipboard();
}

// The extension of the file name's last part without the dot; empty when it has none.
std::string ExtensionOf(const std::string& fileName) {
    const size_t dot = fileName.find_last_of(".\\/");
    if (dot == std::string::npos || fileName[dot] != '.') return {};
    return fileName.substr(dot + 1);
}

}  // namespace

void WriteInfoText(HWND control, const InfoText& text) {
    ::SendMessageA(control, WM_SETREDRAW, FALSE, 0);
    ::SendMessageA(control, EM_SETREADONLY, FALSE, 0);
    ::SetWindowTextA(control, "");
    for (const InfoTextRun& run : text) AppendRun(control, run);
    FinishWriting(control);
    ::SendMessageA(control, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(control, nullptr, TRUE);
}

bool LoadInfoTemplate(HWND control, const char* name) {
    const HMODULE program = ::GetModuleHandleA(nullptr);
    HRSRC found = ::FindResourceA(program, name, RT_RCDATA);
    HGLOBAL loaded = found ? ::LoadResource(program, found) : nullptr;
    const auto* data = loaded ? static_cast<const char*>(::LockResource(loaded)) : nullptr;
    if (!data) return false;
    const std::string text(data, ::SizeofResource(program, found));
    SETTEXTEX how{ST_DEFAULT, CP_ACP};  // rich text is recognised by its "{\rtf" start
    ::SendMessageA(control, EM_SETTEXTEX, reinterpret_cast<WPARAM>(&how), reinterpret_cast<LPARAM>(text.c_str()));
    FinishWriting(control);
    return true;
}

void CopyWholeText(HWND control) {
    const RichEdit text(control);
    POINT position{};
    ::SendMessageA(control, EM_GETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&position));
    text.SetSelection(0, -1);
    if (text.TextLength() > 0) {
        ::SendMessageA(control, WM_COPY, 0, 0);
    } else {
        PutEmptyTextOnClipboard(control);
    }
    text.SetSelection(0, 0);
    // The reader stays where he was.
    ::SendMessageA(control, EM_SETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&position));
}

UniqueHMenu CreateInfoMenu() {
    UniqueHMenu menu(::CreatePopupMenu());
    const auto add = [&](UINT id, UINT caption, UINT shortcut) {
        std::string text = ResString(caption);
        if (shortcut != 0) text.append(1, '\t').append(ResString(shortcut));
        ::AppendMenuA(menu.Get(), MF_STRING, id, text.c_str());
    };
    add(IDM_ABOUT_SELECT_ALL, IDS_ABOUT_MENU_SELECT_ALL, IDS_ABOUT_SHORTCUT_SELECT_ALL);
    add(IDM_ABOUT_CLEAR_SELECTION, IDS_ABOUT_MENU_CLEAR_SELECTION, 0);
    add(IDM_ABOUT_COPY, IDS_ABOUT_MENU_COPY, IDS_ABOUT_SHORTCUT_COPY);
    ::AppendMenuA(menu.Get(), MF_SEPARATOR, 0, nullptr);
    add(IDM_ABOUT_PRINT, IDS_ABOUT_MENU_PRINT, 0);
    return menu;
}

InfoMenuStates InfoMenuStatesFor(const CHARRANGE& selection, LONG textLength) {
    const bool selected = selection.cpMax > selection.cpMin;
    if (!selected) return {true, false, false};
    const bool whole = selection.cpMin <= 0 && selection.cpMax >= textLength;
    return {!whole, true, true};
}

void ApplyInfoMenuStates(HMENU menu, const InfoMenuStates& states) {
    SetMenuItemEnabled(menu, IDM_ABOUT_SELECT_ALL, states.selectAll);
    SetMenuItemEnabled(menu, IDM_ABOUT_CLEAR_SELECTION, states.clearSelection);
    SetMenuItemEnabled(menu, IDM_ABOUT_COPY, states.copy);
}

InfoSaveTarget InfoSaveTargetFor(const std::string& fileName, DWORD filterIndex) {
    const std::string extension = ExtensionOf(fileName);
    if (SameTextNoCase(extension, "rtf")) return {fileName, true};
    if (SameTextNoCase(extension, "txt")) return {fileName, false};
    const bool rich = filterIndex != kPlainTextFilter;
    if (!extension.empty()) return {fileName, rich};
    return {fileName + (rich ? ".rtf" : ".txt"), rich};
}

uint32_t SaveInfoText(HWND control, const InfoSaveTarget& target) {
    return SaveEditorToFile(control, target.path, target.richText ? TextFormat::RichText : TextFormat::Ansi);
}

ScrollStates ScrollStatesFor(int firstVisibleLine, int lineCount, int visibleLines) {
    return {firstVisibleLine > 0, lineCount - firstVisibleLine > visibleLines};
}

int VisibleLines(HWND control, HFONT font) {
    RECT client{};
    ::GetClientRect(control, &client);
    SIZE sample{};
    const WindowFontDc dc(control, font);
    if (dc.Get()) ::GetTextExtentPoint32A(dc.Get(), kLineSample, sizeof(kLineSample) - 1, &sample);
    return sample.cy > 0 ? std::max(1, static_cast<int>(client.bottom / sample.cy)) : 1;
}

// Wine's own line scrolling moves by a default line height that need not be the text's, so the
// line's position is scrolled to.
void ScrollLines(HWND control, int lines) {
    const int target = std::clamp(FirstVisibleLine(control) + lines, 0, std::max(0, LineCount(control) - 1));
    POINT position{};
    ::SendMessageA(control, EM_GETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&position));
    position.y += LineTop(control, target);
    ::SendMessageA(control, EM_SETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&position));
}

int LineCount(HWND control) { return static_cast<int>(::SendMessageA(control, EM_GETLINECOUNT, 0, 0)); }

int FirstVisibleLine(HWND control) {
    const auto first = static_cast<int>(::SendMessageA(control, EM_GETFIRSTVISIBLELINE, 0, 0));
    return LineTop(control, first) < 0 && first + 1 < LineCount(control) ? first + 1 : first;
}

}  // namespace zem
