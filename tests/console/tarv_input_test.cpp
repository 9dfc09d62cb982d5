// tarv against input a script may hand it by mistake, and against a wrong command line: each
// gives its own message and exit code, and nothing crashes.
#include <gtest/gtest.h>

#include <windows.h>

#include "app_version.h"
#include "tarv_process.h"

namespace zem {
namespace {

using test::RunTarvExe;
using test::Utf8Line;

const std::string kTryHelp = "Try 'tarv --help' for more information.\r\n";

std::string WindowsFolder() {
    char windows[MAX_PATH] = {};
    ::GetWindowsDirectoryA(windows, MAX_PATH);
    return windows;
}

TEST(TarvInput, BadRecordsAreRefusedOneByOneWithTheirPosition) {
    const std::string windows = WindowsFolder();
    const std::string input = "C:\\" + std::string(40 * 1024, 'a') + "\n" + windows + "\nab" + std::string(1, '\0') +
                              "cd\n\xC3\x28\xFF\n" + windows + "\n";
    const test::TarvResult result = RunTarvExe({L"-l"}, input);
    EXPECT_EQ(result.output, windows + "\r\n" + windows + "\r\n");
    EXPECT_EQ(result.errors, "tarv: input 1 is longer than 32,767 characters\r\n"
                             "tarv: input 3 holds a NUL character (use -0 for NUL-separated input)\r\n"
                             "tarv: input 4 is not valid UTF-8\r\n");
    EXPECT_EQ(result.exitCode, 1u);
}

TEST(TarvInput, AnOverlongArgumentOrAnOddUtf16InputFailsCleanly) {
    const test::TarvResult tooLong = RunTarvExe({L"C:\\" + std::wstring(40 * 1024, L'b')});
    EXPECT_EQ(tooLong.output, "");
    EXPECT_EQ(tooLong.errors.rfind("tarv: C:\\bbbb", 0), 0u) << tooLong.errors.substr(0, 80);
    EXPECT_EQ(tooLong.exitCode, 1u);

    const test::TarvResult odd = RunTarvExe({}, std::string("\xFF\xFE" "C\0:\0\\\0x", 9));
    EXPECT_EQ(odd.errors, "tarv: the UTF-16 input ends in half a character\r\n");
    EXPECT_EQ(odd.exitCode, 1u);
}

TEST(TarvInput, EmptyInputsGiveEmptyRecords) {
    const std::string windows = WindowsFolder();
    const test::TarvResult result = RunTarvExe({L"-l"}, "\n" + windows + "\r\n\r\n");
    EXPECT_EQ(result.output, "\r\n" + windows + "\r\n\r\n");
    EXPECT_EQ(result.exitCode, 0u);
    EXPECT_EQ(RunTarvExe({L"-l"}, "").output, "");
}

TEST(TarvCommandLine, WrongOptionsAreUsageErrors) {
    const struct {
        std::vector<std::wstring> arguments;
        std::string message;
    } cases[] = {
        {{L"--bogus"}, "tarv: unknown option '--bogus'"},
        {{L"-s", L"-x", L"C:\\"}, "tarv: unknown option '-x'"},
        {{L"-u"}, "tarv: option '-u' needs a value"},
        {{L"--base"}, "tarv: option '--base' needs a value"},
        {{L"-u", L"dos"}, "tarv: unknown style 'dos' for --unix: use wsl, msys or cygwin"},
        {{L"--json=yes"}, "tarv: option '--json' takes no value"},
        {{L"--folders", L"--env"}, "tarv: '--folders' and '--env' cannot be used together"},
        {{L"--8dot3", L"C:\\"}, "tarv: '--8dot3' takes no INPUT, but 'C:\\' was given"},
    };
    for (const auto& wrong : cases) {
        SCOPED_TRACE(wrong.message);
        const test::TarvResult result = RunTarvExe(wrong.arguments);
        EXPECT_EQ(result.output, "");
        EXPECT_EQ(result.errors, wrong.message + "\r\n" + kTryHelp);
        EXPECT_EQ(result.exitCode, 2u);
    }
    const test::TarvResult base = RunTarvExe({L"--base", L"C:\\No Such Folder", L"x"});
    EXPECT_EQ(base.errors.rfind("tarv: the base folder 'C:\\No Such Folder' cannot be used: error 2 (0x00000002): ", 0),
              0u)
        << base.errors;
    EXPECT_EQ(base.exitCode, 2u);
}

TEST(TarvCommandLine, OptionsEndAtTwoDashesAndHelpAndVersionAnswer) {
    const test::TarvResult dashed = RunTarvExe({L"--", L"--long"});
    EXPECT_EQ(dashed.errors.rfind("tarv: --long: error ", 0), 0u) << dashed.errors;
    EXPECT_EQ(dashed.exitCode, 1u);

    const test::TarvResult version = RunTarvExe({L"--version"});
    EXPECT_EQ(version.output, std::string("tarv (Zem Tarvelix) ") + ZEM_FILE_VERSION_TEXT + "\r\n");
    EXPECT_EQ(version.exitCode, 0u);

    const test::TarvResult help = RunTarvExe({L"-h"});
    EXPECT_EQ(help.output.rfind("Usage: tarv [options] [INPUT...]", 0), 0u);
    for (const char* option : {"--short", "--long", "--absolute", "--relative TO", "--base DIR", "--path", "--mixed",
                               "--unix STYLE", "--folder ID", "--folders", "--env", "--8dot3", "--path-check",
                               "--json", "--ansi", "--null", "--help", "--version"}) {
        EXPECT_NE(help.output.find(option), std::string::npos) << option;
    }
    EXPECT_EQ(help.exitCode, 0u);
}

TEST(TarvOutput, AClosedStandardOutputIsAFailureWithAMessage) {
    test::TarvRun run{{L"-l", L"C:\\"}, {}, test::OutputEnd::Closed, {}};
    const test::TarvResult result = RunTarvExe(run);
    EXPECT_EQ(result.errors.rfind("tarv: writing standard output failed: error ", 0), 0u) << result.errors;
    EXPECT_EQ(result.exitCode, 1u);

    run.arguments = {L"--folders"};
    EXPECT_EQ(RunTarvExe(run).exitCode, 1u);
}

TEST(TarvOutput, AnsiOutputWritesTheCodePage) {
    const test::TarvResult result = RunTarvExe({L"--ansi", L"-a", L"C:\\Caf\u00e9"});
    EXPECT_EQ(result.output, "C:\\Caf\xE9\r\n");
}

}  // namespace
}  // namespace zem
