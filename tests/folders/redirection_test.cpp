// File-system redirection: the look-up of the system calls, their answers in this process, the
// reports, and the switching state with calls that succeed or refuse as told.
#include <gtest/gtest.h>

#include <windows.h>
#include <richedit.h>

#include <string>

#include "base/controls.h"
#include "base/unique.h"
#include "editor/report_output.h"
#include "folders/redirection.h"
#include "resource.h"

namespace zem {
namespace {

const std::string kHead = "*** Tarvelix Infomration ******************************************************\r\n";
const std::string kStars = "*******************************************************************************\r\n";
const std::string kOff = kHead + "File system redirection has been disabled.\r\n"
                         "As of here the returned paths may be the paths returned to 64-bit applications.\r\n" + kStars;
const std::string kOn = kHead + "File system redirection has been re-enabled.\r\n"
                        "As of here, some returned paths may be the paths returned only to 32-bit applications.\r\n" +
                        kStars;

bool ProcessIsWow64() {
    BOOL wow64 = FALSE;
    return ::IsWow64Process(::GetCurrentProcess(), &wow64) && wow64;
}

TEST(Redirection, LookUpNamesWhatIsMissing) {
    EXPECT_EQ(FsRedirectionEntry(nullptr, "Wow64DisableWow64FsRedirection"), nullptr);
    EXPECT_EQ(::GetLastError(), DWORD(ERROR_INVALID_HANDLE));
    ::SetLastError(0);
    EXPECT_EQ(FsRedirectionEntry(reinterpret_cast<HMODULE>(INVALID_HANDLE_VALUE), "GetVersion"), nullptr);
    EXPECT_EQ(::GetLastError(), DWORD(ERROR_INVALID_HANDLE));
    const HMODULE kernel32 = ::GetModuleHandleA("kernel32.dll");
    EXPECT_EQ(FsRedirectionEntry(kernel32, "Wow64NoSuchFunction"), nullptr);
    EXPECT_EQ(::GetLastError(), DWORD(ERROR_CALL_NOT_IMPLEMENTED));
    for (const char* name : {"Wow64DisableWow64FsRedirection", "Wow64RevertWow64FsRedirection"}) {
        EXPECT_EQ(FsRedirectionEntry(kernel32, name), ::GetProcAddress(kernel32, name)) << name;
    }
}

class RedirectionSwitchTest : public ::testing::Test {
protected:
    void SetUp() override {
        library_.Reset(::LoadLibraryA("riched20.dll"));
        editor_ = ::CreateWindowExA(0, RICHEDIT_CLASSA, "", WS_POPUP | ES_MULTILINE, 0, 0, 400, 300, nullptr, nullptr,
                                    nullptr, nullptr);
        output_.Attach(editor_);
    }
    void TearDown() override { ::DestroyWindow(editor_); }
    std::string Text() const { return WindowText(editor_); }

    // A system that hands back the address of `handedOut` and records what it is given.
    static inline int disableCalls = 0, revertCalls = 0, handedOut = 0;
    static inline bool revertWorks = true;
    static inline PVOID reverted = nullptr;
    static bool Disable(PVOID& oldValue) {
        ++disableCalls;
        oldValue = &handedOut;
        return true;
    }
    static bool Revert(PVOID oldValue) {
        ++revertCalls;
        reverted = oldValue;
        return revertWorks;
    }

    UniqueHModule library_;
    HWND editor_ = nullptr;
    ReportOutput output_;
};

TEST_F(RedirectionSwitchTest, OutsideWow64TheSwitchOffFailsQuietly) {
    if (ProcessIsWow64()) GTEST_SKIP() << "redirection can be switched off in this process";
    FileSysRedirection redirection;  // the system's own calls
    const RedirOutcome off = redirection.DisableFileSysRedir(output_);
    EXPECT_EQ(::GetLastError(), DWORD(ERROR_INVALID_FUNCTION));
    EXPECT_EQ(off.result, RedirSwitch::Failed);
    EXPECT_EQ(off.checkItem, UINT(MMOptionsFSRedirEnabled));
    EXPECT_FALSE(redirection.RedirectionDisabled());
    const RedirOutcome on = redirection.EnableFileSysRedir(output_);
    EXPECT_EQ(on.result, RedirSwitch::Unchanged);
    EXPECT_EQ(on.checkItem, UINT(MMOptionsFSRedirEnabled));
    EXPECT_EQ(Text(), "");
}

TEST_F(RedirectionSwitchTest, EachSwitchOffIsMatchedByOneSwitchOnWithTheHandedBackValue) {
    FileSysRedirection redirection({Disable, Revert});
    EXPECT_EQ(redirection.EnableFileSysRedir(output_).result, RedirSwitch::Unchanged);
    const RedirOutcome off = redirection.DisableFileSysRedir(output_);
    EXPECT_EQ(off.result, RedirSwitch::Switched);
    EXPECT_EQ(off.checkItem, UINT(MMOptionsFSRedirDisabled));
    const RedirOutcome again = redirection.DisableFileSysRedir(output_);
    EXPECT_EQ(again.result, RedirSwitch::Unchanged);
    EXPECT_EQ(again.checkItem, UINT(MMOptionsFSRedirDisabled));
    revertWorks = false;
    const RedirOutcome refused = redirection.EnableFileSysRedir(output_);
    EXPECT_EQ(refused.result, RedirSwitch::Failed);
    EXPECT_EQ(refused.checkItem, UINT(MMOptionsFSRedirDisabled));
    revertWorks = true;
    const RedirOutcome on = redirection.EnableFileSysRedir(output_);
    EXPECT_EQ(on.result, RedirSwitch::Switched);
    EXPECT_EQ(on.checkItem, UINT(MMOptionsFSRedirEnabled));
    EXPECT_EQ(redirection.EnableFileSysRedir(output_).result, RedirSwitch::Unchanged);
    EXPECT_EQ(disableCalls, 1);
    EXPECT_EQ(revertCalls, 2);
    EXPECT_EQ(reverted, &handedOut);
    EXPECT_EQ(Text(), kOff + kOn);
}

}  // namespace
}  // namespace zem
