// The pieces of tarv that need no process of their own: the command line, the path styles and
// the JSON strings.
#include <gtest/gtest.h>

#include "console/json_line.h"
#include "console/options.h"
#include "console/path_styles.h"
#include "json_reader.h"
#include "tarv_process.h"

namespace zem {
namespace {

TEST(TarvOptions, ShortOptionsGroupAndTakeTheirValuesEitherWay) {
    ParsedCommandLine parsed = ParseCommandLine({L"-lm0", L"-uwsl", L"--base=C:\\x", L"-r", L"D:\\", L"-", L"in"});
    ASSERT_EQ(parsed.error, L"");
    const TarvOptions& options = parsed.options;
    EXPECT_EQ(options.form, OutputForm::Relative);  // the last form asked for counts
    EXPECT_EQ(options.relativeTo, L"D:\\");
    EXPECT_TRUE(options.mixed);
    EXPECT_TRUE(options.nulSeparated);
    EXPECT_EQ(options.unixStyle, UnixStyle::Wsl);
    EXPECT_EQ(options.base, L"C:\\x");
    EXPECT_EQ(options.inputs, (std::vector<std::wstring>{L"-", L"in"}));
    EXPECT_TRUE(options.ReadsStandardInput());

    parsed = ParseCommandLine({L"-F", L"36", L"-s"});
    EXPECT_EQ(parsed.options.mode, RunMode::Folder);
    EXPECT_EQ(parsed.options.folderId, L"36");
    EXPECT_FALSE(ParseCommandLine({L"x"}).options.ReadsStandardInput());
    EXPECT_TRUE(ParseCommandLine({}).options.ReadsStandardInput());
    EXPECT_EQ(ParseCommandLine({L"--", L"-l"}).options.inputs, std::vector<std::wstring>{L"-l"});
}

TEST(TarvPathStyles, DrivesUncAndLongPathPrefixes) {
    EXPECT_EQ(StyledPath(L"C:\\Dir\\File.txt", false, UnixStyle::None), L"C:\\Dir\\File.txt");
    EXPECT_EQ(StyledPath(L"C:\\Dir\\File.txt", true, UnixStyle::None), L"C:/Dir/File.txt");
    EXPECT_EQ(StyledPath(L"C:\\Dir", false, UnixStyle::Wsl), L"/mnt/c/Dir");
    EXPECT_EQ(StyledPath(L"D:\\", false, UnixStyle::Msys), L"/d/");
    EXPECT_EQ(StyledPath(L"\\\\?\\E:\\Deep", false, UnixStyle::Cygwin), L"/cygdrive/e/Deep");
    EXPECT_EQ(StyledPath(L"\\\\server\\share\\x", false, UnixStyle::Wsl), L"//server/share/x");
    EXPECT_EQ(StyledPath(L"\\\\?\\UNC\\server\\share", false, UnixStyle::Msys), L"//server/share");
    EXPECT_EQ(StyledPath(L"..\\up", false, UnixStyle::Cygwin), L"../up");
}

TEST(TarvJsonLine, EscapesEveryCharacterJsonForbidsAndReadsBack) {
    const std::wstring hostile = L"quote\" back\\ tab\t cr\r lf\n bell\x07 \u540d";
    const std::wstring line = JsonLine().Add("text", hostile).AddNumber("n", -5).AddBool("b", true)
                                  .AddList("list", {L"a", L""}).Text();
    EXPECT_EQ(line, L"{\"text\":\"quote\\\" back\\\\ tab\\t cr\\r lf\\n bell\\u0007 \u540d\",\"n\":-5,\"b\":true,"
                    L"\"list\":[\"a\",\"\"]}");
    const std::optional<test::JsonValue> value = test::ReadJson(test::Utf8(line));
    ASSERT_TRUE(value);
    EXPECT_EQ((*value)["text"].Text(), test::Utf8(hostile));
}

}  // namespace
}  // namespace zem
