// The About dialog's read-only texts: writing them, copying, saving and scrolling them, and the
// rules that enable their context menu and scroll texts.
#pragma once

#include <windows.h>
#include <richedit.h>

#include <cstdint>
#include <string>

#include "base/unique.h"
#include "info/about_texts.h"

namespace zem {

// Replaces the text of a rich-edit control with `text` (bold and link pieces marked), leaves it
// read-only and puts the caret at the start.
void WriteInfoText(HWND control, const InfoText& text);

// Fills the control from the program's text resource `name` (read as rich text when it starts
// with "{\rtf"); false when the program carries none.
bool LoadInfoTemplate(HWND control, const char* name);

// Puts the whole text on the clipboard, an empty one too, and leaves nothing selected.
void CopyWholeText(HWND control);

// The context menu: "Select All", "Clear Selection", "Copy" and "Print", from the string table.
UniqueHMenu CreateInfoMenu();

struct InfoMenuStates {
    bool selectAll = true;
    bool clearSelection = false;
    bool copy = false;
};
// With a selection, Select All only while less than the whole text is selected; without one,
// Select All alone. Print prints the whole text, so it is always there.
InfoMenuStates InfoMenuStatesFor(const CHARRANGE& selection, LONG textLength);
void ApplyInfoMenuStates(HMENU menu, const InfoMenuStates& states);

// Where and how Save Info As writes: the filters are rich text, plain text and all files.
inline constexpr DWORD kRichTextFilter = 1;
inline constexpr DWORD kPlainTextFilter = 2;
struct InfoSaveTarget {
    std::string path;
    bool richText = true;
};
// An explicit ".rtf" or ".txt" (any case) decides the format; otherwise the filter does, and a
// name without extension gets the format's extension.
InfoSaveTarget InfoSaveTargetFor(const std::string& fileName, DWORD filterIndex);
// Writes the control's whole text; 0 or the error code.
uint32_t SaveInfoText(HWND control, const InfoSaveTarget& target);

struct ScrollStates {
    bool up = false;
    bool down = false;
};
// Up while the first visible line is not the first line; down while more lines follow than fit.
ScrollStates ScrollStatesFor(int firstVisibleLine, int lineCount, int visibleLines);

// The lines the control shows at once: its client height over the height of a sample text in
// `font`; at least 1.
int VisibleLines(HWND control, HFONT font);
// Scrolls the text by whole lines, up for a negative count.
void ScrollLines(HWND control, int lines);
int LineCount(HWND control);
// The first line shown whole: a line scrolled partly out of view does not count.
int FirstVisibleLine(HWND control);

}  // namespace zem
