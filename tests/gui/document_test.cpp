// The document's name in the caption, and the read-only switch with what follows it.
#include "main_window_fixture.h"
#include "resource.h"

namespace zem::test {
namespace {

void ToggleReadOnly(TForm1& form) {
    ::SendMessageA(form.Handle(), WM_COMMAND, MAKEWPARAM(MMEditReadOnly, 0), 0);
    PumpMessages();
}

TEST_F(MainWindowTest, TheCaptionNamesTheDocumentCompacted) {
    TForm1& form = Start();
    EXPECT_EQ(WindowText(form.Handle()), "Zem Tarvelix (The File Name Conversion Utility)");
    form.SetDocumentFileName("C:\\Short\\out.txt");
    EXPECT_EQ(WindowText(form.Handle()), "Zem Tarvelix (C:\\Short\\out.txt)");
    const std::string longPath = "C:\\" + std::string(80, 'f') + "\\" + std::string(40, 'g') + "\\report.txt";
    form.SetDocumentFileName(longPath);
    EXPECT_EQ(WindowText(form.Handle()), "Zem Tarvelix (" + CompactPath(longPath) + ")");
    EXPECT_LE(CompactPath(longPath).size(), 61u);
    form.SetDocumentFileName("");
    EXPECT_EQ(form.CurrentFileName, "");
    EXPECT_EQ(WindowText(form.Handle()), "Zem Tarvelix (The File Name Conversion Utility)");
}

TEST_F(MainWindowTest, ReadOnlyDisablesTheWritingCommandsAndClearsTheFilesAttribute) {
    TempFolder temp;
    const std::string file = temp.MakeFile("Output.txt", "text");
    TForm1& form = Start();
    form.FileNameComboBox1().SetText("C:\\windows");
    ToggleReadOnly(form);
    EXPECT_TRUE(form.Memo1().ReadOnly());
    EXPECT_TRUE(form.MenuChecked(MMEditReadOnly));
    EXPECT_TRUE(MenuItemChecked(form.RichEditPopupMenu(), RichEditPMReadOnly));
    for (UINT id : {MMActionConvert, MMActionCreateRelPath, MMActionListSpecialFolders, MMActionListEnvVarPaths}) {
        EXPECT_FALSE(form.MenuEnabled(id)) << id;
    }
    EXPECT_FALSE(::IsWindowEnabled(form.ConvertButton1()));

    ::SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY);
    form.SetDocumentFileName(file);
    ToggleReadOnly(form);
    EXPECT_FALSE(form.Memo1().ReadOnly());
    EXPECT_EQ(::GetFileAttributesA(file.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
    EXPECT_TRUE(form.MenuEnabled(MMActionConvert));
    EXPECT_TRUE(form.MenuEnabled(MMActionListSpecialFolders));
    EXPECT_TRUE(::IsWindowEnabled(form.ConvertButton1()));

    // Switching it on again leaves the file alone.
    ToggleReadOnly(form);
    EXPECT_EQ(::GetFileAttributesA(file.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
}

TEST_F(MainWindowTest, AReadOnlyDocumentCannotBeUndoneOrRedone) {
    TForm1& form = Start();
    const HWND memo = form.Memo1().Handle();
    ::SetFocus(memo);
    ::SendMessageA(memo, EM_SETSEL, -1, -1);
    ::SendMessageA(memo, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("typed"));
    PumpMessages();
    const std::string text = WindowText(memo);
    ASSERT_TRUE(form.MenuEnabled(MMEditUndo));

    ToggleReadOnly(form);
    EXPECT_FALSE(form.MenuEnabled(MMEditUndo));
    EXPECT_FALSE(form.MenuEnabled(MMEditRedo));
    EXPECT_FALSE(MenuItemEnabled(form.RichEditPopupMenu(), RichEditPMUndo));
    Click(form, MMEditUndo);
    ::SendMessageA(memo, EM_UNDO, 0, 0);
    ::SendMessageA(memo, WM_UNDO, 0, 0);
    // Ctrl+Z typed into the editor itself.
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    ::SetKeyboardState(keys);
    ::SendMessageA(memo, WM_KEYDOWN, 'Z', 0);
    keys[VK_CONTROL] = 0;
    ::SetKeyboardState(keys);
    PumpMessages();
    EXPECT_EQ(WindowText(memo), text);

    ToggleReadOnly(form);  // editable again: the change can be undone
    ::SendMessageA(memo, EM_UNDO, 0, 0);
    EXPECT_NE(WindowText(memo), text);
}

TEST_F(MainWindowTest, TheContextMenusReadOnlyItemIsLive) {
    TForm1& form = Start();
    ::SetFocus(form.Memo1().Handle());
    PumpMessages();
    EXPECT_TRUE(MenuItemEnabled(form.RichEditPopupMenu(), RichEditPMReadOnly));
    Click(form, RichEditPMReadOnly);
    EXPECT_TRUE(form.Memo1().ReadOnly());
    EXPECT_TRUE(MenuItemChecked(form.RichEditPopupMenu(), RichEditPMReadOnly));
    EXPECT_TRUE(MenuItemEnabled(form.RichEditPopupMenu(), RichEditPMReadOnly));
}

TEST_F(MainWindowTest, AVanishedFileDoesNotKeepTheDocumentReadOnly) {
    TempFolder temp;
    TForm1& form = Start();
    ToggleReadOnly(form);
    // A file that vanished has no attribute to clear.
    EXPECT_EQ(ClearReadOnlyAttribute(temp.Path() + "\\Gone.txt"), 0u);
    form.SetDocumentFileName(temp.Path() + "\\Gone.txt");
    ToggleReadOnly(form);
    EXPECT_FALSE(form.Memo1().ReadOnly());
}

// A long text is not emptied line by line: the editor is replaced, its settings kept.
TEST_F(MainWindowTest, ALongDocumentIsReplacedByANewEditorWithTheSameSettings) {
    TempFolder temp;
    std::string longText;
    for (int line = 0; line < 3000; ++line) longText += "line " + std::to_string(line) + "\r\n";
    const std::string big = temp.MakeFile("Big.txt", longText);
    const std::string small = temp.MakeFile("Small.txt", "small text");
    TForm1& form = Start();
    ::SendMessageA(form.Handle(), WM_COMMAND, MAKEWPARAM(MMZoom150Pct, 0), 0);
    const uint32_t zoom = form.Memo1().Zoom();
    ASSERT_EQ(form.LoadDocumentFile(big, false), 0u);
    const HWND first = form.Memo1().Handle();

    ASSERT_EQ(form.LoadDocumentFile(small, true), 0u);
    const HWND second = form.Memo1().Handle();
    EXPECT_NE(second, first);
    EXPECT_FALSE(::IsWindow(first));
    EXPECT_EQ(WindowText(second), "small text");
    EXPECT_EQ(form.Memo1().Zoom(), zoom);
    EXPECT_TRUE(form.Memo1().ReadOnly());
    EXPECT_EQ(::GetDlgCtrlID(second), IDC_MEMO1);
    ASSERT_NE(form.OleCallback(), nullptr);
    EXPECT_EQ(form.OleCallback()->Control(), second);  // the new editor has its callback
    EXPECT_GT(form.OleCallback()->ReferenceCount(), 0);
    EXPECT_EQ(::GetWindow(form.Panel1(), GW_HWNDNEXT), second);  // the tab order is kept
    RECT area{};
    ::GetClientRect(second, &area);
    EXPECT_GT(area.bottom, 50);

    // A short text stays in its editor; the header of a new document goes into it.
    form.Memo1().SetReadOnly(false);
    ::SendMessageA(form.Handle(), WM_COMMAND, MAKEWPARAM(MMFileNew, 0), 0);
    PumpMessages();
    EXPECT_EQ(form.Memo1().Handle(), second);
    EXPECT_EQ(WindowText(second).rfind("Zem Tarvelix", 0), 0u);
}

}  // namespace
}  // namespace zem::test
