// New, Load and closing with their save questions in the live window.
#include "main_window_fixture.h"
#include "resource.h"

namespace zem::test {
namespace {

std::string EditorText(TForm1& form) { return WindowText(form.Memo1().Handle()); }

TEST_F(MainWindowTest, NewOnAnUnchangedDocumentAsksNothing) {
    TForm1& form = Start();
    const std::string header = EditorText(form);
    form.SetDocumentFileName("C:\\windows\\win.ini");
    Click(form, MMFileNew);  // nothing is modified: no question, so no box can block
    EXPECT_EQ(EditorText(form).substr(0, 20), header.substr(0, 20));
    EXPECT_EQ(form.CurrentFileName, "");
    EXPECT_FALSE(form.Memo1().Modified());
    EXPECT_FALSE(form.MenuEnabled(MMFileSaveOutput));
}

TEST_F(MainWindowTest, NewAnsweredNoDiscardsTheChanges) {
    TForm1& form = Start();
    form.Output().AppendOutputLine("a change");
    MessageBoxAnswerer answerer(IDNO);
    Click(form, MMFileNew);
    ASSERT_TRUE(answerer.Wait());
    EXPECT_EQ(answerer.Caption(), "Create New File ?");
    EXPECT_EQ(EditorText(form).find("a change"), std::string::npos);
    EXPECT_FALSE(form.Memo1().Modified());
}

TEST_F(MainWindowTest, SuppressedNewWithACancelledSaveAsDiscardsTheDocument) {
    store_.SetDontShow(SuppressibleDialog::NewFile, true);
    TForm1& form = Start();
    form.Output().AppendOutputLine("unsaved");
    MessageBoxAnswerer answerer(IDCANCEL);  // the Save As dialog
    Click(form, MMFileNew);
    ASSERT_TRUE(answerer.Wait());
    EXPECT_EQ(EditorText(form).find("unsaved"), std::string::npos);
    store_.SetDontShow(SuppressibleDialog::NewFile, false);
}

TEST_F(MainWindowTest, ClosingAModifiedDocumentAsksAndCancelKeepsTheWindow) {
    TForm1& form = Start();
    form.Output().AppendOutputLine("unsaved");
    EXPECT_EQ(CloseAnswering(IDCANCEL), "Close Application ?");
    EXPECT_TRUE(::IsWindow(form.Handle()));
}

TEST_F(MainWindowTest, LoadAnsweredCancelLoadsNothing) {
    TForm1& form = Start();
    form.Output().AppendOutputLine("kept");
    MessageBoxAnswerer answerer(IDCANCEL);
    Click(form, MMFileLoad);
    ASSERT_TRUE(answerer.Wait());
    EXPECT_EQ(answerer.Caption(), "Load File ?");
    EXPECT_NE(EditorText(form).find("kept"), std::string::npos);
}

}  // namespace
}  // namespace zem::test
