// The environment list against the process's real environment block, and path-list splitting.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "test_support.h"
#include "catalogue/environment.h"

namespace zem {
namespace {

using test::ScopedVariable;

// The block as the system hands it out, walked independently of the list.
StringList RawEnvironment() {
    StringList entries;
    char* block = ::GetEnvironmentStringsA();
    if (block == nullptr) return entries;
    for (const char* entry = block; *entry != '\0'; entry += std::string_view(entry).size() + 1) {
        entries.emplace_back(entry);
    }
    ::FreeEnvironmentStringsA(block);
    return entries;
}

StringList Entries(const TZemEnvironmentStrList& list) {
    StringList entries;
    for (int i = 0; i < list.Count(); ++i) entries.push_back(list[i]);
    return entries;
}

int IndexOf(const TZemEnvironmentStrList& list, const std::string& entry) {
    for (int i = 0; i < list.Count(); ++i) {
        if (list[i] == entry) return i;
    }
    return -1;
}

TEST(EnvironmentList, LoadingTakesEveryEntryInBlockOrder) {
    const ScopedVariable variable("ZEM_ENV_LOAD", "C:\\Some Value;with=signs");
    TZemEnvironmentStrList list;
    const int count = list.LoadEnvironment();
    EXPECT_GT(count, 0);
    EXPECT_EQ(count, list.Count());
    EXPECT_EQ(Entries(list), RawEnvironment());
    const int index = IndexOf(list, "ZEM_ENV_LOAD=C:\\Some Value;with=signs");
    ASSERT_GE(index, 0);
    EXPECT_EQ(list.NameAt(index), "ZEM_ENV_LOAD");
    EXPECT_EQ(list.ValueAt(index), "C:\\Some Value;with=signs");
}

TEST(EnvironmentList, LoadingAppendsToWhatIsHeld) {
    TZemEnvironmentStrList list;
    list.Add("FIRST=1");
    const int count = list.LoadEnvironment();
    EXPECT_EQ(count, static_cast<int>(RawEnvironment().size()) + 1);
    EXPECT_EQ(list[0], "FIRST=1");
}

TEST(EnvironmentList, PerDriveEntriesAreLoadedWithAnEmptyName) {
    const ScopedVariable drive("=Q:", "Q:\\Some Folder");
    TZemEnvironmentStrList list;
    list.LoadEnvironment();
    const int index = IndexOf(list, "=Q:=Q:\\Some Folder");
    ASSERT_GE(index, 0);
    EXPECT_EQ(list.NameAt(index), "");
    EXPECT_EQ(list.ValueAt(index), "Q:=Q:\\Some Folder");
}

TEST(EnvironmentList, TheFirstEqualsSignSplitsNameAndValue) {
    TZemEnvironmentStrList list;
    list.Add("PATH=C:\\a;C:\\b");
    list.Add("A=B=C");
    list.Add("EMPTY=");
    list.Add("=C:=C:\\Work");
    list.Add("=");
    list.Add("NAME=VALUE");
    list.Add("NAME=VALUE");  // duplicates are kept
    ASSERT_EQ(list.Count(), 7);
    EXPECT_EQ(list.NameAt(0), "PATH");
    EXPECT_EQ(list.ValueAt(0), "C:\\a;C:\\b");
    EXPECT_EQ(list.NameAt(1), "A");
    EXPECT_EQ(list.ValueAt(1), "B=C");
    EXPECT_EQ(list.NameAt(2), "EMPTY");
    EXPECT_EQ(list.ValueAt(2), "");
    EXPECT_EQ(list.NameAt(3), "");
    EXPECT_EQ(list.ValueAt(3), "C:=C:\\Work");
    EXPECT_EQ(list.NameAt(4), "");
    EXPECT_EQ(list.ValueAt(4), "");
    EXPECT_EQ(list.NameAt(6), "NAME");
    EXPECT_EQ(list.ValueAt(6), "VALUE");
}

TEST(EnvironmentList, EntriesWithoutEqualsSignAndIndexesOutsideGiveNothing) {
    TZemEnvironmentStrList list;
    list.Add("NOEQUALS");
    list.Add("");
    EXPECT_EQ(list.NameAt(0), "");
    EXPECT_EQ(list.ValueAt(0), "");
    EXPECT_EQ(list.NameAt(1), "");
    EXPECT_EQ(list.ValueAt(1), "");
    EXPECT_EQ(list.NameAt(-1), "");
    EXPECT_EQ(list.ValueAt(-1), "");
    EXPECT_EQ(list.NameAt(2), "");
    EXPECT_EQ(list.ValueAt(2), "");
    EXPECT_EQ(list[2], "");
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

TEST(PathList, AValueIsAListWhenItHoldsASemicolon) {
    EXPECT_FALSE(IsPathList(""));
    EXPECT_FALSE(IsPathList("C:\\Windows"));
    EXPECT_TRUE(IsPathList(";"));
    EXPECT_TRUE(IsPathList("C:\\a;"));
    EXPECT_TRUE(IsPathList("C:\\a;C:\\b"));
}

TEST(PathList, SemicolonsSeparateElements) {
    EXPECT_EQ(SplitPathList("C:\\a;C:\\b"), (StringList{"C:\\a", "C:\\b"}));
    EXPECT_EQ(SplitPathList("a;;b"), (StringList{"a", "", "b"}));
    EXPECT_EQ(SplitPathList(" a ; b "), (StringList{" a ", " b "}));
}

TEST(PathList, ABreakAtTheEndAddsNoElement) {
    EXPECT_EQ(SplitPathList(";"), (StringList{""}));
    EXPECT_EQ(SplitPathList(";;"), (StringList{"", ""}));
    EXPECT_EQ(SplitPathList("a;b;"), (StringList{"a", "b"}));
    EXPECT_EQ(SplitPathList(";a"), (StringList{"", "a"}));
    EXPECT_EQ(SplitPathList(""), StringList{});
    EXPECT_EQ(SplitPathList("a"), StringList{"a"});
}

TEST(PathList, LineBreaksInsideTheValueAlsoSeparate) {
    EXPECT_EQ(SplitPathList("a\r\nb;c"), (StringList{"a", "b", "c"}));
    EXPECT_EQ(SplitPathList("a\rb"), (StringList{"a", "b"}));
    EXPECT_EQ(SplitPathList("a\nb"), (StringList{"a", "b"}));
    EXPECT_EQ(SplitPathList("a\n\rb"), (StringList{"a", "", "b"}));
    EXPECT_EQ(SplitPathList("a\r;b"), (StringList{"a", "", "b"}));
    EXPECT_EQ(SplitPathList("a;\nb"), (StringList{"a", "", "b"}));
    EXPECT_EQ(SplitPathList("a\r\n"), (StringList{"a"}));
}

}  // namespace
}  // namespace zem
