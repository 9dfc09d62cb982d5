// The recent-files collection, its items' line numbers and the integer list behind them.
#include "config/recent_files.h"

#include "config_test_util.h"

namespace zem::test {
namespace {

StringList TenFiles() {
    StringList names;
    for (int i = 0; i < 10; ++i) names.push_back(Format("C:\\f%d.txt", i));
    return names;
}

TEST(ZemIntList, AddUniqueIndexOfSetCountAndInsert) {
    TZemIntList list;
    EXPECT_EQ(list.IndexOf(4), -1);
    EXPECT_EQ(list.AddUnique(4), 0);
    EXPECT_EQ(list.AddUnique(9), 1);
    EXPECT_EQ(list.AddUnique(4), 0);
    EXPECT_EQ(list.IndexOf(9), 1);
    list.Insert(0, 9);
    list.Insert(3, -1);
    EXPECT_EQ(list.Items(), (std::vector<int32_t>{9, 4, 9, -1}));
    EXPECT_EQ(list.IndexOf(9), 0);  // the first occurrence
    EXPECT_EQ(list.SetCount(6), 6);
    EXPECT_EQ(list.Items(), (std::vector<int32_t>{9, 4, 9, -1, 0, 0}));
    EXPECT_EQ(list.SetCount(1), 1);
    EXPECT_EQ(list.Get(0), 9);
    EXPECT_EQ(list.Data()[0], 9);
}

TEST(RecentFiles, InsertUniqueAtKeepsAtMostTenItems) {
    TTarvRecentEditorFileItems items;
    ASSERT_EQ(items.FromStrings(TenFiles()), 10);
    TTarvRecentEditorFileItem* added = items.InsertUniqueAt(0, "D:\\new.txt");
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added, &items[0]);
    StringList expected = TenFiles();
    expected.insert(expected.begin(), "D:\\new.txt");
    expected.pop_back();
    EXPECT_EQ(items.ToStrings(), expected);

    // A name already present, in any letter case, returns the item where it is.
    TTarvRecentEditorFileItem* existing = items.InsertUniqueAt(0, "c:\\F4.TXT");
    EXPECT_EQ(existing, &items[5]);
    EXPECT_EQ(items.ToStrings(), expected);
}

TEST(RecentFiles, InsertAtAcceptsOnlyExistingPositions) {
    TTarvRecentEditorFileItems items;
    EXPECT_EQ(items.InsertAt(1, "C:\\x"), nullptr);
    EXPECT_EQ(items.InsertAt(-1, "C:\\x"), nullptr);
    ASSERT_NE(items.InsertAt(0, "C:\\b"), nullptr);
    EXPECT_EQ(items.InsertAt(1, "C:\\c"), nullptr);  // the end of a non-empty collection is no position
    EXPECT_EQ(items.InsertUniqueAt(1, "C:\\c"), nullptr);
    TTarvRecentEditorFileItem* a = items.InsertAt(0, "C:\\a");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->FileName, "C:\\a");
    EXPECT_FALSE(a->LineNumbers);
    EXPECT_EQ(items.ToStrings(), (StringList{"C:\\a", "C:\\b"}));
}

TEST(RecentFiles, FileNamesAreComparedWithoutCase) {
    TTarvRecentEditorFileItems items;
    EXPECT_EQ(items.FromStrings({"C:\\A.txt", "D:\\b.txt", "c:\\a.TXT"}), 2);
    EXPECT_EQ(items.ToStrings(), (StringList{"C:\\A.txt", "D:\\b.txt"}));
    EXPECT_EQ(items.IndexOfFile("d:\\B.TXT"), 1);
    EXPECT_EQ(items.IndexOfFile("D:\\b.txt "), -1);
    EXPECT_EQ(items.FindFile("C:\\a.txt"), &items[0]);
    EXPECT_EQ(items.FindFile("E:\\"), nullptr);

    EXPECT_EQ(&items.AddUniqueFile("D:\\B.txt"), &items[1]);
    EXPECT_EQ(items.Count(), 2);
    items.AddFile("d:\\b.txt");  // no duplicate check
    EXPECT_EQ(items.Count(), 3);

    // Filling from a list replaces the collection and does not cut it to ten.
    StringList twelve = TenFiles();
    twelve.push_back("C:\\g1");
    twelve.push_back("C:\\g2");
    EXPECT_EQ(items.FromStrings(twelve), 12);
    EXPECT_EQ(items.ToStrings(), twelve);
}

TEST(RecentFileItem, MergeAndListLineNumbers) {
    TTarvRecentEditorFileItem item("C:\\a.txt");
    EXPECT_TRUE(item.LineNumbersAsStrings().empty());
    item.MergeLineNumbers({});
    EXPECT_FALSE(item.LineNumbers);  // an empty merge creates no list

    item.MergeLineNumbers({"5", "x", "5", "-1", "0", "3"});
    ASSERT_TRUE(item.LineNumbers);
    EXPECT_EQ(item.LineNumbers->Items(), (std::vector<int32_t>{5, 3}));
    item.MergeLineNumbers({"3", "8"});
    EXPECT_EQ(item.LineNumbers->Items(), (std::vector<int32_t>{5, 3, 8}));

    item.LineNumbers->Insert(1, -4);
    item.LineNumbers->Add(0);
    EXPECT_EQ(item.LineNumbersAsStrings(), (StringList{"5", "3", "8"}));
}

using RecentFilesStoreTest = ConfigStoreTest;

TEST_F(RecentFilesStoreTest, LineNumbersRoundTripThroughTheStore) {
    TTarvRecentEditorFileItems items;
    items.FromStrings({"C:\\a", "C:\\b", "C:\\c"});
    items[0].MergeLineNumbers({"10", "25"});
    items[2].MergeLineNumbers({"7"});
    items.SaveLineNumbers(config_);

    EXPECT_EQ(Stored(kEditorFilesKey, "LinesToGoTo01"), "binary:2,10,25");
    EXPECT_EQ(Stored(kEditorFilesKey, "LinesToGoTo02"), "binary:");
    EXPECT_EQ(Stored(kEditorFilesKey, "LinesToGoTo03"), "binary:1,7");

    TTarvRecentEditorFileItems loaded;
    loaded.FromStrings({"C:\\a", "C:\\b", "C:\\c"});
    loaded[1].MergeLineNumbers({"99"});  // replaced by what the store holds
    loaded.LoadLineNumbers(config_);
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(loaded[i].LineNumbers) << i;
    EXPECT_EQ(loaded[0].LineNumbers->Items(), (std::vector<int32_t>{10, 25}));
    EXPECT_TRUE(loaded[1].LineNumbers->Items().empty());
    EXPECT_EQ(loaded[2].LineNumbers->Items(), std::vector<int32_t>{7});
}

}  // namespace
}  // namespace zem::test
