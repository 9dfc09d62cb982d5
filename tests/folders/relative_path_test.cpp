// Relative paths between the base folder and the path box's target, both ways.
#include <gtest/gtest.h>

#include "base/status_codes.h"
#include "base/strings.h"
#include "folders/relative_path.h"
#include "test_support.h"

namespace zem {
namespace {

RelativePathResult Relative(const std::string& input, const std::string& base) {
    return CreateRelativePaths(RelativePathRequest{input, base, nullptr});
}

std::string WindowsFolder() {
    char folder[MAX_PATH] = {};
    ::GetWindowsDirectoryA(folder, MAX_PATH);
    return folder;
}

TEST(CreateRelativePaths, TheClassicExampleBothWays) {
    const std::string windows = WindowsFolder();
    const std::string drivers = windows + "\\System32\\drivers";
    const RelativePathResult result = Relative(drivers, windows);
    ASSERT_EQ(result.error, 0u);
    EXPECT_EQ(result.baseToTarget, "The relative path from " + windows + " (the base path)\r\nto " + drivers +
                                       " is \r\n.\\System32\\drivers");
    EXPECT_EQ(result.targetToBase,
              "The relative path from " + drivers + " \r\nto " + windows + " (the base path) is \r\n..\\..");
}

TEST(CreateRelativePaths, SpecialFolderInputWorksLikeThePath) {
    const std::string windows = WindowsFolder();
    const std::string expected = Relative(windows + "\\System32", windows + "\\Fonts").baseToTarget;
    ASSERT_FALSE(expected.empty());
    for (const char* input : {"CSIDL_SYSTEM", "0x25", "%windir%\\System32", "{1AC14E77-02E7-4E5D-B744-2EB1AE5198B7}"}) {
        const RelativePathResult result = Relative(input, windows + "\\Fonts");
        EXPECT_EQ(result.error, 0u) << input;
        EXPECT_TRUE(SameTextNoCase(result.baseToTarget, expected)) << input << ": " << result.baseToTarget;
    }
}

TEST(CreateRelativePaths, InputThatCannotHaveARelativePath) {
    const std::string windows = WindowsFolder();
    test::TempFolder temp;
    EXPECT_EQ(Relative("", windows).error, ErrNoRelativePath);
    EXPECT_EQ(Relative("some\\relative\\path", windows).error, ErrNoRelativePath);
    EXPECT_EQ(Relative(windows, windows).error, ErrNoRelativePath);  // the base itself
    EXPECT_EQ(Relative("Z:\\", windows).error, ErrNoRelativePath);    // another root
    EXPECT_EQ(Relative(temp.Path() + "\\Missing", windows).error, static_cast<uint32_t>(ERROR_PATH_NOT_FOUND));
    EXPECT_EQ(Relative(windows + "\\System32", temp.Path() + "\\Missing").error,
              static_cast<uint32_t>(ERROR_PATH_NOT_FOUND));
    test::ScopedVariable list("ZEM_PATH_LIST", windows + ";" + windows + "\\System32");
    EXPECT_EQ(Relative("%ZEM_PATH_LIST%", windows).error, ErrNoRelativePath);
    // An expansion the system cuts short is refused for what it is.
    std::string tooLong;
    for (int repeat = 0; repeat < 4000; ++repeat) tooLong += "%windir%";
    EXPECT_EQ(Relative(tooLong, windows).error, ErrExpansionTooLong);
    // Blanks outside the quotes keep the quotes: no such path.
    const std::string folder = temp.MakeFolder("Some Folder");
    EXPECT_EQ(Relative("\"" + folder + "\"", temp.Path()).error, 0u);
    EXPECT_EQ(Relative(" \"" + folder + "\" ", temp.Path()).error, static_cast<uint32_t>(ERROR_PATH_NOT_FOUND));
}

}  // namespace
}  // namespace zem
