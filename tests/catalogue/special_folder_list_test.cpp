// The folder list from both sources, its editing and its sort order.
#include <gtest/gtest.h>

#include <windows.h>
#include <knownfolders.h>
#include <shlobj.h>

#include <map>

#include "base/strings.h"
#include "catalogue/known_folders.h"
#include "catalogue/special_folder_list.h"
#include "test_support.h"

namespace zem {
namespace {

std::string WindowsFolder() {
    char buffer[MAX_PATH] = {};
    ::GetWindowsDirectoryA(buffer, MAX_PATH);
    return buffer;
}

int IndexOfFolder(const TZemCSIDLGUIDList2& list, const GUID& id) {
    for (int i = 0; i < list.Count(); ++i) {
        if (list.GetItem(i).FolderID == id) return i;
    }
    return -1;
}

std::map<int, int> CountByCategory(const TZemCSIDLGUIDList2& list) {
    std::map<int, int> counts;
    for (int i = 0; i < list.Count(); ++i) ++counts[list.GetItem(i).Category];
    return counts;
}

class SpecialFolderList : public ::testing::Test {
    test::ComApartment com_;
};

TEST_F(SpecialFolderList, TheTableSourceLoadsTheBuiltInRowsInOrder) {
    TZemCSIDLGUIDList2 list(FolderSource::CsidlTable);
    ASSERT_EQ(list.LoadFolders(), 56);
    for (int i = 0; i < list.Count(); ++i) {
        EXPECT_EQ(list.GetItem(i).CSIDL, CSIDLGUIDDefaults[static_cast<size_t>(i)].CSIDL) << i;
        EXPECT_TRUE(list.GetItem(i).FolderID == CSIDLGUIDDefaults[static_cast<size_t>(i)].FolderID) << i;
    }
    EXPECT_EQ(list.RemoveCategory(kCategoryVirtual), 48);
    const std::map<int, int> expected{{2, 12}, {3, 12}, {4, 24}};
    EXPECT_EQ(CountByCategory(list), expected);
}

TEST_F(SpecialFolderList, TheTableSourceAsksTheCsidlPathCall) {
    TZemCSIDLGUIDList2 list(FolderSource::CsidlTable);
    list.LoadFolders();
    const int windows = IndexOfFolder(list, FOLDERID_Windows);
    ASSERT_GE(windows, 0);
    EXPECT_TRUE(SameTextNoCase(list.CurrentPath(windows), WindowsFolder())) << list.CurrentPath(windows);
    EXPECT_TRUE(SameTextNoCase(list.DefaultPath(windows), WindowsFolder())) << list.DefaultPath(windows);
    EXPECT_EQ(list.CurrentPath(IndexOfFolder(list, FOLDERID_ComputerFolder)), "");
}

TEST_F(SpecialFolderList, TheSystemOffersTheKnownFolderManager) {
    // The test prefix reports Windows 7.
    EXPECT_EQ(SystemFolderSource(), FolderSource::KnownFolderManager);
}

TEST_F(SpecialFolderList, KnownFoldersAreEnumeratedWithCategories) {
    TZemCSIDLGUIDList2 list(FolderSource::KnownFolderManager);
    ASSERT_GT(list.LoadFolders(), 56);
    for (int i = 0; i < list.Count(); ++i) {
        EXPECT_GE(list.GetItem(i).Category, kCategoryVirtual) << i;
        EXPECT_LE(list.GetItem(i).Category, kCategoryPerUser) << i;
    }
    const int windows = IndexOfFolder(list, FOLDERID_Windows);
    ASSERT_GE(windows, 0);
    EXPECT_EQ(list.GetItem(windows).CSIDL, CSIDL_WINDOWS);
    EXPECT_TRUE(SameTextNoCase(list.CurrentPath(windows), WindowsFolder()));
    EXPECT_TRUE(SameTextNoCase(list.DefaultPath(windows), WindowsFolder()));

    // Every folder the manager hands out has an object and a category here, so all are kept.
    ComPtr<IKnownFolderManager> manager;
    std::vector<GUID> ids;
    ASSERT_EQ(CreateKnownFolderManager(manager), 0u);
    ASSERT_EQ(KnownFolderIds(*manager.Get(), ids), 0u);
    EXPECT_EQ(list.Count(), static_cast<int>(ids.size()));

    const int loaded = list.Count();
    const int virtualFolders = CountByCategory(list)[kCategoryVirtual];
    EXPECT_GT(virtualFolders, 0);
    EXPECT_EQ(list.RemoveCategory(kCategoryVirtual), loaded - virtualFolders);
    EXPECT_EQ(CountByCategory(list).count(kCategoryVirtual), 0u);
}

TEST_F(SpecialFolderList, PathsOutsideTheListAreEmpty) {
    TZemCSIDLGUIDList2 list(FolderSource::KnownFolderManager);
    list.LoadFolders();
    EXPECT_EQ(list.CurrentPath(-1), "");
    EXPECT_EQ(list.CurrentPath(list.Count()), "");
    EXPECT_EQ(list.DefaultPath(-1), "");
    EXPECT_EQ(list.DefaultPath(list.Count()), "");
}

TEST_F(SpecialFolderList, RecordsAreAddedCopiedAndDeleted) {
    TZemCSIDLGUIDList2 list(FolderSource::CsidlTable);
    TZemCSIDLGUIDRec record{0x24, FOLDERID_Windows, kCategoryFixed};
    EXPECT_EQ(list.AddItem(record), 0);
    record.CSIDL = 0x25;
    EXPECT_EQ(list.AddItem(record), 1);
    EXPECT_EQ(list.GetItem(0).CSIDL, 0x24);  // the list keeps its own copy
    list.DeleteItem(0);
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.GetItem(0).CSIDL, 0x25);
    list.DeleteItem(5);  // outside: nothing happens
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(list.GetItem(3).Category, 0);
    EXPECT_EQ(list.RemoveCategory(kCategoryFixed), 0);
    EXPECT_EQ(list.RemoveCategory(kCategoryFixed), 0);
}

TEST_F(SpecialFolderList, SortingByCategoryDoesNotKeepTheLoadingOrder) {
    TZemCSIDLGUIDList2 list(FolderSource::CsidlTable);
    list.SortByCategory();  // an empty list is left alone
    // Records 1 to 5 with categories 4, 2, 4, 2, 3. Worked through by hand, the middle-pivot
    // quicksort leaves 4, 2, 5, 1, 3: record 4 ends up before record 2.
    const uint8_t categories[] = {4, 2, 4, 2, 3};
    for (uint16_t i = 0; i < 5; ++i) list.AddItem({static_cast<uint16_t>(i + 1), GUID_NULL, categories[i]});
    list.SortByCategory();
    std::vector<int> order;
    for (int i = 0; i < list.Count(); ++i) order.push_back(list.GetItem(i).CSIDL);
    EXPECT_EQ(order, (std::vector<int>{4, 2, 5, 1, 3}));
}

TEST_F(SpecialFolderList, SortedTableHasCategoriesAscending) {
    TZemCSIDLGUIDList2 list(FolderSource::CsidlTable);
    list.LoadFolders();
    list.SortByCategory();
    ASSERT_EQ(list.Count(), 56);
    for (int i = 1; i < list.Count(); ++i) EXPECT_LE(list.GetItem(i - 1).Category, list.GetItem(i).Category) << i;
}

}  // namespace
}  // namespace zem
