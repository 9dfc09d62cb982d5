// tarv's listings and its PATH check, against the test prefix's registry and environment.
#include <gtest/gtest.h>

#include <windows.h>

#include "base/strings.h"
#include "base/unicode.h"
#include "base/unique.h"
#include "json_reader.h"
#include "tarv_process.h"
#include "test_support.h"

namespace zem {
namespace {

using test::RunTarvExe;
using test::Utf8;

constexpr char kFileSystemKey[] = "SYSTEM\\CurrentControlSet\\Control\\FileSystem";
constexpr char kNameCreationValue[] = "NtfsDisable8dot3NameCreation";

// The key is missing in a fresh prefix; the test makes and removes it, one test at a time.
class NameCreationKey {
public:
    NameCreationKey() : mutex_(::CreateMutexA(nullptr, FALSE, "ZemTarvelixTests.FileSystemKey")) {
        ::WaitForSingleObject(mutex_.Get(), 30000);
        ::RegCreateKeyExA(HKEY_LOCAL_MACHINE, kFileSystemKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, key_.Put(),
                          nullptr);
    }
    ~NameCreationKey() {
        key_.Reset();
        ::RegDeleteKeyA(HKEY_LOCAL_MACHINE, kFileSystemKey);
        ::ReleaseMutex(mutex_.Get());
    }
    void Store(DWORD value) { ::RegSetValueExA(key_.Get(), kNameCreationValue, 0, REG_DWORD, reinterpret_cast<BYTE*>(&value), sizeof(value)); }
    void StoreText() { ::RegSetValueExA(key_.Get(), kNameCreationValue, 0, REG_SZ, reinterpret_cast<const BYTE*>("1"), 2); }

private:
    UniqueHandle mutex_;
    UniqueHKey key_;
};

TEST(TarvListings, TheNameCreationSettingAndWhatItMeans) {
    NameCreationKey key;
    const struct {
        DWORD value;
        const char* text;
    } settings[] = {
        {0, "NtfsDisable8dot3NameCreation = 0\r\nNew files get short 8.3 names on all volumes.\r\n"},
        {1, "NtfsDisable8dot3NameCreation = 1\r\nNew files get no short 8.3 names on any volume.\r\n"},
        {2, "NtfsDisable8dot3NameCreation = 2\r\nEach volume decides whether new files get short 8.3 names.\r\n"},
        {3, "NtfsDisable8dot3NameCreation = 3\r\nNew files get short 8.3 names on the system volume only.\r\n"},
        {7, "NtfsDisable8dot3NameCreation = 7\r\nThe system does not define this value.\r\n"},
    };
    for (const auto& setting : settings) {
        key.Store(setting.value);
        const test::TarvResult result = RunTarvExe({L"--8dot3"});
        EXPECT_EQ(result.output, setting.text);
        EXPECT_EQ(result.exitCode, 0u);
    }
    key.StoreText();
    const test::TarvResult wrongType = RunTarvExe({L"--8dot3"});
    EXPECT_EQ(wrongType.output.rfind("NtfsDisable8dot3NameCreation cannot be read: error 1630 (0x0000065E): ", 0), 0u)
        << wrongType.output;
    EXPECT_EQ(wrongType.exitCode, 1u);
    ::RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, kFileSystemKey, kNameCreationValue);
    const test::TarvResult notSet = RunTarvExe({L"--8dot3"});
    EXPECT_EQ(notSet.output, "NtfsDisable8dot3NameCreation is not set\r\nThe system's default applies.\r\n");
    EXPECT_EQ(notSet.exitCode, 0u);
    const std::optional<test::JsonValue> json = test::ReadJson(RunTarvExe({L"--8dot3", L"--json"}).output);
    ASSERT_TRUE(json);
    EXPECT_FALSE((*json)["set"].Bool());
    EXPECT_EQ((*json)["meaning"].Text(), "The system's default applies.");
}

TEST(TarvListings, EnvironmentVariablesOfPathsInBothForms) {
    const test::TempFolder temp;
    const std::wstring folder = MultiByteToWide(temp.Path()) + L"\\Long Folder \u540d\u524d";
    ASSERT_TRUE(::CreateDirectoryW(folder.c_str(), nullptr));
    test::TarvRun run;
    run.arguments = {L"--env"};
    run.environment = {L"ZEM_TARV_PATHS=" + folder + L";C:\\No Such Folder;" + folder, L"ZEM_TARV_WORD=hello"};
    const test::TarvResult result = RunTarvExe(run);
    const std::string line = Utf8(L"ZEM_TARV_PATHS\t" + folder + L"\t" + test::SystemShortFormW(folder)) + "\r\n";
    EXPECT_NE(result.output.find(line + line), std::string::npos) << result.output;
    EXPECT_EQ(result.output.find("ZEM_TARV_WORD"), std::string::npos);
    EXPECT_EQ(result.output.find("No Such Folder"), std::string::npos);
    EXPECT_EQ(result.exitCode, 0u);
}

// HKEY_CURRENT_USER\Environment's Path for the scope; the old state comes back afterwards.
class UserPath {
public:
    explicit UserPath(const std::wstring& value) {
        ::RegCreateKeyExW(HKEY_CURRENT_USER, L"Environment", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, key_.Put(),
                          nullptr);
        DWORD size = 0;
        if (::RegQueryValueExW(key_.Get(), L"Path", nullptr, &type_, nullptr, &size) == ERROR_SUCCESS) {
            old_.emplace(size, '\0');
            ::RegQueryValueExW(key_.Get(), L"Path", nullptr, &type_, reinterpret_cast<BYTE*>(old_->data()), &size);
        }
        Set(value);
    }
    ~UserPath() {
        if (old_) {
            ::RegSetValueExW(key_.Get(), L"Path", 0, type_, reinterpret_cast<const BYTE*>(old_->data()),
                             static_cast<DWORD>(old_->size()));
        } else {
            ::RegDeleteValueW(key_.Get(), L"Path");
        }
    }
    std::wstring Stored() const {
        wchar_t buffer[4096] = {};
        DWORD size = sizeof(buffer) - sizeof(wchar_t);
        ::RegQueryValueExW(key_.Get(), L"Path", nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size);
        return buffer;
    }

private:
    void Set(const std::wstring& value) {
        ::RegSetValueExW(key_.Get(), L"Path", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                         static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    }

    UniqueHKey key_;
    DWORD type_ = REG_EXPAND_SZ;
    std::optional<std::string> old_;
};

class TarvPathCheck : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = MultiByteToWide(temp_.Path()) + L"\\Tools Folder";
        ASSERT_TRUE(::CreateDirectoryW(folder_.c_str(), nullptr));
        shortFolder_ = test::SystemShortFormW(folder_);
        ASSERT_LT(shortFolder_.size(), folder_.size());
    }

