// Long history lists and the base path in the live window's menu.
#include <shlwapi.h>

#include "main_window_fixture.h"
#include "resource.h"

namespace zem::test {
namespace {

StringList NumberedPaths(int count) {
    StringList paths;
    for (int i = 1; i <= count; ++i) paths.push_back(Format("C:\\history\\entry %d", i));
    return paths;
}

TEST_F(MainWindowTest, ALongHistoryKeepsItsOrderThroughStartAndClose) {
    const StringList paths = NumberedPaths(120);
    store_.WriteConvertedPaths(&paths);
    TForm1& form = Start();
    StringList shown = form.FileNameComboBox1().Items();
    ASSERT_EQ(shown.size(), paths.size() + 1);
    EXPECT_EQ(shown.back(), "<Clear this list>");
    shown.pop_back();
    EXPECT_EQ(shown, paths);
    Close();
    EXPECT_EQ(store_.ReadConvertedPaths(), paths);
}

TEST_F(MainWindowTest, RestoringTheHistoryReadsEachEntryAFewTimesNotOncePerEntry) {
    StringList paths = NumberedPaths(400);
    paths.push_back("c:\\HISTORY\\ENTRY 7");  // a duplicate in other letter case is left out
    store_.WriteConvertedPaths(&paths);
    form_ = std::make_unique<TForm1>();
    ASSERT_TRUE(form_->Create());
    int reads = 0;
    {
        const HWND box = form_->FileNameComboBox1().Handle();
        const SentMessageWatch watch([&](const CWPSTRUCT& sent) {
            if (sent.hwnd == box && sent.message == CB_GETLBTEXT) ++reads;  // the items the box is asked for
        });
        form_->Show(SW_SHOWNORMAL);
        PumpMessages();
    }
    EXPECT_EQ(form_->FileNameComboBox1().Count(), 401);  // the 400 and "<Clear this list>"
    EXPECT_LT(reads, 4 * 400);
}

TEST_F(MainWindowTest, TheChosenBasePathIsALiveItemOfTheBasePathMenu) {
    const std::string basePath = "C:\\Base & Folder";
    store_.SetBasePath(basePath);
    TForm1& form = Start();

    const HMENU submenu = MenuOwningItem(form.MainMenu(), MMCurrentBasePath);
    ASSERT_NE(submenu, nullptr);
    MENUITEMINFOA item{};
    item.cbSize = sizeof(item);
    item.fMask = MIIM_FTYPE | MIIM_STATE;
    ASSERT_TRUE(::GetMenuItemInfoA(submenu, MMCurrentBasePath, FALSE, &item));
    EXPECT_EQ(item.fType & MFT_SEPARATOR, 0u);
    EXPECT_NE(item.fType & MFT_RADIOCHECK, 0u);
    EXPECT_EQ(item.fState & MFS_DISABLED, 0u);
    EXPECT_NE(item.fState & MFS_CHECKED, 0u);
    char text[128] = {};
    ASSERT_GT(::GetMenuStringA(submenu, MMCurrentBasePath, text, sizeof(text), MF_BYCOMMAND), 0);
    EXPECT_STREQ(text, "C:\\Base && Folder");

    // "Use App. Path", then the base path again, both from the menu.
    Click(form, MMBasePathExeDir);
    EXPECT_TRUE(form.MenuChecked(MMBasePathExeDir));
    EXPECT_FALSE(form.MenuChecked(MMCurrentBasePath));
    Click(form, MMCurrentBasePath);
    EXPECT_TRUE(form.MenuChecked(MMCurrentBasePath));
    EXPECT_FALSE(form.MenuChecked(MMBasePathExeDir));
}

}  // namespace
}  // namespace zem::test
