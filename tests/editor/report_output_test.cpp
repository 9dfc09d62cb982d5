// Reports appended to a real rich-edit control: line breaks, caret, modified flag, Undo, and
// the batched insertion of long reports.
#include <gtest/gtest.h>

#include <windows.h>
#include <richedit.h>

#include "base/controls.h"
#include "editor/report_output.h"

namespace zem {
namespace {

class ReportOutputTest : public ::testing::Test {
protected:
    void SetUp() override {
        library_ = ::LoadLibraryA("riched20.dll");
        editor_ = ::CreateWindowExA(0, RICHEDIT_CLASSA, "", WS_POPUP | ES_MULTILINE | WS_VSCROLL, 0, 0, 400, 300,
                                    nullptr, nullptr, nullptr, nullptr);
        ::SendMessageA(editor_, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
        ::SendMessageA(editor_, EM_EMPTYUNDOBUFFER, 0, 0);
        ::SendMessageA(editor_, EM_SETTEXTMODE, TM_PLAINTEXT | TM_MULTILEVELUNDO, 0);
        output_.Attach(editor_);
    }
    void TearDown() override {
        ::DestroyWindow(editor_);
        ::FreeLibrary(library_);
    }
    std::string Text() const { return WindowText(editor_); }
    CHARRANGE Caret() const {
        CHARRANGE caret{};
        ::SendMessageA(editor_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&caret));
        return caret;
    }
    LONG Length() const {
        GETTEXTLENGTHEX length{GTL_NUMCHARS | GTL_PRECISE, CP_ACP};
        return static_cast<LONG>(::SendMessageA(editor_, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0));
    }

    HMODULE library_ = nullptr;
    HWND editor_ = nullptr;
    ReportOutput output_;
};

TEST_F(ReportOutputTest, AnEmptyTextInAnEmptyEditorIsOneLineBreak) {
    EXPECT_EQ(output_.ScrollByLines(5), 0);  // nothing to scroll yet
    output_.AppendOutputLine("");
    EXPECT_EQ(Text(), "\r\n");
    EXPECT_TRUE(RichEdit(editor_).Modified());
}

TEST_F(ReportOutputTest, LinesGoToTheEndWithTheCaretAfterThemAndNoUndo) {
    ::SetWindowTextA(editor_, "typed");
    ::SendMessageA(editor_, EM_EMPTYUNDOBUFFER, 0, 0);
    RichEdit(editor_).SetSelection(1, 2);
    output_.AppendOutputLine("first");
    output_.AppendOutputLine("second");
    EXPECT_EQ(Text(), "typedfirst\r\nsecond\r\n");
    EXPECT_EQ(Caret().cpMin, Length());
    EXPECT_EQ(Caret().cpMax, Length());
    EXPECT_FALSE(RichEdit(editor_).CanUndo());
}

TEST_F(ReportOutputTest, ABatchGoesInOnceAndNamesItsLines) {
    {
        ReportBatch batch(output_);
        output_.AppendOutputLine("head");
        EXPECT_EQ(Text(), "");  // gathered, not yet inserted
        EXPECT_EQ(output_.NextLineIndex(), 1);
        output_.AppendOutputLine("two\r\nlines");
        EXPECT_EQ(output_.NextLineIndex(), 2);  // a text with a break inside counts once here
        batch.Finish();
    }
    EXPECT_EQ(Text(), "head\r\ntwo\r\nlines\r\n");
    output_.SetCaretAtLineStart(2, 3);
    EXPECT_EQ(Caret().cpMin, static_cast<LONG>(::SendMessageA(editor_, EM_LINEINDEX, 2, 0)) + 3);
}

// A second long report goes after the first one: streaming text in at the end of a text
// lost it under Wine.
TEST_F(ReportOutputTest, LongReportsKeepEveryLineAndStayOutOfUndo) {
    std::string expected;
    for (const char* report : {"first", "second"}) {
        ReportBatch batch(output_);
        for (int line = 0; line < 3000; ++line) {
            const std::string text = report + (" report line " + std::to_string(line)) + (line % 7 == 0 ? "" : " text");
            output_.AppendOutputLine(text);
            expected += text + "\r\n";
        }
        batch.Finish();
    }
    EXPECT_EQ(Text(), expected);
    EXPECT_EQ(Caret().cpMin, Length());
    EXPECT_FALSE(RichEdit(editor_).CanUndo());
    EXPECT_TRUE(RichEdit(editor_).Modified());
}

TEST_F(ReportOutputTest, ScrollingHelpers) {
    for (int line = 0; line < 200; ++line) output_.AppendOutputLine("line");
    EXPECT_EQ(output_.ScrollCaretIntoView(), 200);
    EXPECT_NE(output_.ScrollByLines(0), 0);
    ReportOutput detached;
    EXPECT_EQ(detached.ScrollCaretIntoView(), -1);
}

}  // namespace
}  // namespace zem
