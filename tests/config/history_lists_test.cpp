// History lists and the go-to line numbers of the recent files.
#include "config/history_prefetch.h"
#include "config/recent_files.h"

#include "config_test_util.h"

namespace zem::test {
namespace {

TEST(ListValueNames, NumbersHaveAtLeastTwoDigitsAndStartAtOne) {
    EXPECT_EQ(NumberedValueName("EditorFile", 0), "EditorFile01");
    EXPECT_EQ(NumberedValueName("LinesToGoTo", 8), "LinesToGoTo09");
    EXPECT_EQ(NumberedValueName("EditorFile", 99), "EditorFile100");
    EXPECT_EQ(ValueNameNumber("EditorFile100", "EditorFile"), 100);
    for (const char* name : {"EditorFile", "EditorFile00", "EditorFileAB", "editorfile01", "EditorFile-3"}) {
        EXPECT_EQ(ValueNameNumber(name, "EditorFile"), 0) << name;
    }
}

using HistoryListTest = ConfigStoreTest;

TEST_F(HistoryListTest, TenFilesAreNumberedAndReadBackInOrder) {
    StringList files;
    for (int i = 1; i <= 10; ++i) files.push_back(Format("C:\\dir\\file%d.txt", i));
    config_.WriteEditorFiles(&files);

    const char* names[] = {"EditorFile01", "EditorFile02", "EditorFile03", "EditorFile04", "EditorFile05",
                           "EditorFile06", "EditorFile07", "EditorFile08", "EditorFile09", "EditorFile10"};
    for (int i = 0; i < 10; ++i) EXPECT_EQ(Stored(kEditorFilesKey, names[i]), "sz:" + files[i]);
    EXPECT_EQ(ValueNamesOf(kEditorFilesKey).size(), 10u);
    EXPECT_EQ(config_.ReadEditorFiles(), files);
}

TEST_F(HistoryListTest, ShorterListRemovesSurplusEntriesButNotLineNumbers) {
    const StringList five = {"C:\\1", "C:\\2", "C:\\3", "C:\\4", "C:\\5"};
    config_.WriteEditorFiles(&five);
    for (int i = 1; i <= 5; ++i) PutInts(kEditorFilesKey, Format("LinesToGoTo0%d", i), {1, i});

    const StringList two = {"D:\\x", "D:\\y"};
    config_.WriteEditorFiles(&two);
    EXPECT_EQ(config_.ReadEditorFiles(), two);
    EXPECT_EQ(Stored(kEditorFilesKey, "EditorFile03"), "missing");
    EXPECT_EQ(Stored(kEditorFilesKey, "EditorFile05"), "missing");
    EXPECT_EQ(Stored(kEditorFilesKey, "LinesToGoTo05"), "binary:1,5");
}

TEST_F(HistoryListTest, NullListChangesNothingAndEmptyListDeletesAll) {
    const StringList texts = {"a", "b"};
    config_.WriteSearchTexts(&texts);
    config_.WriteSearchTexts(nullptr);
    EXPECT_EQ(ValueNamesOf(kTextSearchesKey), (std::vector<std::string>{"SearchText01", "SearchText02"}));
    EXPECT_EQ(config_.ReadSearchTexts(), texts);

    PutInts(kEditorFilesKey, "LinesToGoTo01", {1, 3});
    const StringList files = {"C:\\f"};
    config_.WriteEditorFiles(&files);
    const StringList empty;
    config_.WriteSearchTexts(&empty);
    config_.WriteEditorFiles(&empty);
    EXPECT_TRUE(ValueNamesOf(kTextSearchesKey).empty());
    EXPECT_EQ(ValueNamesOf(kEditorFilesKey), std::vector<std::string>{"LinesToGoTo01"});
}

TEST_F(HistoryListTest, OnlyNumberedValuesOfTheListAreReadAndCleared) {
    for (const char* name :
         {"EditorFile01", "EditorFile", "EditorFile0", "EditorFile00", "EditorFileAB", "EditorFile02"}) {
        PutString(kEditorFilesKey, name, name);
    }
    PutInts(kEditorFilesKey, "LinesToGoTo01", {1, 9});
    PutInts(kEditorFilesKey, "LinesToGoTo07", {});
    const StringList paths = {"%WINDIR%"};
    config_.WriteConvertedPaths(&paths);

    EXPECT_EQ(config_.ReadEditorFiles(), (StringList{"EditorFile01", "EditorFile02"}));
    EXPECT_EQ(config_.ClearEditorFiles(), 2);
    EXPECT_EQ(config_.ClearEditorFiles(), 0);
    for (const char* name : {"EditorFile", "EditorFile0", "EditorFile00", "EditorFileAB"}) {
        EXPECT_EQ(Stored(kEditorFilesKey, name), std::string("sz:") + name);
    }
    EXPECT_EQ(Stored(kEditorFilesKey, "LinesToGoTo01"), "binary:1,9");
    EXPECT_EQ(config_.ClearLinesToGoTo(), 2);
    EXPECT_EQ(ValueNamesOf(kEditorFilesKey).size(), 4u);
    EXPECT_EQ(Stored(kConvertedPathsKey, "ConvertedPath01"), "sz:%WINDIR%");
    EXPECT_EQ(config_.ReadConvertedPaths(), paths);
}

TEST_F(HistoryListTest, ReadOrdersEntriesByTheirNumberAndKeepsDuplicates) {
    // The registry may list these by name: 02, 10, 100, 11, 9.
    PutString(kTextSearchesKey, "SearchText100", "hundred");
    PutString(kTextSearchesKey, "SearchText10", "dup");
    PutString(kTextSearchesKey, "SearchText9", "nine");
    PutString(kTextSearchesKey, "SearchText11", "eleven");
    PutString(kTextSearchesKey, "SearchText02", "dup");
    EXPECT_EQ(config_.ReadSearchTexts(), (StringList{"dup", "nine", "dup", "eleven", "hundred"}));
}

// A list is read in one pass over its key; each entry comes out as reading it alone gives it.
TEST_F(HistoryListTest, EntriesReadTogetherKeepTheirTextsAndAWrongTypeStillFailsTheList) {
    PutString(kConvertedPathsKey, "ConvertedPath01", "C:\\plain");
    PutValue(kConvertedPathsKey, "ConvertedPath02", REG_EXPAND_SZ, "%WINDIR%\\x", 11);
    PutValue(kConvertedPathsKey, "ConvertedPath03", REG_SZ, "zeros\0\0\0", 9);
    PutValue(kConvertedPathsKey, "ConvertedPath04", REG_SZ, "", 0);
    PutDword(kConvertedPathsKey, "Other", 7);  // not an entry: its type does not matter
    EXPECT_EQ(config_.ReadConvertedPaths(), (StringList{"C:\\plain", "%WINDIR%\\x", "zeros", ""}));

    PutDword(kConvertedPathsKey, "ConvertedPath05", 5);
    try {
        config_.ReadConvertedPaths();
        ADD_FAILURE() << "a number among the entries was read as text";
    } catch (const AppError& error) {
        EXPECT_EQ(std::string(error.what()), "Invalid data type for 'ConvertedPath05'");
    }
}

// Lists read ahead on worker threads come out as the window's own read gives them; a list the
// quiet read cannot give is left to that read, which then reports the fault.
TEST_F(HistoryListTest, ReadAheadListsEqualTheStoresReadOrAreLeftToIt) {
    StringList paths;
    for (int i = 1; i <= 150; ++i) paths.push_back(Format("C:\\history\\entry %d", i));
    config_.WriteConvertedPaths(&paths);
    const StringList texts = {"needle", "pin"};
    config_.WriteSearchTexts(&texts);
    EXPECT_EQ(config_.ReadConvertedPathsQuietly(), paths);
    EXPECT_EQ(config_.ReadSearchTextsQuietly(), texts);

    HistoryPrefetch prefetch;
    EXPECT_EQ(prefetch.TakeConvertedPaths(), paths);
    EXPECT_EQ(prefetch.TakeConvertedPaths(), std::nullopt);  // taken once
    EXPECT_EQ(prefetch.TakeSearchTexts(), std::nullopt);     // too short to be worth a thread

    PutDword(kConvertedPathsKey, "ConvertedPath77", 77);
    EXPECT_EQ(config_.ReadConvertedPathsQuietly(), std::nullopt);
    EXPECT_EQ(HistoryPrefetch().TakeConvertedPaths(), std::nullopt);
    EXPECT_THROW(config_.ReadConvertedPaths(), AppError);
}

using LinesToGoToTest = ConfigStoreTest;

TEST_F(LinesToGoToTest, ReadDecodesStoredData) {
    const std::pair<std::vector<uint8_t>, std::vector<int32_t>> cases[] = {
        {Bytes({2, 10, 25}), {10, 25}},  // count in front
        {Bytes({10, 25}), {10, 25}},     // written without a count
        {Bytes({1, 5}), {5}},
        {{}, {}},
        {{9, 0, 0, 0, 0xAA, 0xBB, 0xCC}, {9}},  // a partial integer at the end is ignored
    };
    for (const auto& [bytes, expected] : cases) {
        PutBytes(kEditorFilesKey, "LinesToGoTo02", bytes);
        EXPECT_EQ(config_.ReadLinesToGoTo(1).Items(), expected) << bytes.size() << " bytes";
    }
    EXPECT_TRUE(config_.ReadLinesToGoTo(0).Items().empty());
    EXPECT_TRUE(config_.ReadLinesToGoTo(2).Items().empty());

    PutInts(kEditorFilesKey, "LinesToGoTo02", {3, 7, -2, 0});
    EXPECT_EQ(config_.ReadLinesToGoTo(1).Items(), (std::vector<int32_t>{7, -2, 0}));
    EXPECT_EQ(config_.ReadLinesToGoToAsStrings(1), StringList{"7"});
}

TEST_F(LinesToGoToTest, NegativeIndexFindsNoValue) {
    PutString(kEditorFilesKey, "EditorFile01", "C:\\a.txt");
    PutInts(kEditorFilesKey, "LinesToGoTo01", {1, 4});
    TZemIntList numbers;
    EXPECT_EQ(AppErrorText([&] { numbers = config_.ReadLinesToGoTo(-1); }), "<no error>");
    EXPECT_TRUE(numbers.Items().empty());
}

TEST_F(LinesToGoToTest, WriteStoresCountFollowedByEntries) {
    TZemIntList numbers;
    numbers.Add(10);
    numbers.Add(25);
    config_.WriteLinesToGoTo(2, &numbers);
    EXPECT_EQ(Stored(kEditorFilesKey, "LinesToGoTo03"), "binary:2,10,25");
    EXPECT_EQ(config_.ReadLinesToGoTo(2).Items(), numbers.Items());

    const TZemIntList empty;
    config_.WriteLinesToGoTo(0, nullptr);
    config_.WriteLinesToGoTo(1, &empty);
    EXPECT_EQ(Stored(kEditorFilesKey, "LinesToGoTo01"), "binary:");
    EXPECT_EQ(Stored(kEditorFilesKey, "LinesToGoTo02"), "binary:");

    config_.WriteLinesToGoTo(-1, &numbers);
    EXPECT_EQ(ValueNamesOf(kEditorFilesKey).size(), 3u);
}

TEST_F(LinesToGoToTest, WriteFromStringsKeepsPositiveDecimalNumbersOnce) {
    const StringList strings = {"12", "abc", "-3", "0", "12", "5", "7"};
    config_.WriteLinesToGoToFromStrings(0, &strings);
    EXPECT_EQ(Stored(kEditorFilesKey, "LinesToGoTo01"), "binary:3,12,5,7");

    const StringList empty;
    config_.WriteLinesToGoToFromStrings(0, &empty);
    config_.WriteLinesToGoToFromStrings(0, nullptr);
    config_.WriteLinesToGoToFromStrings(1, &empty);
    EXPECT_EQ(config_.ReadLinesToGoToAsStrings(0), (StringList{"12", "5", "7"}));
    EXPECT_EQ(ValueNamesOf(kEditorFilesKey), std::vector<std::string>{"LinesToGoTo01"});
}

// Line numbers are typed by the user in decimal; hexadecimal notation is no number.
TEST_F(LinesToGoToTest, LineNumberTextIsReadAsDecimal) {
    const StringList strings = {"x10", "$1A", "0x20", "4"};
    config_.WriteLinesToGoToFromStrings(0, &strings);
    EXPECT_EQ(Stored(kEditorFilesKey, "LinesToGoTo01"), "binary:1,4");

    TTarvRecentEditorFileItem item("C:\\a.txt");
    item.MergeLineNumbers(strings);
    ASSERT_TRUE(item.LineNumbers);
    EXPECT_EQ(item.LineNumbers->Items(), std::vector<int32_t>{4});
}

}  // namespace
}  // namespace zem::test
