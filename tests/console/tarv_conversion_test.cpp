// tarv converting inputs, run as a script runs it: its bytes on standard output and standard
// error and its exit code, for names inside and outside the ANSI code page.
#include <gtest/gtest.h>

#include <windows.h>

#include "base/strings.h"
#include "base/unicode.h"
#include "base/unique.h"
#include "tarv_process.h"
#include "test_support.h"

namespace zem {
namespace {

using test::RunTarvExe;
using test::SystemLongFormW;
using test::SystemShortFormW;
using test::Utf8;
using test::Utf8Line;

std::wstring SystemMessage(DWORD code) {
    wchar_t buffer[512] = {};
    DWORD length = ::FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                                    buffer, 511, nullptr);
    while (length > 0 && (buffer[length - 1] == L'\n' || buffer[length - 1] == L'\r' || buffer[length - 1] == L' ')) {
        --length;
    }
    return std::wstring(buffer, length);
}

bool MakeFile(const std::wstring& path) {
    return UniqueFileHandle(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr)).Valid();
}

// A folder with long names: one in plain ASCII, one in the ANSI code page beyond ASCII, one
// outside the code page.
class TarvFiles : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = MultiByteToWide(temp_.Path());
        const std::wstring sub = folder_ + L"\\Some Long Folder";
        ASSERT_TRUE(::CreateDirectoryW(sub.c_str(), nullptr));
        for (const wchar_t* name : {L"Some Long File Name.txt", L"Caf\u00e9 R\u00e9sum\u00e9 Document.txt",
                                    L"\u00dcnic\u00f8de \u540d\u524d \u0394\u03b5\u03bb\u03c4\u03b1.txt"}) {
            files_.push_back(sub + L"\\" + name);
            ASSERT_TRUE(MakeFile(files_.back()));
            shorts_.push_back(SystemShortFormW(files_.back()));
            ASSERT_NE(shorts_.back(), L"");
            ASSERT_NE(shorts_.back(), files_.back());
        }
    }

    std::string ShortLines() const {
        std::string lines;
        for (const std::wstring& shortPath : shorts_) lines += Utf8Line(shortPath);
        return lines;
    }

    test::TempFolder temp_;
    std::wstring folder_;
    std::vector<std::wstring> files_;
    std::vector<std::wstring> shorts_;
};

TEST_F(TarvFiles, ShortAndLongFormsAreTheSystemsForEveryName) {
    test::TarvResult result = RunTarvExe(files_);
    EXPECT_EQ(result.output, ShortLines());
    EXPECT_EQ(result.errors, "");
    EXPECT_EQ(result.exitCode, 0u);

    result = RunTarvExe({L"-l", shorts_[0], shorts_[1], shorts_[2]});
    EXPECT_EQ(result.output, Utf8Line(files_[0]) + Utf8Line(files_[1]) + Utf8Line(files_[2]));
    EXPECT_EQ(result.exitCode, 0u);

    // The same through standard input, as UTF-8, the last line without a line break.
    const std::string input = Utf8Line(files_[0]) + Utf8(files_[1]) + "\n" + Utf8(files_[2]);
    result = RunTarvExe({L"--short"}, input);
    EXPECT_EQ(result.output, ShortLines());
    result = RunTarvExe({L"-"}, input);
    EXPECT_EQ(result.output, ShortLines());
}

TEST_F(TarvFiles, StandardInputMayBeUtf16WithAByteOrderMark) {
    const std::wstring text = files_[2] + L"\r\n" + files_[1] + L"\n";
    std::string little = "\xFF\xFE", big = "\xFE\xFF";
    for (const wchar_t c : text) {
        little += static_cast<char>(c & 0xFF), little += static_cast<char>(c >> 8);
        big += static_cast<char>(c >> 8), big += static_cast<char>(c & 0xFF);
    }
    const std::string expected = Utf8Line(shorts_[2]) + Utf8Line(shorts_[1]);
    EXPECT_EQ(RunTarvExe({}, little).output, expected);
    EXPECT_EQ(RunTarvExe({}, big).output, expected);
    EXPECT_EQ(RunTarvExe({}, "\xEF\xBB\xBF" + Utf8(text)).output, expected);
}

TEST_F(TarvFiles, AbsoluteRelativeMixedAndUnixForms) {
    const std::wstring sub = folder_ + L"\\Some Long Folder";
    test::TarvResult result = RunTarvExe({L"--base", folder_, L"-a", L"Some Long Folder", L".\\Some Long Folder\\..\\x"});
    EXPECT_EQ(result.output, Utf8Line(sub) + Utf8Line(folder_ + L"\\x"));
    EXPECT_EQ(result.exitCode, 0u);

    result = RunTarvExe({L"-r", folder_, files_[0], sub, L"--base", sub, L"Some Long File Name.txt"});
    EXPECT_EQ(result.output, ".\\Some Long Folder\\Some Long File Name.txt\r\n.\\Some Long Folder\r\n"
                             ".\\Some Long Folder\\Some Long File Name.txt\r\n");
    EXPECT_EQ(result.exitCode, 0u);

    // Another drive: no relative path leads there.
    wchar_t windows[MAX_PATH] = {};
    ::GetWindowsDirectoryW(windows, MAX_PATH);
    const std::wstring elsewhere = folder_[0] == L'Z' ? windows : L"Z:\\";
    result = RunTarvExe({L"-r", folder_, elsewhere});
    EXPECT_EQ(result.output, "");
    EXPECT_EQ(result.errors, Utf8Line(L"tarv: " + elsewhere + L": error 536936194 (0x2000FF02): No relative path "
                                      L"leads there: the paths start on different drives or shares."));
    EXPECT_EQ(result.exitCode, 1u);

    std::wstring mixed = shorts_[0];
    for (wchar_t& c : mixed) c = c == L'\\' ? L'/' : c;
    EXPECT_EQ(RunTarvExe({L"-m", files_[0]}).output, Utf8Line(mixed));
    const std::wstring lowerDrive(1, static_cast<wchar_t>(towlower(mixed[0])));
    const std::wstring rest = mixed.substr(2);
    EXPECT_EQ(RunTarvExe({L"-u", L"wsl", files_[0]}).output, Utf8Line(L"/mnt/" + lowerDrive + rest));
    EXPECT_EQ(RunTarvExe({L"--unix=msys", files_[0]}).output, Utf8Line(L"/" + lowerDrive + rest));
    EXPECT_EQ(RunTarvExe({L"-ucygwin", files_[0]}).output, Utf8Line(L"/cygdrive/" + lowerDrive + rest));
    // Forward slashes are taken for backslashes.
    EXPECT_EQ(RunTarvExe({L"-l", mixed}).output, Utf8Line(files_[0]));
}

