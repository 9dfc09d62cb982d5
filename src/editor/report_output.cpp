#include "editor/report_output.h"

#include <richedit.h>

#include <algorithm>

#include "base/app_error.h"
#include "base/controls.h"
#include "resource.h"

namespace zem {

namespace {

// Long texts are streamed in: one replacement of tens of thousands of lines costs the
// control time that grows faster than the text.
constexpr int kStreamedLines = 500;

struct StreamSource {
    const std::string* text;
    size_t position;
};

// Hands the text out in chunks that never end between CR and LF: the control would insert
// an empty line there.
DWORD CALLBACK StreamText(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* delivered) {
    auto* source = reinterpret_cast<StreamSource*>(cookie);
    const std::string& text = *source->text;
    size_t count = std::min(text.size() - source->position, static_cast<size_t>(size));
    if (count > 1 && source->position + count < text.size() && text[source->position + count - 1] == '\r') --count;
    std::copy_n(text.data() + source->position, count, buffer);
    source->position += count;
    *delivered = static_cast<LONG>(count);
    return 0;
}

void ReplaceSelection(HWND editor, const std::string& text, int lines) {
    if (lines < kStreamedLines) {
        ::SendMessageA(editor, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
        return;
    }
    StreamSource source{&text, 0};
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&source), 0, StreamText};
    ::SendMessageA(editor, EM_STREAMIN, SF_TEXT | SFF_SELECTION, reinterpret_cast<LPARAM>(&stream));
    // A streamed insertion is recorded for Undo, and a report must not be undone; the undo
    // history goes as it does with an insertion that cannot be undone.
    ::SendMessageA(editor, EM_EMPTYUNDOBUFFER, 0, 0);
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
    const int lines = pendingLines_;
    pendingLines_ = 0;
    Insert(text, lines);
}

LONG ReportOutput::EndPosition() const {
    GETTEXTLENGTHEX length{GTL_NUMCHARS | GTL_PRECISE, CP_ACP};
    return static_cast<LONG>(::SendMessageA(editor_, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0));
}

void ReportOutput::Insert(const std::string& text, int lines) {
    {
        RedrawSuspended redraw(editor_);
        CHARRANGE end{EndPosition(), EndPosition()};
        ::SendMessageA(editor_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&end));
        ReplaceSelection(editor_, text, lines);
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
    const int endLine = static_cast<int>(::SendMessageA(editor_, EM_EXLINEFROMCHAR, 0, EndPosition()));
    return endLine + pendingLines_;
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
