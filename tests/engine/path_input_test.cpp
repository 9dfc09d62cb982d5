// Quoting, normalisation, classification, the long-name test and the character check.
#include <gtest/gtest.h>

#include <windows.h>

#include "engine/path_input.h"
#include "test_support.h"

namespace zem {
namespace {

PathInputKind Classify(const std::string& text) { return ClassifyPathInput(text, IsQuotedInput(text)); }

TEST(PathInput, QuotedInputIsEnclosedInQuotesWithBlanksAround) {
    EXPECT_TRUE(IsQuotedInput("\"C:\\Program Files\""));
    EXPECT_TRUE(IsQuotedInput(" \t\"C:\\Program Files\"\r\n "));
    EXPECT_TRUE(IsQuotedInput("\"a\"b\""));  // only the first and the last quote count
    EXPECT_TRUE(IsQuotedInput("\"  "));      // a quote followed only by blanks
    EXPECT_FALSE(IsQuotedInput(""));
    EXPECT_FALSE(IsQuotedInput("\""));  // the quote is the last character
    EXPECT_FALSE(IsQuotedInput("C:\\Program Files"));
    EXPECT_FALSE(IsQuotedInput("\"C:\\x\" tail"));
    EXPECT_FALSE(IsQuotedInput("x\"C:\\x\""));
    EXPECT_FALSE(IsQuotedInput("\x01\"C:\\x\""));  // a control character is no blank here
}

TEST(PathInput, NormalisationUnquotesOrTrimsOrKeepsTheText) {
    EXPECT_EQ(NormalizePathInput("  \"C:\\Program Files\" ", true), "C:\\Program Files");
    EXPECT_EQ(NormalizePathInput("\"a\"b\"", true), "a\"b");
    EXPECT_EQ(NormalizePathInput("\"  ", true), "");
    EXPECT_EQ(NormalizePathInput(" ..\\docs", false), "..\\docs");
    EXPECT_EQ(NormalizePathInput("\t\\Windows", false), "\\Windows");
    EXPECT_EQ(NormalizePathInput("  C:\\x", false), "  C:\\x");
    EXPECT_EQ(NormalizePathInput("C:\\Program Files  ", false), "C:\\Program Files  ");
    EXPECT_EQ(NormalizePathInput("   ", false), "   ");
}

TEST(PathInput, CsidlNumbersAndNames) {
    EXPECT_EQ(Classify("26"), pikCSIDLNumber);
    EXPECT_EQ(Classify("  26 \t"), pikCSIDLNumber);
    EXPECT_EQ(Classify("0x1A"), pikCSIDLNumber);
    EXPECT_EQ(Classify("$1a"), pikCSIDLNumber);
    EXPECT_EQ(Classify("CSIDL_APPDATA"), pikCSIDLName);
    EXPECT_EQ(Classify(" csidl_AppData "), pikCSIDLName);
    // Numbers the catalogue does not list fall through to the path tests.
    EXPECT_EQ(Classify("12"), pikRelShortPath);
    EXPECT_EQ(Classify("-1"), pikRelShortPath);
    EXPECT_EQ(Classify("70000"), pikRelShortPath);
    EXPECT_EQ(Classify("4294967322"), pikRelLongPath);  // overflows 32 bits; ten characters
    EXPECT_EQ(Classify("CSIDL_NOSUCHFOLDER"), pikRelLongPath);
}

TEST(PathInput, KnownFolderGuidsAndProgIds) {
    test::ComApartment com;
    EXPECT_EQ(Classify("{F38BF404-1D43-42F2-9305-67DE0B28FC23}"), pikKnownFolderGUID);
    EXPECT_EQ(Classify(" {f38bf404-1d43-42f2-9305-67de0b28fc23} "), pikKnownFolderGUID);
    EXPECT_EQ(Classify("Shell.Application"), pikKnownFolderGUID);
    EXPECT_EQ(Classify("{00000000-0000-0000-0000-000000000000}"), pikRelLongPath);
    EXPECT_EQ(Classify("{F38BF404-1D43-42F2-9305-67DE0B28FC2G}"), pikRelLongPath);
    EXPECT_EQ(Classify("{"), pikRelShortPath);
}

TEST(PathInput, EnvironmentStrings) {
    EXPECT_EQ(Classify("%TEMP%"), pikEnvString);
    EXPECT_EQ(Classify("%windir%\\"), pikEnvString);  // one character after the last %
    EXPECT_EQ(Classify("%%"), pikEnvString);
    EXPECT_EQ(Classify("%windir%\\system32"), pikEnvStringInPath);
    EXPECT_EQ(Classify("x%TEMP%"), pikEnvStringInPath);
    EXPECT_EQ(Classify(" %TEMP%"), pikEnvStringInPath);  // untrimmed: the first % is not first
    EXPECT_EQ(Classify("100%"), pikRelShortPath);
    EXPECT_EQ(Classify("%"), pikRelShortPath);
}

TEST(PathInput, AbsoluteAndRelativePaths) {
    EXPECT_EQ(Classify(""), pikEmpty);
    EXPECT_EQ(Classify("C:\\Program Files"), pikLongPath);
    EXPECT_EQ(Classify("\"C:\\Program Files\""), pikLongPath);
    EXPECT_EQ(Classify("C:\\PROG~FBU\\COMMON~1"), pikShortPath);
    EXPECT_EQ(Classify("C:\\"), pikShortPath);
    EXPECT_EQ(Classify("\\\\server\\share\\Long Folder Name"), pikLongPath);
    EXPECT_EQ(Classify("\\\\Long Server Name\\Long Share Name\\DOCS"), pikShortPath);
    EXPECT_EQ(Classify("\\\\?\\C:\\Program Files"), pikLongPath);
    EXPECT_EQ(Classify("\\\\?\\C:\\PROG~FBU"), pikShortPath);
    EXPECT_EQ(Classify("\\\\?\\UNC\\server\\share\\Long Folder Name"), pikLongPath);

    EXPECT_EQ(Classify(" ..\\docs"), pikRelShortPath);
    EXPECT_EQ(Classify("..\\..\\My Documents"), pikRelLongPath);
    EXPECT_EQ(Classify(".\\readme.txt"), pikRelShortPath);
    EXPECT_EQ(Classify("docs\\Release Notes.txt"), pikRelLongPath);
    EXPECT_EQ(Classify("\\Windows\\System32"), pikShortPath);  // a leading backslash makes it absolute
    EXPECT_EQ(Classify("\\Program Files"), pikLongPath);
    EXPECT_EQ(Classify("  C:\\x"), pikRelLongPath);  // blanks kept: for the shell a relative path
    EXPECT_EQ(Classify("\"\""), pikRelShortPath);
}

TEST(PathInput, LongNameComponentsOnBothSidesOfEachBoundary) {
    for (const char* shortName : {"ABCDEFGH", "ABCDEFGH.TXT", "A.B", "NAME.TX", "ABC.", "readme.txt", "PROG~FBU",
                                  "A-B_C!#$", "100%", ".", ".."}) {
        EXPECT_FALSE(IsLongNameComponent(shortName)) << shortName;
    }
    for (const char* longName : {"ABCDEFGHI", "ABCDEFGHI.TXT", "ABCDEFGH.TEXT", "A.B.C", "A B", ".GIT", "ABCDEFGHI.",
                                 "A+B", "A,B", "A;B", "A=B", "A[B]", "A\"B", "A\x01" "B", "A?B"}) {
        EXPECT_TRUE(IsLongNameComponent(longName)) << longName;
    }
}

TEST(PathInput, TheLongNameTestSkipsTheRoot) {
    ::SetLastError(0);
    EXPECT_FALSE(HasLongNameComponent(""));
    EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));

