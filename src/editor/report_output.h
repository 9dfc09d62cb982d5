// The one way reports reach the output editor: lines appended at its end. Inside a batch the
// lines are gathered and inserted in one step, so a long report repaints once, not per line.
#pragma once

#include <windows.h>

#include <string>

#include "base/strings.h"

namespace zem {

class ReportOutput {
public:
    explicit ReportOutput(HWND editor = nullptr) : editor_(editor) {}
    void Attach(HWND editor) { editor_ = editor; }
    HWND Editor() const { return editor_; }

    // Inserts the text and CR LF at the end: the caret after it, the modified flag set, no
    // Undo record. Throws AppError "RichEdit line insertion error" when the caret does not
    // end up right after the inserted text.
    void AppendOutputLine(const std::string& text);
    void AppendOutputLines(const StringList& lines);

    // Scrolls the caret into view; its 0-based line, or -1 without an editor window.
    int ScrollCaretIntoView();
    // Scrolls by (targetLine - caret line) lines; 0 for an empty editor.
    LRESULT ScrollByLines(int targetLine);
    // Puts the caret at the first character of a 0-based line, plus `offset` characters.
    void SetCaretAtLineStart(int line, int offset);
    int LineCount();
    // The 0-based line on which the next appended text starts.
    int NextLineIndex();

    void BeginBatch() {
        if (batchDepth_++ == 0) endLine_ = -1;
    }
    // Inserts what the outermost batch gathered.
    void EndBatch();

private:
    void Flush();
    void Insert(const std::string& text);
    LONG EndPosition() const;

    HWND editor_;
    int batchDepth_ = 0;
    std::string pending_;
    int pendingLines_ = 0;
    int endLine_ = -1;  // the editor's last line, asked once per batch: the text stays as it is
};

// A batch for the lifetime of a command's report. Finish() inserts and reports a failed
// insertion; a batch left by an exception still inserts what it gathered.
class ReportBatch {
public:
    explicit ReportBatch(ReportOutput& output) : output_(output) { output_.BeginBatch(); }
    ~ReportBatch();
    ReportBatch(const ReportBatch&) = delete;
    ReportBatch& operator=(const ReportBatch&) = delete;
    void Finish();

private:
    ReportOutput& output_;
    bool finished_ = false;
};

}  // namespace zem
