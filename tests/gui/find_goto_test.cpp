// The find and go-to panels in the live window.
#include "main_window_fixture.h"
#include "resource.h"

namespace zem::test {
namespace {

std::string Selected(TForm1& form) { return WideToMultiByte(form.Memo1().SelectedWideText()); }

class FindTest : public MainWindowTest {
protected:
    TForm1& StartWith(const std::string& text) {
        TForm1& form = Start();
        ::SetWindowTextA(form.Memo1().Handle(), text.c_str());
        form.Memo1().SetSelection(0, 0);
        ::SetFocus(form.Memo1().Handle());
        PumpMessages();
        return form;
    }
};

TEST_F(FindTest, FindNextSelectsEachMatchInTurnAndCountsThem) {
    TForm1& form = StartWith("one Path\r\ntwo path\r\nthree PATH");
    Click(form, MMEditFind);
    EXPECT_TRUE(::IsWindowVisible(form.FindPanel1()));
    EXPECT_TRUE(form.MenuEnabled(MMEditCloseFindPanel));
    Type(form, form.FindEdit1(), IDC_FINDEDIT1, "path");
    ASSERT_TRUE(form.MenuEnabled(MMEditFindNext));
    Click(form, MMEditFindNext);
    CHARRANGE range{};
    form.Memo1().GetSelection(range);
    EXPECT_EQ(range.cpMin, 4);
    EXPECT_EQ(Selected(form), "Path");
    EXPECT_EQ(form.StatusBar1().Text(2), "3 matches");
    Click(form, MMEditFindNext);
    Click(form, MMEditFindNext);
    EXPECT_EQ(Selected(form), "PATH");
    Click(form, MMEditFindNext);  // wraps around to the first
    form.Memo1().GetSelection(range);
    EXPECT_EQ(range.cpMin, 4);
    Click(form, MMEditFindPrev);  // wraps backwards to the last
    EXPECT_EQ(Selected(form), "PATH");

    ::SendMessageA(form.FindEdit1().Handle(), CB_RESETCONTENT, 0, 0);
    Type(form, form.FindEdit1(), IDC_FINDEDIT1, "absent");
    Click(form, MMEditFindNext);
    EXPECT_EQ(form.StatusBar1().Text(2), "No matches");
    EXPECT_EQ(form.FindEdit1().Item(0), "absent");  // searched texts go to the top of the history
    Click(form, MMEditCloseFindPanel);
    EXPECT_FALSE(::IsWindowVisible(form.FindPanel1()));
    EXPECT_FALSE(form.MenuEnabled(MMEditCloseFindPanel));
}

TEST_F(FindTest, FindTakesTheSelectionOrTheWordAtTheCaret) {
    TForm1& form = StartWith("first second\r\nthird");
    form.Memo1().SetSelection(8, 8);
    Click(form, MMEditFind);
    EXPECT_EQ(form.FindEdit1().Text(), "second");
    Click(form, MMEditCloseFindPanel);
    form.FindEdit1().SetText("");
    form.Memo1().SetSelection(6, 19);  // a line break inside becomes a blank
    Click(form, MMEditFind);
    EXPECT_EQ(form.FindEdit1().Text(), "second third");
}

TEST_F(FindTest, GoToOpensFirstThenSelectsTheLine) {
    TForm1& form = StartWith("line one\r\nline two\r\n\r\nline four");
    Click(form, MMEditGoTo);
    EXPECT_TRUE(::IsWindowVisible(form.GoToPanel1()));
    Type(form, form.LineNumComboBox1(), IDC_LINENUMCOMBOBOX1, "2");
    EXPECT_EQ(form.LineNumTextEdit1().Text(), "line two");
    EXPECT_EQ(form.LineTextHint(), "line two");
    Click(form, MMEditGoTo);
    EXPECT_EQ(Selected(form), "line two");
    EXPECT_EQ(form.LineNumComboBox1().Count(), 1);
    EXPECT_TRUE(form.MenuEnabled(MMHistClearLineNums));

    Type(form, form.LineNumComboBox1(), IDC_LINENUMCOMBOBOX1, "0");
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(form.GoToPanel1(), IDC_GOTOLINETNUMBUTTON1)));
    EXPECT_EQ(form.LineNumTextEdit1().Text(), "");
    EXPECT_EQ(form.LineTextHint(), "Invalid Line Number");
    Type(form, form.LineNumComboBox1(), IDC_LINENUMCOMBOBOX1, "99");
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(form.GoToPanel1(), IDC_GOTOLINETNUMBUTTON1)));
    Type(form, form.LineNumComboBox1(), IDC_LINENUMCOMBOBOX1, "4");
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(form.GoToPanel1(), IDC_GOTOLINETNUMBUTTON1)));

    Click(form, MMHistClearLineNums);
    EXPECT_EQ(form.LineNumComboBox1().Count(), 0);
    EXPECT_FALSE(form.MenuEnabled(MMHistClearLineNums));
    Click(form, MMEditCloseGoToPanel);
    EXPECT_FALSE(::IsWindowVisible(form.GoToPanel1()));
}