    EXPECT_FALSE(HasLongNameComponent("C:\\"));
    EXPECT_FALSE(HasLongNameComponent("C:\\ABC\\DEF.TXT"));
    EXPECT_FALSE(HasLongNameComponent("C:\\ABC\\\\DEF"));  // an empty component is no name
    EXPECT_TRUE(HasLongNameComponent("C:\\ABC\\Long Name\\DEF"));
    EXPECT_TRUE(HasLongNameComponent("C:\\ABC\\DEF\\LONGFILENAME"));
    EXPECT_FALSE(HasLongNameComponent("\\\\Long Server\\Long Share"));
    EXPECT_TRUE(HasLongNameComponent("\\\\server\\share\\LONGFOLDERNAME"));
    EXPECT_TRUE(HasLongNameComponent("\\Long Folder\\X"));  // only the leading backslash is skipped
}

TEST(PathInput, InvalidCharactersAreFoundInTheirSearchOrder) {
    const auto check = [](const std::string& text) {
        const PathTextCheck result = IsValidPathText(text);
        return std::make_pair(result.valid, result.position);
    };
    EXPECT_EQ(check(""), std::make_pair(false, 0));
    EXPECT_EQ(check("C:\\a*b"), std::make_pair(false, 5));
    EXPECT_EQ(check("C:\\a|b*c"), std::make_pair(false, 7));  // "*" is searched before "|"
    EXPECT_EQ(check("a<b>c"), std::make_pair(false, 4));      // ">" before "<"
    EXPECT_EQ(check("a\x01" "b\x1F" "c"), std::make_pair(false, 4));  // 0x1F before 0x01
    EXPECT_EQ(check("\tC:\\x"), std::make_pair(false, 1));
    EXPECT_EQ(check("C:\\a?b"), std::make_pair(false, 0));
    EXPECT_EQ(check("\\\\?\\C:\\a?b"), std::make_pair(true, 0));
    EXPECT_EQ(check("C:\\a\"b:/c %x% {}"), std::make_pair(true, 0));
}

}  // namespace
}  // namespace zem
