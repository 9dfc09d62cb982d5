// Printing the output editor's text through the rich-edit control's own page layout.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "base/unique.h"

namespace zem {

// The print dialog over `owner` for a whole text (with a Help button when `showHelp`): the
// chosen printer's device context. None when the user cancelled (`error` 0) or the dialog failed.
UniqueHdc AskForPrinter(HWND owner, bool showHelp, uint32_t& error);

// The print job's title: the document's path, or the unnamed document's title.
std::string PrintJobTitle(const std::string& fileName);

// The page loop: `printPage` prints one page from a character position and returns the
// position after it. 0, or ERROR_NOT_SUPPORTED when a page makes no progress (the control
// cannot lay out the text), so that printing never runs without end.
uint32_t PrintPages(long textLength, const std::function<long(long first)>& printPage);

// Prints the editor's whole text on a printer device context as one job; 0 or an error code.
uint32_t PrintEditorText(HWND editor, HDC printer, const std::string& jobTitle);

}  // namespace zem
