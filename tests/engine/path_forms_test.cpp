// The primitives against real folders and files with long names in a temporary folder.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "base/status_codes.h"
#include "base/strings.h"
#include "base/unique.h"
#include "deep_folder.h"
#include "engine/path_forms.h"
#include "test_support.h"

namespace zem {
namespace {

bool IsNotFoundError(DWORD error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

class PathForms : public ::testing::Test {
protected:
    test::TempFolder temp_;
};

TEST_F(PathForms, ExistenceOfFilesAndFolders) {
    const std::string folder = temp_.MakeFolder("Some Long Folder Name");
    const std::string file = temp_.MakeFile("Some Long Folder Name\\Another Long File Name.txt");
    EXPECT_TRUE(PathExists(folder));
    EXPECT_TRUE(PathExists(folder + "\\"));
    EXPECT_TRUE(PathExists(file));

    ::SetLastError(0);
    EXPECT_FALSE(PathExists(folder + "\\No Such File.txt"));
    EXPECT_TRUE(IsNotFoundError(::GetLastError())) << ::GetLastError();
    ::SetLastError(0);
    EXPECT_FALSE(PathExists(folder + "\\No Such Folder\\file.txt"));
    EXPECT_TRUE(IsNotFoundError(::GetLastError())) << ::GetLastError();
}

TEST_F(PathForms, WildcardsNeverMatchAnotherFile) {
    temp_.MakeFile("Another Long File Name.txt");
    EXPECT_FALSE(PathExists(temp_.Path() + "\\Another*"));
    EXPECT_FALSE(PathExists(temp_.Path() + "\\Another Long File Nam?.txt"));
    EXPECT_FALSE(PathExists("\\\\?\\" + temp_.Path() + "\\Another Long File Nam?.txt"));
    EXPECT_TRUE(PathExists("\\\\?\\" + temp_.Path() + "\\Another Long File Name.txt"));
}

TEST_F(PathForms, ShortFormAndLongFormBack) {
    const std::string file = temp_.MakeFile("Some Long Folder Name\\Another Long File Name.txt");
    const std::string expectedShort = test::SystemShortForm(file);
    ASSERT_NE(expectedShort, "");
    ASSERT_NE(expectedShort, file);

    const std::string shortForm = GetShortPathForm(file);
    EXPECT_EQ(shortForm, expectedShort);
    const LongPathForm longForm = GetLongPathForm(shortForm);
    EXPECT_EQ(longForm.error, 0u);
    EXPECT_EQ(longForm.path, file);
}

TEST_F(PathForms, MissingPathsGiveTheSystemsErrorNeverAnEmptySuccess) {
    const std::string missing = temp_.Path() + "\\No Such Folder\\No Such File.txt";
    ::SetLastError(0);
    EXPECT_EQ(GetShortPathForm(missing), "");
    EXPECT_TRUE(IsNotFoundError(::GetLastError())) << ::GetLastError();

    const LongPathForm longForm = GetLongPathForm(missing);
    EXPECT_TRUE(IsNotFoundError(longForm.error)) << longForm.error;
    EXPECT_EQ(longForm.path, "");

    EXPECT_EQ(GetLongPathForm("").error, static_cast<uint32_t>(ERROR_INVALID_PARAMETER));
    ::SetLastError(0);
    EXPECT_EQ(GetShortPathForm(""), "");
    EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST_F(PathForms, LongFormsBeyondMaxPathAreNeverTruncated) {
    const test::DeepFolder deep(temp_.Path(), 16);
    const std::wstring& longPath = deep.Path();
    ASSERT_GT(longPath.size(), static_cast<size_t>(MAX_PATH));
    const std::wstring shortPath = test::WideShortForm(longPath).substr(4);  // without the prefix
    ASSERT_LT(shortPath.size(), static_cast<size_t>(MAX_PATH));

    const LongPathForm longForm = GetLongPathForm(WideToMultiByte(shortPath));
    EXPECT_EQ(longForm.error, 0u);
    EXPECT_EQ(longForm.path, WideToMultiByte(longPath.substr(4)));
}

TEST_F(PathForms, PathsBeyondMaxPathExistBehindThePrefix) {
    const test::DeepFolder deep(temp_.Path(), 16);
    ASSERT_GT(deep.Path().size(), static_cast<size_t>(MAX_PATH));
    const std::wstring file = deep.Path() + L"\\Some Long File Name.txt";
    ASSERT_TRUE(UniqueFileHandle(::CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr)));
    EXPECT_TRUE(PathExists(WideToMultiByte(deep.Path())));
    EXPECT_TRUE(PathExists(WideToMultiByte(file)));
    ::SetLastError(0);
    EXPECT_FALSE(PathExists(WideToMultiByte(deep.Path() + L"\\No Such File.txt")));
    EXPECT_TRUE(IsNotFoundError(::GetLastError())) << ::GetLastError();
    ::DeleteFileW(file.c_str());
}

TEST_F(PathForms, ShortFormsBeyondMaxPathAreNeverTruncated) {
    const test::DeepFolder deep(temp_.Path(), 30);
    const std::wstring& longPath = deep.Path();
    const std::wstring shortPath = test::WideShortForm(longPath);
    ASSERT_GT(shortPath.size(), static_cast<size_t>(MAX_PATH));
    EXPECT_EQ(GetShortPathForm(WideToMultiByte(longPath)), WideToMultiByte(shortPath));
}

TEST(EnvironmentExpansion, ExpandsVariablesOfAnyLength) {
    char temp[MAX_PATH] = {};
    ::GetEnvironmentVariableA("TEMP", temp, MAX_PATH);
    ASSERT_NE(std::string(temp), "");
    EXPECT_EQ(ExpandEnvStrings("%TEMP%"), temp);
    EXPECT_EQ(ExpandEnvStrings("%TEMP%\\x"), std::string(temp) + "\\x");
    EXPECT_EQ(ExpandEnvStrings("%ZEM_NO_SUCH_VARIABLE%\\x"), "%ZEM_NO_SUCH_VARIABLE%\\x");
    EXPECT_EQ(ExpandEnvStrings("100%"), "100%");

    const std::string value(5000, 'v');
    ::SetEnvironmentVariableA("ZEM_LONG_VALUE", value.c_str());
    EXPECT_EQ(ExpandEnvStrings("%ZEM_LONG_VALUE%;%ZEM_LONG_VALUE%"), value + ";" + value);
    ::SetEnvironmentVariableA("ZEM_LONG_VALUE", nullptr);

    ::SetLastError(0);
    EXPECT_EQ(ExpandEnvStrings(""), "");
    EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST(EnvironmentExpansion, AnExpansionBeyondTheSystemsLimitFailsInsteadOfBeingCutShort) {
    // Twice this is the longest text the system expands: 32,767 characters with the zero.
    const test::ScopedVariable half("ZEM_HALF_LIMIT", std::string(16383, 'v'));
    EXPECT_EQ(ExpandEnvStrings("%ZEM_HALF_LIMIT%%ZEM_HALF_LIMIT%"), std::string(32766, 'v'));

    for (const char* text :
         {"%ZEM_HALF_LIMIT%%ZEM_HALF_LIMIT%x", "%ZEM_HALF_LIMIT%;%ZEM_HALF_LIMIT%;%ZEM_HALF_LIMIT%"}) {
        const ExpandedText expanded = ExpandEnvironmentText(text);
        EXPECT_EQ(expanded.error, ErrExpansionTooLong);
        EXPECT_EQ(expanded.text, "");
        ::SetLastError(0);
        EXPECT_EQ(ExpandEnvStrings(text), "");
        EXPECT_EQ(::GetLastError(), ErrExpansionTooLong);
    }
}

TEST(SystemMessages, TextsOfSystemCodesAndOfTheProgramsOwnWhereItHasOne) {
    const std::string text = SystemErrorText(ERROR_FILE_NOT_FOUND);
    ASSERT_GE(text.size(), 2u);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    EXPECT_NE(text, SystemErrorText(ERROR_PATH_NOT_FOUND));
    EXPECT_EQ(SystemErrorText(ErrRelPathNotFound), "");
    EXPECT_EQ(SystemErrorText(ErrUnknownFailure), "");
    EXPECT_EQ(SystemErrorText(ErrExpansionTooLong),
              "The expanded environment string is longer than the 32,767 characters the system can expand.\r\n");
}

}  // namespace
}  // namespace zem
