// Loading output files into the live window through the Recent submenu.
#include <cstring>

#include "main_window_fixture.h"
#include "resource.h"

namespace zem::test {
namespace {

std::string ItemCaption(HMENU menu, int position) {
    char text[512] = {};
    ::GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof(text), MF_BYPOSITION);
    return text;
}

HMENU RecentMenu(TForm1& form) { return SubMenuOf(form.MainMenu(), MMFileRecentFiles); }

TEST_F(MainWindowTest, RecentFilesAreListedNumberedAndLoadWhenClicked) {
    TempFolder temp;
    const std::string first = temp.MakeFile("First Output.txt", "first text\r\nline two");
    const std::string second = temp.MakeFile("A & B.txt", "second text");
    const StringList stored{first, second};
    store_.WriteEditorFiles(&stored);
    TForm1& form = Start();
    const HMENU recent = RecentMenu(form);
    ASSERT_EQ(::GetMenuItemCount(recent), 4);
    EXPECT_EQ(ItemCaption(recent, 2), "1: " + CompactPath(first));
    EXPECT_EQ(ItemCaption(recent, 3), "2: " + temp.Path() + "\\A && B.txt");
    EXPECT_TRUE(form.MenuEnabled(MMRecentFilesClear));

    ::SetFileAttributesA(second.c_str(), FILE_ATTRIBUTE_READONLY);
    Click(form, MMRecentFileFirst + 1);
    EXPECT_EQ(WindowText(form.Memo1().Handle()), "second text");
    EXPECT_EQ(form.CurrentFileName, second);
    EXPECT_FALSE(form.Memo1().Modified());
    EXPECT_TRUE(form.Memo1().ReadOnly());  // the file's attribute decides
    EXPECT_FALSE(form.MenuEnabled(MMActionListSpecialFolders));
    EXPECT_EQ(ItemCaption(recent, 2).substr(0, 3), "1: ");
    EXPECT_EQ(ItemCaption(recent, 2), "1: " + temp.Path() + "\\A && B.txt");  // moved to the top
    ::SetFileAttributesA(second.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(MainWindowTest, AVanishedRecentFileShowsTheErrorAndDisablesItsItem) {
    TempFolder temp;
    const std::string gone = temp.Path() + "\\Gone.txt";
    const StringList stored{gone};
    store_.WriteEditorFiles(&stored);
    TForm1& form = Start();
    MessageBoxAnswerer answerer(IDOK);
    Click(form, MMRecentFileFirst);
    ASSERT_TRUE(answerer.Wait());
    EXPECT_EQ(answerer.Caption(), "Error");
    EXPECT_EQ(answerer.Text(), "Loading the recently opened file " + CompactPath(gone) +
                                   " \r\nfailed with error code -536870910 (0xE0000002)\r\n");
    EXPECT_FALSE(form.MenuEnabled(MMRecentFileFirst));
    EXPECT_EQ(form.RecentFiles()->Count(), 1);  // the entry stays
}

TEST_F(MainWindowTest, ClearEmptiesTheListAndDisablesTheSubmenu) {
    TempFolder temp;
    const StringList stored{temp.MakeFile("One.txt"), temp.MakeFile("Two.txt")};
    store_.WriteEditorFiles(&stored);
    TForm1& form = Start();
    Click(form, MMRecentFilesClear);
    EXPECT_EQ(::GetMenuItemCount(RecentMenu(form)), 2);
    EXPECT_FALSE(form.MenuEnabled(MMFileRecentFiles));
    EXPECT_FALSE(form.MenuEnabled(MMRecentFilesClear));
    EXPECT_TRUE(store_.ReadEditorFiles().empty());
}


TEST_F(MainWindowTest, TheStoredDefaultFileIsLoadedAtStart) {
    TempFolder temp;
    const std::string file = temp.MakeFile("Default Output.txt", "stored text");
    store_.SetDefEditorFile(file);
    TForm1& form = Start();
    EXPECT_EQ(WindowText(form.Memo1().Handle()), "stored text");
    EXPECT_EQ(form.CurrentFileName, file);
    EXPECT_FALSE(form.Memo1().Modified());
    ASSERT_EQ(form.RecentFiles()->Count(), 1);
    EXPECT_EQ((*form.RecentFiles())[0].FileName, file);
}

TEST_F(MainWindowTest, AMissingDefaultFileShowsTheLoadErrorAndStartsWithTheHeader) {
    TempFolder temp;
    const std::string file = temp.Path() + "\\Missing Output.txt";
    store_.SetDefEditorFile(file);
    MessageBoxAnswerer answerer(IDOK);
    TForm1& form = Start();
    ASSERT_TRUE(answerer.Wait());
    EXPECT_EQ(answerer.Text(),
              "Loading file " + CompactPath(file) + " \r\nfailed with error code -536870910 (0xE0000002)\r\n");
    EXPECT_EQ(form.CurrentFileName, "");
    EXPECT_EQ(WindowText(form.Memo1().Handle()).substr(0, 13), "Zem Tarvelix ");
}

}  // namespace
}  // namespace zem::test