TEST_F(TarvFiles, EnvironmentStringsCsidlNamesNumbersAndGuids) {
    test::TarvRun run;
    run.environment = {L"ZEM_TARV_FOLDER=" + folder_};
    run.arguments = {L"%ZEM_TARV_FOLDER%\\Some Long Folder\\Some Long File Name.txt"};
    EXPECT_EQ(RunTarvExe(run).output, Utf8Line(shorts_[0]));

    wchar_t windows[MAX_PATH] = {};
    ::GetWindowsDirectoryW(windows, MAX_PATH);
    const std::string expected = Utf8Line(SystemLongFormW(windows));
    const test::TarvResult result =
        RunTarvExe({L"-l", L"CSIDL_WINDOWS", L"36", L"0x24", L"{F38BF404-1D43-42F2-9305-67DE0B28FC23}", L"%windir%"});
    EXPECT_EQ(result.output, expected + expected + expected + expected + expected);
    EXPECT_EQ(result.exitCode, 0u);
    EXPECT_EQ(RunTarvExe({L"-F", L"csidl_windows", L"--long"}).output, expected);
    EXPECT_EQ(RunTarvExe({L"--folder={F38BF404-1D43-42F2-9305-67DE0B28FC23}", L"-l"}).output, expected);

    const test::TarvResult notAFolder = RunTarvExe({L"-F", files_[0]});
    EXPECT_EQ(notAFolder.output, "");
    EXPECT_EQ(notAFolder.errors,
              Utf8Line(L"tarv: '" + files_[0] + L"' is no CSIDL name, CSIDL number or known-folder GUID"));
    EXPECT_EQ(notAFolder.exitCode, 1u);
}

TEST_F(TarvFiles, PathListsKeepTheirShapeAndAFailedEntryFailsTheList) {
    const std::wstring list = files_[0] + L";;" + files_[2] + L";";
    test::TarvResult result = RunTarvExe({L"-p", list});
    EXPECT_EQ(result.output, Utf8Line(shorts_[0] + L";;" + shorts_[2] + L";"));
    EXPECT_EQ(result.exitCode, 0u);

    // An environment string whose value is a list is a list without -p.
    test::TarvRun run{{L"-l", L"%ZEM_TARV_LIST%"}, {}, test::OutputEnd::Pipe, {L"ZEM_TARV_LIST=" + shorts_[1] + L";" + shorts_[2]}};
    EXPECT_EQ(RunTarvExe(run).output, Utf8Line(files_[1] + L";" + files_[2]));

    const std::wstring missing = folder_ + L"\\No Such File.txt";
    result = RunTarvExe({L"-p", files_[0] + L";" + missing});
    EXPECT_EQ(result.output, "");
    EXPECT_EQ(result.errors, Utf8Line(L"tarv: " + files_[0] + L";" + missing + L": entry 2 (" + missing +
                                      L"): error 2 (0x00000002): " + SystemMessage(2)));
    EXPECT_EQ(result.exitCode, 1u);
}

TEST_F(TarvFiles, AFailedInputWritesItsErrorOnlyAndTheOthersStillConvert) {
    const std::wstring missing = folder_ + L"\\No Such File.txt";
    const test::TarvResult result = RunTarvExe({files_[0], missing, files_[1]});
    EXPECT_EQ(result.output, Utf8Line(shorts_[0]) + Utf8Line(shorts_[1]));
    EXPECT_EQ(result.errors, Utf8Line(L"tarv: " + missing + L": error 2 (0x00000002): " + SystemMessage(2)));
    EXPECT_EQ(result.exitCode, 1u);
}

TEST_F(TarvFiles, NulSeparatedRecordsKeepTheirPositions) {
    const std::wstring missing = folder_ + L"\\No Such File.txt";
    const std::string input = Utf8(files_[2]) + '\0' + Utf8(missing) + '\0' + Utf8(files_[0]) + '\0';
    const test::TarvResult result = RunTarvExe({L"-0"}, input);
    EXPECT_EQ(result.output, Utf8(shorts_[2]) + '\0' + '\0' + Utf8(shorts_[0]) + '\0');
    EXPECT_EQ(result.exitCode, 1u);
    // A line break belongs to the name in NUL-separated input.
    EXPECT_EQ(RunTarvExe({L"--null"}, Utf8(files_[0]) + "\n").exitCode, 1u);
}

}  // namespace
}  // namespace zem
