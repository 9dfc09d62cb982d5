#include "editor/report_output.h"

#include <richedit.h>

#include <algorithm>

#include "base/app_error.h"
#include "resource.h"

namespace zem {

namespace {

// Suspends the editor's repainting while text goes in, and repaints once afterwards.
class RedrawSuspended {
public:
    explicit RedrawSuspended(HWND window) : window_(window) { ::SendMessageA(window_, WM_SETREDRAW, FALSE, 0); }
    ~RedrawSuspended() {
        ::SendMessageA(window_, WM_SETREDRAW, TRUE, 0);
        ::InvalidateRect(window_, nullptr, TRUE);
    }
    RedrawSuspended(const RedrawSuspended&) = delete;
    RedrawSuspended& operator=(const RedrawSuspended&) = delete;

private:
    HWND window_;
};

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
    {
        RedrawSuspended redraw(editor_);
        CHARRANGE end{EndPosition(), EndPosition()};
        ::SendMessageA(editor_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&end));
        ::SendMessageA(editor_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
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
