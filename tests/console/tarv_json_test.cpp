// tarv's JSON lines read back as JSON, and the short name that leads to another file refused
// on every way out.
#include <gtest/gtest.h>

#include <windows.h>

#include <sstream>

#include "base/strings.h"
#include "base/unicode.h"
#include "json_reader.h"
#include "tarv_process.h"
#include "test_support.h"

namespace zem {
namespace {

using test::RunTarvExe;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n", start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    EXPECT_EQ(start, text.size()) << "the output ends inside a line";
    return lines;
}

std::vector<test::JsonValue> JsonLines(const std::string& text) {
    std::vector<test::JsonValue> values;
    for (const std::string& line : Lines(text)) {
        std::optional<test::JsonValue> value = test::ReadJson(line);
        EXPECT_TRUE(value.has_value()) << "not JSON: " << line;
        if (value) values.push_back(*value);
    }
    return values;
}

TEST(TarvJson, EveryInputIsOneObjectWithBothFormsAndItsError) {
    const test::TempFolder temp;
    const std::wstring folder = MultiByteToWide(temp.Path()) + L"\\Folder \u540d\u524d";
    ASSERT_TRUE(::CreateDirectoryW(folder.c_str(), nullptr));
    const std::wstring shortFolder = test::SystemShortFormW(folder);
    const std::wstring missing = folder + L"\\missing \"quoted\"\ttab";
    const test::TarvResult result = RunTarvExe({L"--json", folder, L"CSIDL_WINDOWS", missing});
    EXPECT_EQ(result.exitCode, 1u);
    const std::vector<test::JsonValue> lines = JsonLines(result.output);
    ASSERT_EQ(lines.size(), 3u);

    EXPECT_EQ(lines[0]["input"].Text(), WideToUtf8(folder));
    EXPECT_EQ(lines[0]["kind"].Text(), "LongPath");
    EXPECT_EQ(lines[0]["long"].Text(), WideToUtf8(folder));
    EXPECT_EQ(lines[0]["short"].Text(), WideToUtf8(shortFolder));
    EXPECT_EQ(lines[0]["error"].Number(), 0);
    EXPECT_EQ(lines[0]["errorText"].Text(), "");

    EXPECT_EQ(lines[1]["kind"].Text(), "CSIDLName");
    char windows[MAX_PATH] = {};
    ::GetWindowsDirectoryA(windows, MAX_PATH);
    EXPECT_TRUE(SameTextNoCase(lines[1]["long"].Text(), windows)) << lines[1]["long"].Text();

    EXPECT_EQ(lines[2]["input"].Text(), WideToUtf8(missing));
    EXPECT_EQ(lines[2]["long"].Text(), "");
    EXPECT_EQ(lines[2]["short"].Text(), "");
    EXPECT_NE(lines[2]["error"].Number(), 0);
    EXPECT_NE(lines[2]["errorText"].Text(), "");
    EXPECT_EQ(lines[2].Object().size(), 6u);
}

TEST(TarvJson, ListingsAndTheNulSeparatedModeStayJson) {
    const test::TarvResult folders = RunTarvExe({L"--folders", L"--json"});
    EXPECT_EQ(folders.exitCode, 0u);
    const std::vector<test::JsonValue> lines = JsonLines(folders.output);
    ASSERT_GT(lines.size(), 40u);
    bool windowsFound = false;
    for (const test::JsonValue& line : lines) {
        for (const char* member : {"id", "csidlName", "guid", "category", "current", "default", "short"}) {
            EXPECT_EQ(line.Object().count(member), 1u) << member;
        }
        windowsFound = windowsFound || (line["csidlName"].Text() == "CSIDL_WINDOWS" && line["id"].Number() == 36 &&
                                        line["guid"].Text() == "{F38BF404-1D43-42F2-9305-67DE0B28FC23}");
    }
    EXPECT_TRUE(windowsFound);

    // An empty input is an object too, with nothing found and no error.
    const test::TarvResult nul = RunTarvExe({L"--json", L"-0"}, std::string("C:\\\0\0C:\\No Such\0", 16));
    ASSERT_EQ(nul.output.back(), '\0');
    std::istringstream records(nul.output);
    int count = 0;
    for (std::string record; std::getline(records, record, '\0'); ++count) {
        const std::optional<test::JsonValue> value = test::ReadJson(record);
        ASSERT_TRUE(value.has_value()) << record;
        EXPECT_EQ((*value)["kind"].Text(), count == 1 ? "Empty" : count == 0 ? "ShortPath" : "LongPath");
    }
    EXPECT_EQ(count, 3);
}

class TarvAmbiguousShortName : public ::testing::Test {
protected:
    void SetUp() override {
        const std::optional<test::CollidingShortNames> pair = test::MakeCollidingShortNames(temp_.Path());
        if (!pair) GTEST_SKIP() << "short names are unique in this folder";
        ASSERT_NE(pair->misled, "");
        reached_ = MultiByteToWide(pair->reached);
        misled_ = MultiByteToWide(pair->misled);
    }

    test::TempFolder temp_;
    std::wstring reached_;
    std::wstring misled_;
};

TEST_F(TarvAmbiguousShortName, TheMisleadingShortFormIsAnErrorNeverAnAnswer) {
    const std::string text =
        "The short name leads to another file: the system gave two files of this folder the same short name.";
    test::TarvResult result = RunTarvExe({misled_, reached_});
    EXPECT_EQ(result.output, test::Utf8Line(test::SystemShortFormW(reached_)));
    EXPECT_EQ(result.errors, test::Utf8(L"tarv: " + misled_) + ": error -536805616 (0xE000FF10): " + text + "\r\n");
    EXPECT_EQ(result.exitCode, 1u);

    // From standard input, in a list, and in JSON alike.
    result = RunTarvExe({}, test::Utf8Line(reached_) + test::Utf8Line(misled_));
    EXPECT_EQ(result.output, test::Utf8Line(test::SystemShortFormW(reached_)));
    EXPECT_EQ(RunTarvExe({L"-p", reached_ + L";" + misled_}).output, "");
    result = RunTarvExe({L"--json", misled_});
    const std::vector<test::JsonValue> lines = JsonLines(result.output);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0]["short"].Text(), "");
    EXPECT_EQ(lines[0]["long"].Text(), test::Utf8(misled_));
    EXPECT_EQ(lines[0]["error"].Number(), static_cast<double>(0xE000FF10u));
    EXPECT_EQ(lines[0]["errorText"].Text(), text);
}

}  // namespace
}  // namespace zem