    test::TempFolder temp_;
    std::wstring folder_;
    std::wstring shortFolder_;
};

TEST_F(TarvPathCheck, EveryKindOfProblemIsNamedAndTheExitCodeIsOne) {
    std::wstring upper = folder_;
    ::CharUpperBuffW(upper.data(), static_cast<DWORD>(upper.size()));
    const std::wstring missing = folder_ + L"\\Missing";
    const std::wstring userValue = folder_ + L";%ZEM_TARV_HOME%\\Tools;;relative\\bin;\"" + folder_ + L"\"; " +
                                   missing + L" ;%ZEM_NO_SUCH_VARIABLE%\\bin;" + upper + L"\\;";
    const UserPath userPath(userValue);
    test::TarvRun run;
    run.arguments = {L"--path-check"};
    run.environment = {L"ZEM_TARV_HOME=" + MultiByteToWide(temp_.Path()), L"PATH=" + folder_};
    const test::TarvResult result = RunTarvExe(run);

    const std::wstring home = MultiByteToWide(temp_.Path()) + L"\\Tools";
    const std::wstring saving = std::to_wstring(folder_.size() - shortFolder_.size());
    const std::wstring userSection =
        L"User Path (HKEY_CURRENT_USER\\Environment)\r\n"
        L"  1  " + folder_ + L"\r\n"
        L"  2  %ZEM_TARV_HOME%\\Tools  ->  " + home + L"  [missing]\r\n"
        L"  3    [empty]\r\n"
        L"  4  relative\\bin  [relative]\r\n"
        L"  5  \"" + folder_ + L"\"  [quoted, duplicate of 1]\r\n"
        L"  6   " + missing + L"   [padded with blanks, missing]\r\n"
        L"  7  %ZEM_NO_SUCH_VARIABLE%\\bin  [unexpanded variable]\r\n"
        L"  8  " + upper + L"\\  [duplicate of 1]\r\n"
        L"  Length: " + std::to_wstring(userValue.size()) + L" characters stored, " +
        std::to_wstring(userValue.size() - 15 + home.size() - 6) + L" expanded\r\n"
        L"  The short forms would save " + saving + L" characters.\r\n\r\n";
    EXPECT_NE(result.output.find(Utf8(userSection)), std::string::npos) << result.output;
    const std::wstring processSection = L"Process PATH\r\n  1  " + folder_ + L"\r\n  Length: " +
                                        std::to_wstring(folder_.size()) + L" characters stored, " +
                                        std::to_wstring(folder_.size()) + L" expanded\r\n  The short forms would save " +
                                        saving + L" characters.\r\n\r\n";
    EXPECT_NE(result.output.find(Utf8(processSection)), std::string::npos) << result.output;
    EXPECT_NE(result.output.find("\r\nProblems found: "), std::string::npos);
    EXPECT_EQ(result.exitCode, 1u);

    // JSON names each problem with one word.
    run.arguments.push_back(L"--json");
    const test::TarvResult json = RunTarvExe(run);
    const size_t userStart = json.output.find("{\"variable\":\"user\"");
    ASSERT_NE(userStart, std::string::npos) << json.output;
    const std::optional<test::JsonValue> user =
        test::ReadJson(json.output.substr(userStart, json.output.find("\r\n", userStart) - userStart));
    ASSERT_TRUE(user);
    const std::vector<std::vector<std::string>> expected = {
        {}, {"missing"}, {"empty"}, {"relative"}, {"quoted", "duplicate"}, {"padded", "missing"}, {"unexpanded"},
        {"duplicate"}};
    const test::JsonArray& entries = (*user)["entries"].Array();
    ASSERT_EQ(entries.size(), expected.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        std::vector<std::string> problems;
        for (const test::JsonValue& problem : entries[i]["problems"].Array()) problems.push_back(problem.Text());
        EXPECT_EQ(problems, expected[i]) << "entry " << i + 1;
    }
    EXPECT_EQ(entries[4]["duplicateOf"].Number(), 1);
    EXPECT_EQ(entries[7]["duplicateOf"].Number(), 1);
    EXPECT_EQ((*user)["problems"].Number(), 9);
    EXPECT_EQ(json.exitCode, 1u);
    EXPECT_EQ(userPath.Stored(), userValue);  // read, never written
}

