// The real facts of the test prefix: the operating-system object and the header it yields.
#include <gtest/gtest.h>

#include <richedit.h>

#include <string>

#include "base/system.h"
#include "editor/report_output.h"
#include "info/info_header.h"
#include "info/operating_system.h"
#include "test_support.h"

namespace zem {
namespace {

OSVERSIONINFOEXA ExtendedVersion() {
    OSVERSIONINFOEXA info{};
    info.dwOSVersionInfoSize = sizeof(info);
    EXPECT_TRUE(::GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&info)));
    return info;
}

std::string SystemUserName() {
    char name[257] = {};
    DWORD size = 256;
    return ::GetUserNameA(name, &size) ? name : "";
}

std::string SystemComputerName() {
    char name[17] = {};
    DWORD size = 16;
    return ::GetComputerNameA(name, &size) ? name : "";
}

TEST(TOperatingSystem, ReportsTheVersionOfTheTestPrefix) {
    const OSVERSIONINFOEXA info = ExtendedVersion();
    TOperatingSystem system;
    EXPECT_EQ(system.MajorVersion(), info.dwMajorVersion);
    EXPECT_EQ(system.MinorVersion(), info.dwMinorVersion);
    EXPECT_EQ(system.BuildNumber(), info.dwBuildNumber);
    EXPECT_EQ(system.ServicePackText(), info.szCSDVersion);
    // Wine's default prefix is Windows 7 SP1.
    EXPECT_EQ(system.VersionText(), "6.1");
    EXPECT_EQ(system.BuildNumberText(), "7601");
    EXPECT_EQ(system.ServicePackText(), "Service Pack 1");
    EXPECT_EQ(system.ProductName(), "Windows\xAE 7");
    EXPECT_EQ(system.LastError(), 0u);
}

TEST(TOperatingSystem, NamesTheEditionThatGetProductInfoReports) {
    const OSVERSIONINFOEXA info = ExtendedVersion();
    DWORD type = 0;
    ASSERT_TRUE(::GetProductInfo(info.dwMajorVersion, info.dwMinorVersion, info.wServicePackMajor,
                                 info.wServicePackMinor, &type));
    TOperatingSystem system;
    const VersionFacts facts = system.ReadVersionFacts();
    EXPECT_TRUE(facts.extendedQuery);
    EXPECT_EQ(facts.productType, info.wProductType);
    EXPECT_EQ(facts.suiteMask, info.wSuiteMask);
    EXPECT_EQ(facts.productInfoType, type);
    SYSTEM_INFO native{};
    ::GetNativeSystemInfo(&native);
    EXPECT_EQ(facts.processorArchitecture, native.wProcessorArchitecture);
    EXPECT_EQ(system.EditionName(), EditionName(facts));
    EXPECT_FALSE(system.EditionName().empty());
    EXPECT_EQ(system.LastError(), 0u);
}

TEST(TOperatingSystem, ReadsTheSessionFacts) {
    TOperatingSystem system;
    char folder[MAX_PATH + 1] = {};
    ASSERT_GT(::GetSystemDirectoryA(folder, sizeof(folder)), 0u);
    EXPECT_EQ(system.SystemDirectory(), folder);
    EXPECT_EQ(system.UserName(), SystemUserName());
    EXPECT_EQ(system.UserName(), "root");
    EXPECT_EQ(system.ComputerName(), SystemComputerName());
    EXPECT_FALSE(system.ComputerName().empty());
    EXPECT_EQ(system.LastError(), 0u);
}

