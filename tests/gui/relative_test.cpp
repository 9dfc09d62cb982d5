// Create Relative Path(s) and the Base Path submenu in the live window.
#include "main_window_fixture.h"
#include "resource.h"

namespace zem::test {
namespace {

void TypePath(TForm1& form, const std::string& text) {
    form.FileNameComboBox1().SetText(text);
    ::SendMessageA(form.Handle(), WM_COMMAND, MAKEWPARAM(IDC_FILENAMECOMBOBOX1, CBN_EDITCHANGE),
                   reinterpret_cast<LPARAM>(form.FileNameComboBox1().Handle()));
    PumpMessages();
}

TEST_F(MainWindowTest, RelativePathsStartAtTheChosenBaseOrTheCurrentFolder) {
    TempFolder temp;
    const std::string base = temp.MakeFolder("Base Folder");
    const std::string target = temp.MakeFolder("Base Folder\\Inner Folder");
    store_.SetBasePath(base);
    TForm1& form = Start();
    EXPECT_TRUE(form.MenuChecked(MMCurrentBasePath));
    TypePath(form, target);
    ASSERT_TRUE(form.MenuEnabled(MMActionCreateRelPath));
    Click(form, MMActionCreateRelPath);
    const std::string text = WindowText(form.Memo1().Handle());
    EXPECT_NE(text.find("The relative path from " + base + " (the base path)\r\nto " + target +
                        " is \r\n.\\Inner Folder\r\nThe relative path from " + target + " \r\nto " + base +
                        " (the base path) is \r\n..\r\n\r\n"),
              std::string::npos)
        << text;
    EXPECT_EQ(form.FileNameComboBox1().Item(0), target);

    // "Use App. Path": the current folder is the base, the chosen one stays for later.
    Click(form, MMBasePathExeDir);
    EXPECT_TRUE(form.MenuChecked(MMBasePathExeDir));
    EXPECT_EQ(form.UserBasePath, base);
    char previous[MAX_PATH] = {};
    ::GetCurrentDirectoryA(MAX_PATH, previous);
    ::SetCurrentDirectoryA(temp.Path().c_str());
    Click(form, MMActionCreateRelPath);
    ::SetCurrentDirectoryA(previous);
    EXPECT_NE(WindowText(form.Memo1().Handle()).find("The relative path from " + temp.Path() + " (the base path)"),
              std::string::npos);
    Click(form, MMCurrentBasePath);
    EXPECT_TRUE(form.MenuChecked(MMCurrentBasePath));

    Click(form, MMResetBasePath);
    EXPECT_EQ(form.UserBasePath, "");
    EXPECT_TRUE(form.MenuChecked(MMBasePathExeDir));
    EXPECT_FALSE(form.MenuEnabled(MMResetBasePath));
}

}  // namespace
}  // namespace zem::test
