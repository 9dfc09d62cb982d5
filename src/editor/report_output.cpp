#include "editor/report_output.h"

#include <richedit.h>

#include <algorithm>

#include "base/app_error.h"
#include "base/controls.h"
#include "resource.h"

namespace zem {

namespace {

// One replacement of tens of thousands of lines costs the control time that grows faster than
// the text, and streaming text in at the end of a text loses it (Wine inserts only into an
// almost empty control). Long texts go in as replacements of a few hundred lines each.
constexpr int kLinesPerReplacement = 500;

// The end of the part of `text` from `start` that holds at most kLinesPerReplacement lines.
size_t PartEnd(const std::string& text, size_t start) {
    size_t end = start;
    for (int lines = 0; lines < kLinesPerReplacement && end < text.size(); ++lines) {
        const size_t lineFeed = text.find('\n', end);
        end = lineFeed == std::string::npos ? text.size() : lineFeed + 1;
    }
    return end;
}

// Inserts in place of the selection, recorded for no Undo.
void ReplaceSelection(HWND editor, const std::string& text) {
    for (size_t start = 0; start < text.size();) {
        const size_t end = PartEnd(text, start);
        const std::string part = text.substr(start, end - start);
        ::SendMessageA(editor, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(part.c_str()));
        start = end;
    }
}

}  // namespace

void ReportOutput::AppendOutputLine(const std::string& text) {
    pending_.append(text).append("\r\n");
    ++pendingLines_;
    if (batchDepth_ == 0) Flush();
}

void ReportOutput::AppendOutputLines(const StringList& lines) {
    for (const std::string& line : lines) AppendOutputLine(line);
}

void ReportOutput::EndBatch() {
    batchDepth_ = std::max(0, batchDepth_ - 1);
    if (batchDepth_ == 0) Flush();
}

void ReportOutput::Flush() {
    if (pending_.empty()) return;
    std::string text;
    text.swap(pending_);
    pendingLines_ = 0;
    Insert(text);
}

LONG ReportOutput::EndPosition() const {
    GETTEXTLENGTHEX length{GTL_NUMCHARS | GTL_PRECISE, CP_ACP};
    return static_cast<LONG>(::SendMessageA(editor_, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0));
}

void ReportOutput::Insert(const std::string& text) {
    endLine_ = -1;
    {
        RedrawSuspended redraw(editor_);
        CHARRANGE end{EndPosition(), EndPosition()};
        ::SendMessageA(editor_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&end));
        ReplaceSelection(editor_, text);
        ::SendMessageA(editor_, EM_SETMODIFY, TRUE, 0);
    }
    CHARRANGE caret{};
    ::SendMessageA(editor_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&caret));
    if (caret.cpMin != caret.cpMax || caret.cpMax != EndPosition()) throw AppError(ResString(IDS_INSERTION_ERROR));
}

int ReportOutput::ScrollCaretIntoView() {
    if (!::IsWindow(editor_)) return -1;
    Flush();
    ::SendMessageA(editor_, EM_SCROLLCARET, 0, 0);
    CHARRANGE caret{};
    ::SendMessageA(editor_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&caret));
    return static_cast<int>(::SendMessageA(editor_, EM_EXLINEFROMCHAR, 0, caret.cpMax));
}

LRESULT ReportOutput::ScrollByLines(int targetLine) {
    Flush();
    if (EndPosition() == 0) return 0;
    CHARRANGE caret{};
    ::SendMessageA(editor_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&caret));
    const int caretLine = static_cast<int>(::SendMessageA(editor_, EM_EXLINEFROMCHAR, 0, caret.cpMax));
    return ::SendMessageA(editor_, EM_LINESCROLL, 0, targetLine - caretLine);
}

void ReportOutput::SetCaretAtLineStart(int line, int offset) {
    Flush();
    const LRESULT start = ::SendMessageA(editor_, EM_LINEINDEX, static_cast<WPARAM>(line), 0);
    if (start < 0) return;
    CHARRANGE caret{static_cast<LONG>(start) + offset, static_cast<LONG>(start) + offset};
    ::SendMessageA(editor_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&caret));
}

int ReportOutput::LineCount() {
    Flush();
    return static_cast<int>(::SendMessageA(editor_, EM_GETLINECOUNT, 0, 0));
}

int ReportOutput::NextLineIndex() {
    if (batchDepth_ == 0 || endLine_ < 0) {
        endLine_ = static_cast<int>(::SendMessageA(editor_, EM_EXLINEFROMCHAR, 0, EndPosition()));
    }
    return endLine_ + pendingLines_;
}

ReportBatch::~ReportBatch() {
    if (finished_) return;
    try {
        output_.EndBatch();
    } catch (...) {
        // Already leaving through an error; that one is the one to report.
    }
}

void ReportBatch::Finish() {
    finished_ = true;
    output_.EndBatch();
}

}  // namespace zem