TEST(TOperatingSystem, ReadsEnvironmentVariablesOfAnyLength) {
    TOperatingSystem system;
    EXPECT_EQ(system.EnvironmentVariable(""), "");
    EXPECT_EQ(system.LastError(), 87u);
    const test::ScopedVariable missing("ZEM_INFO_MISSING", nullptr);
    EXPECT_EQ(system.EnvironmentVariable("ZEM_INFO_MISSING"), "");
    EXPECT_EQ(system.LastError(), static_cast<DWORD>(ERROR_ENVVAR_NOT_FOUND));
    const test::ScopedVariable shortValue("ZEM_INFO_SHORT", "C:\\One;C:\\Two");
    EXPECT_EQ(system.EnvironmentVariable("zem_info_short"), "C:\\One;C:\\Two");
    EXPECT_EQ(system.LastError(), 0u);
    const std::string longText(5000, 'L');  // more than the first buffer holds
    const test::ScopedVariable longValue("ZEM_INFO_LONG", longText);
    EXPECT_EQ(system.EnvironmentVariable("ZEM_INFO_LONG"), longText);
    EXPECT_EQ(system.LastError(), 0u);
    const test::ScopedVariable path("PATH", "C:\\windows\\system32;C:\\Zem");
    EXPECT_EQ(system.SearchPath(), "C:\\windows\\system32;C:\\Zem");
}

std::string ExpectedVersionLine() {
    const OSVERSIONINFOEXA info = ExtendedVersion();
    return "under Windows version " + std::to_string(info.dwMajorVersion) + "." +
           std::to_string(info.dwMinorVersion) + ", build number " + std::to_string(info.dwBuildNumber) + " with " +
           info.szCSDVersion;
}

TEST(ReadInfoHeaderFacts, TakeTheProgramVersionAndSessionOfThisProcess) {
    char exe[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, exe, MAX_PATH);
    const StringList lines = InfoHeaderLines(ReadInfoHeaderFacts(false));
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[1], "Output was/is generated in/by \"" + std::string(exe) + "\"");
    EXPECT_EQ(lines[2], ExpectedVersionLine());
    EXPECT_EQ(lines[2], "under Windows version 6.1, build number 7601 with Service Pack 1");
    EXPECT_EQ(lines[3], "and user account root, on computer " + SystemComputerName() + ",");
    EXPECT_EQ(lines[4].rfind("starting on/at ", 0), 0u);
    EXPECT_EQ(InfoHeaderLines(ReadInfoHeaderFacts(true)).size(), 6u);
}

// A rich-edit control of its own, destroyed with the fixture.
class InfoHeaderEditor : public ::testing::Test {
protected:
    void SetUp() override {
        library_ = LoadSystemLibrary("riched20.dll");
        ASSERT_TRUE(library_);
        editor_ = ::CreateWindowExA(0, RICHEDIT_CLASSA, "", WS_POPUP | ES_MULTILINE, 0, 0, 400, 300, nullptr,
                                    nullptr, ::GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(editor_, nullptr);
    }
    void TearDown() override {
        if (editor_) ::DestroyWindow(editor_);
    }
    std::string Text() const {
        std::string text(static_cast<size_t>(::GetWindowTextLengthA(editor_)) + 1, '\0');
        text.resize(static_cast<size_t>(::GetWindowTextA(editor_, text.data(), static_cast<int>(text.size()))));
        return text;
    }

    UniqueHModule library_;
    HWND editor_ = nullptr;
};

TEST_F(InfoHeaderEditor, InsertAppAndLogInfoAppendsTheHeaderAndAnEmptyLine) {
    ::SetWindowTextA(editor_, "Earlier text\r\n");
    ReportOutput output(editor_);
    const std::string before = InfoHeaderText(ReadInfoHeaderFacts(true));
    InsertAppAndLogInfo(output, true);
    const std::string after = InfoHeaderText(ReadInfoHeaderFacts(true));
    const std::string text = Text();
    // The clock may have moved on between the readings.
    if (text != "Earlier text\r\n" + before + "\r\n\r\n") {
        EXPECT_EQ(text, "Earlier text\r\n" + after + "\r\n\r\n");
    }
    EXPECT_NE(text.find("\r\nApplication is a 32-bit process running on a 64-bit machine,\r\n"), std::string::npos);
}

}  // namespace
}  // namespace zem
