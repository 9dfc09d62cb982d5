// The environment-path report, line by line, against real folders and variables.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>

#include "folders/environment_listing.h"
#include "test_support.h"

namespace zem {
namespace {

using test::ScopedVariable;

const std::string kStars(79, '*');
const std::string kDashes(43, '-');

const StringList kHead{kStars,
                       "",
                       "Environment Variable Paths",
                       "Output Format : ",
                       "Environment variable",
                       "Path",
                       "Path in DOS, short, 8.3 format",
                       "",
                       kStars,
                       ""};

StringList Report(const StringList& body) {
    StringList lines = kHead;
    lines.insert(lines.end(), body.begin(), body.end());
    lines.emplace_back();
    return lines;
}

TZemEnvironmentStrList ListOf(std::initializer_list<std::string> entries) {
    TZemEnvironmentStrList list;
    for (const std::string& entry : entries) list.Add(entry);
    return list;
}

class ScopedCurrentDirectory {
public:
    explicit ScopedCurrentDirectory(const std::string& path) {
        char buffer[MAX_PATH * 4] = {};
        ::GetCurrentDirectoryA(sizeof(buffer), buffer);
        old_ = buffer;
        ::SetCurrentDirectoryA(path.c_str());
    }
    ~ScopedCurrentDirectory() { ::SetCurrentDirectoryA(old_.c_str()); }
    ScopedCurrentDirectory(const ScopedCurrentDirectory&) = delete;
    ScopedCurrentDirectory& operator=(const ScopedCurrentDirectory&) = delete;

private:
    std::string old_;
};

int IndexOfLine(const StringList& lines, const std::string& line) {
    const auto found = std::find(lines.begin(), lines.end(), line);
    return found == lines.end() ? -1 : static_cast<int>(found - lines.begin());
}

TEST(EnvironmentReport, AnEmptyListWritesNothing) {
    EXPECT_EQ(EnvironmentReportLines(TZemEnvironmentStrList()), StringList{});
}

TEST(EnvironmentReport, WithNothingToListOnlyTheHeadAndOneEmptyLineAreWritten) {
    const test::TempFolder temp;
    const TZemEnvironmentStrList list =
        ListOf({"MISSING=" + temp.Path() + "\\missing", "NOEQUALS", "EMPTY=", "LIST=;" + temp.Path()});
    EXPECT_EQ(EnvironmentReportLines(list), Report({}));
}

TEST(EnvironmentReport, AnExistingFolderIsListedWithItsShortForm) {
    const test::TempFolder temp;
    const std::string folder = temp.MakeFolder("Some Long Folder Name");
    const std::string file = temp.MakeFile("Some Long Folder Name\\A Long File Name.text");
    ASSERT_NE(test::SystemShortForm(folder), "");
    const TZemEnvironmentStrList list = ListOf({"ZEM_FOLDER=" + folder, "ZEM_FILE=" + file});
    EXPECT_EQ(EnvironmentReportLines(list), Report({"ZEM_FOLDER", kDashes, folder, test::SystemShortForm(folder), "",
                                                   "ZEM_FILE", kDashes, file, test::SystemShortForm(file), ""}));
}

TEST(EnvironmentReport, ValuesAreWrittenAsHeld) {
    const test::TempFolder temp;
    const std::string folder = temp.MakeFolder("Another Long Folder");
    const std::string shortForm = test::SystemShortForm(folder);
    ASSERT_NE(shortForm, "");
    std::string lowered = folder;
    ::CharLowerBuffA(lowered.data(), static_cast<DWORD>(lowered.size()));
    const TZemEnvironmentStrList list = ListOf({"SHORT=" + shortForm, "LOWER=" + lowered});
    EXPECT_EQ(EnvironmentReportLines(list),
              Report({"SHORT", kDashes, shortForm, shortForm, "", "LOWER", kDashes, lowered, test::SystemShortForm(lowered), ""}));
}

TEST(EnvironmentReport, AListIsShownElementByElementWhenItsFirstElementExists) {
    const test::TempFolder temp;
    const std::string first = temp.MakeFolder("First Long Folder");
    const std::string second = temp.MakeFolder("Second Long Folder");
    const std::string missing = temp.Path() + "\\Not There";
    const TZemEnvironmentStrList list = ListOf({"ZEM_LIST=" + first + ";" + missing + ";;" + second + ";"});
    EXPECT_EQ(EnvironmentReportLines(list), Report({"ZEM_LIST", kDashes, first, test::SystemShortForm(first), missing, "", "",
                                                   "", second, test::SystemShortForm(second), ""}));
}

TEST(EnvironmentReport, AListWhoseFirstElementDoesNotExistIsLeftOut) {
    const test::TempFolder temp;
    const std::string existing = temp.MakeFolder("Existing Long Folder");
    const TZemEnvironmentStrList list =
        ListOf({"ZEM_LIST=" + temp.Path() + "\\Not There;" + existing, "ZEM_ONE=" + existing});
    EXPECT_EQ(EnvironmentReportLines(list), Report({"ZEM_ONE", kDashes, existing, test::SystemShortForm(existing), ""}));
}

TEST(EnvironmentReport, PerDriveEntriesAreListedUnderAnEmptyName) {
    const test::TempFolder temp;
    const std::string folder = temp.MakeFolder("Drive Current Folder");
    const TZemEnvironmentStrList list = ListOf({"=C:=" + folder});
    // The value is everything after the first "=", drive name included: it names no path.
    EXPECT_EQ(EnvironmentReportLines(list), Report({}));

    const TZemEnvironmentStrList bare = ListOf({"=" + folder});
    EXPECT_EQ(EnvironmentReportLines(bare), Report({"", kDashes, folder, test::SystemShortForm(folder), ""}));
}

TEST(EnvironmentReport, ABareDriveExistsAndIsListed) {
    const TZemEnvironmentStrList list = ListOf({"ZEM_DRIVE=C:"});
    EXPECT_EQ(EnvironmentReportLines(list), Report({"ZEM_DRIVE", kDashes, "C:", test::SystemShortForm("C:"), ""}));
}

TEST(EnvironmentReport, RelativeValuesAreLookedUpFromTheCurrentDirectory) {
    const test::TempFolder temp;
    temp.MakeFolder("Relative Long Folder");
    const TZemEnvironmentStrList list = ListOf({"ZEM_RELATIVE=Relative Long Folder"});
    EXPECT_EQ(EnvironmentReportLines(list), Report({}));
    const ScopedCurrentDirectory current(temp.Path());
    EXPECT_EQ(EnvironmentReportLines(list), Report({"ZEM_RELATIVE", kDashes, "Relative Long Folder",
                                                   test::SystemShortForm("Relative Long Folder"), ""}));
}

TEST(EnvironmentReport, TheProcessEnvironmentIsListed) {
    const test::TempFolder temp;
    const std::string folder = temp.MakeFolder("Process Variable Folder");
    const ScopedVariable existing("ZEM_LISTED_FOLDER", folder);
    const ScopedVariable missing("ZEM_MISSING_FOLDER", temp.Path() + "\\Not There");
    const StringList lines = ListEnvironmentVarPathsLines();
    ASSERT_GT(lines.size(), kHead.size());
    EXPECT_EQ(StringList(lines.begin(), lines.begin() + static_cast<long>(kHead.size())), kHead);
    EXPECT_EQ(lines.back(), "");
    const int name = IndexOfLine(lines, "ZEM_LISTED_FOLDER");
    ASSERT_GE(name, 0);
    ASSERT_LT(static_cast<size_t>(name) + 4, lines.size());
    EXPECT_EQ(StringList(lines.begin() + name, lines.begin() + name + 5),
              (StringList{"ZEM_LISTED_FOLDER", kDashes, folder, test::SystemShortForm(folder), ""}));
    EXPECT_EQ(IndexOfLine(lines, "ZEM_MISSING_FOLDER"), -1);
}

}  // namespace
}  // namespace zem
