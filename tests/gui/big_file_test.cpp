// Files far too big for the editor: the load is refused with the "too large" code, the document
// shown before stays as it was, and the window goes on working.
#include <richedit.h>

#include "editor/document_file.h"
#include "main_window_fixture.h"
#include "resource.h"

namespace zem::test {
namespace {

constexpr char kTooLargeText[] = " \r\nfailed with error code -536805622 (0xE000FF0A)\r\n";

// A file just under the 2 GB the probe lets through: a megabyte of short lines, then zeros that
// take no room on the disk. Nothing in any address space could hold its text.
std::string MakeHugeFile(const TempFolder& temp, const std::string& name) {
    std::string lines;
    while (lines.size() < (1u << 20)) lines += "line " + std::to_string(lines.size()) + "\r\n";
    const std::string path = temp.MakeFile(name, lines);
    const UniqueFileHandle file(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    LARGE_INTEGER size{};
    size.QuadPart = 0x7FFFFFFF;
    EXPECT_TRUE(::SetFilePointerEx(file.Get(), size, nullptr, FILE_BEGIN) && ::SetEndOfFile(file.Get()));
    return path;
}

// The editors the window holds: a refused load must leave no second one behind.
int EditorCount(HWND window) {
    int count = 0;
    for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (::GetDlgCtrlID(child) == IDC_MEMO1) ++count;
    }
    return count;
}

void TypeIntoEditor(HWND editor, const char* text) {
    const LONG end = ::GetWindowTextLengthA(editor);
    RichEdit(editor).SetSelection(end, end);
    ::SendMessageA(editor, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
}

TEST_F(MainWindowTest, AFileFarBeyondTheGuardLeavesTheDocumentAsItWas) {
    TempFolder temp;
    const std::string old = temp.MakeFile("Old Output.txt", "old text\r\n");
    const std::string huge = MakeHugeFile(temp, "Huge Output.txt");
    TForm1& form = Start();
    ASSERT_EQ(form.LoadDocumentFile(old, false), 0u);
    const HWND editor = form.Memo1().Handle();
    TypeIntoEditor(editor, "typed");
    const std::string caption = WindowText(form.Handle());
    ASSERT_TRUE(form.Memo1().Modified());
    ASSERT_TRUE(form.Memo1().CanUndo());

    EXPECT_EQ(form.LoadDocumentFile(huge, true), ErrFileTooLarge);
    EXPECT_EQ(form.Memo1().Handle(), editor);
    EXPECT_EQ(EditorCount(form.Handle()), 1);
    EXPECT_EQ(WindowText(editor), "old text\r\ntyped");
    EXPECT_TRUE(form.Memo1().Modified());
    EXPECT_TRUE(form.Memo1().CanUndo());
    EXPECT_FALSE(form.Memo1().ReadOnly());  // the wish was for the refused file only
    EXPECT_EQ(form.CurrentFileName, old);
    EXPECT_EQ(WindowText(form.Handle()), caption);
    EXPECT_TRUE(::IsWindowVisible(editor));  // redraw is on: turning it off hides the control
    TypeIntoEditor(editor, " and more");
    EXPECT_EQ(WindowText(editor), "old text\r\ntyped and more");
}

TEST_F(MainWindowTest, AHugeRecentFileShowsTheTooLargeCodeAndKeepsTheDocument) {
    TempFolder temp;
    const std::string huge = MakeHugeFile(temp, "Huge Recent.txt");
    const StringList stored{huge};
    store_.WriteEditorFiles(&stored);
    TForm1& form = Start();
    const HWND editor = form.Memo1().Handle();
    const std::string header = WindowText(editor);
    MessageBoxAnswerer answerer(IDOK);
    Click(form, MMRecentFileFirst);
    ASSERT_TRUE(answerer.Wait());
    EXPECT_EQ(answerer.Text(), "Loading the recently opened file " + CompactPath(huge) + kTooLargeText);
    EXPECT_FALSE(form.MenuEnabled(MMRecentFileFirst));
    EXPECT_EQ(form.Memo1().Handle(), editor);
    EXPECT_EQ(WindowText(editor), header);
    EXPECT_EQ(form.CurrentFileName, "");
    EXPECT_TRUE(::IsWindowVisible(editor));
}

// Named on the command line, the file is refused while the window starts; the window shows
// its editor and closes as usual.
TEST_F(MainWindowTest, AHugeFileOnTheCommandLineLeavesAWorkingWindow) {
    TempFolder temp;
    const std::string huge = MakeHugeFile(temp, "Huge Start.txt");
    form_ = std::make_unique<TForm1>(TZemCommanLineStrList(StringList{"ZemTarvelix.exe", huge}));
    ASSERT_TRUE(form_->Create());
    MessageBoxAnswerer answerer(IDOK);
    form_->Show(SW_SHOWNORMAL);
    PumpMessages();
    ASSERT_TRUE(answerer.Wait());
    EXPECT_EQ(answerer.Text(), "Loading file " + CompactPath(huge) + kTooLargeText);
    TForm1& form = *form_;
    EXPECT_TRUE(::IsWindowVisible(form.Memo1().Handle()));
    EXPECT_EQ(WindowText(form.Memo1().Handle()).substr(0, 13), "Zem Tarvelix ");
    EXPECT_EQ(form.CurrentFileName, "");
    EXPECT_EQ(WindowText(form.Handle()), "Zem Tarvelix (The File Name Conversion Utility)");
    EXPECT_TRUE(form.MenuEnabled(MMFileExit));
    Click(form, MMFileExit);
    EXPECT_FALSE(::IsWindow(form.Handle()));
}

}  // namespace
}  // namespace zem::test