TEST_F(FindTest, GoToAcceptsNoLineBeyondTheLast) {
    store_.SetTipGoToInvalidLineNum(false);
    TForm1& form = StartWith("one\r\ntwo\r\nthree");
    Click(form, MMEditGoTo);
    Type(form, form.LineNumComboBox1(), IDC_LINENUMCOMBOBOX1, "3");
    EXPECT_EQ(form.LineTextHint(), "three");
    Type(form, form.LineNumComboBox1(), IDC_LINENUMCOMBOBOX1, "4");
    EXPECT_EQ(form.LineTextHint(), "Invalid Line Number");
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(form.GoToPanel1(), IDC_GOTOLINETNUMBUTTON1)));

    // After a final line break the empty line that follows is a line of its own.
    ::SetWindowTextA(form.Memo1().Handle(), "one\r\ntwo\r\n");
    Type(form, form.LineNumComboBox1(), IDC_LINENUMCOMBOBOX1, "3");
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(form.GoToPanel1(), IDC_GOTOLINETNUMBUTTON1)));
    Type(form, form.LineNumComboBox1(), IDC_LINENUMCOMBOBOX1, "4");
    EXPECT_EQ(form.LineTextHint(), "Invalid Line Number");
}

TEST_F(FindTest, AnElevenDigitLineNumberIsReportedNotFollowed) {
    TForm1& form = StartWith("only line");
    Click(form, MMEditGoTo);
    MessageBoxAnswerer answerer(IDOK);
    Type(form, form.LineNumComboBox1(), IDC_LINENUMCOMBOBOX1, "12345678901");
    ASSERT_TRUE(answerer.Wait());
    EXPECT_EQ(answerer.Text(), "'12345678901' is not a valid integer value");
}

TEST_F(FindTest, TheStatusBarShowsTheCaretAndTheSelectedPath) {
    TempFolder temp;
    const std::string folder = temp.MakeFolder("Some Folder");
    TForm1& form = StartWith("abc\r\n\"" + folder + "\"\r\nend");
    form.Memo1().SetSelection(6, 6);
    PumpMessages();
    EXPECT_EQ(form.StatusBar1().Text(0), "Line: 2");
    EXPECT_EQ(form.StatusBar1().Text(1), "Col: 3");
    const LONG start = 4;
    form.Memo1().SetSelection(start, start + static_cast<LONG>(folder.size()) + 2);
    PumpMessages();
    EXPECT_TRUE(form.GetSelectedPath().exists);
    EXPECT_FALSE(form.GetSelectedPath().isFile);
    EXPECT_EQ(form.StatusBar1().Text(3).rfind("Path: ", 0), 0u);
    EXPECT_GT(form.StatusBar1().Text(3).size(), 6u);
    form.Memo1().SetSelection(0, 3);
    PumpMessages();
    EXPECT_EQ(form.StatusBar1().Text(3), "Path: ");
    EXPECT_TRUE(form.MenuEnabled(MMEditCopy));
}

TEST_F(MainWindowTest, EscapeInTheEditorHidesItsBalloon) {
    TForm1& form = Start();
    form.ShowEditorErrorBalloon(TTI_ERROR_LARGE, "Title", "Text");
    ASSERT_TRUE(form.Balloon()->Visible());
    Deliver(form.Memo1().Handle(), WM_KEYUP, VK_ESCAPE, 0);
    EXPECT_FALSE(form.Balloon()->Visible());
}

TEST_F(MainWindowTest, SearchingAnEmptyDocumentOrWithAHugeTextFindsNothing) {
    TForm1& form = Start();
    ::SetWindowTextA(form.Memo1().Handle(), "");
    PumpMessages();
    ::SendMessageA(form.Handle(), WM_COMMAND, MAKEWPARAM(MMEditFind, 0), 0);  // disabled: no text
    PumpMessages();
    EXPECT_FALSE(::IsWindowVisible(form.FindPanel1()));
    ::SetWindowTextA(form.Memo1().Handle(), "some text");
    PumpMessages();
    ::SendMessageA(form.Handle(), WM_COMMAND, MAKEWPARAM(MMEditFind, 0), 0);
    PumpMessages();
    form.FindEdit1().SetText(std::string(10000, 'x'));
    form.FindNext();
    EXPECT_EQ(form.StatusBar1().Text(2), "No matches");
}

}  // namespace
}  // namespace zem::test