TEST_F(TarvPathCheck, LengthsAreMeasuredAgainstTheLimitsThatBite) {
    const UserPath userPath(folder_);
    std::wstring longPath = folder_;
    while (longPath.size() <= 8200) longPath += L";" + folder_ + L"\\" + std::to_wstring(longPath.size());
    test::TarvRun run{{L"--path-check", L"--json"}, {}, test::OutputEnd::Pipe, {L"PATH=" + longPath}};
    const test::TarvResult result = RunTarvExe(run);
    EXPECT_EQ(result.exitCode, 1u);
    std::optional<test::JsonValue> process;
    std::optional<test::JsonValue> user;
    size_t start = 0;
    for (size_t end = result.output.find("\r\n"); end != std::string::npos; end = result.output.find("\r\n", start)) {
        const std::optional<test::JsonValue> line = test::ReadJson(result.output.substr(start, end - start));
        ASSERT_TRUE(line) << result.output.substr(start, end - start);
        if ((*line)["variable"].Text() == "process") process = line;
        if ((*line)["variable"].Text() == "user") user = line;
        start = end + 2;
    }
    ASSERT_TRUE(process && user);
    const test::JsonArray& limits = (*process)["limitsPassed"].Array();
    ASSERT_EQ(limits.size(), 2u);
    EXPECT_EQ(limits[0].Text(), "2047");
    EXPECT_EQ(limits[1].Text(), "8191");
    EXPECT_EQ((*process)["length"].Number(), static_cast<double>(longPath.size()));
    const test::JsonArray& entries = (*process)["entries"].Array();
    ASSERT_GT(entries.size(), 2u);
    EXPECT_EQ(entries[1]["problems"].Array().at(0).Text(), "missing");
    EXPECT_EQ((*user)["problems"].Number(), 0);
    EXPECT_EQ((*user)["shortSaving"].Number(), static_cast<double>(folder_.size() - shortFolder_.size()));
}

}  // namespace
}  // namespace zem
