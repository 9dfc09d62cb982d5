// The 8.3 name-creation setting: report texts, the submenu's state, and the commands against
// the test prefix's real HKLM FileSystem key (created and removed by the tests).
#include <gtest/gtest.h>

#include <windows.h>
#include <richedit.h>

#include <cctype>
#include <string>

#include "base/controls.h"
#include "base/menu.h"
#include "editor/report_output.h"
#include "folders/name_creation.h"
#include "resource.h"
#include "test_support.h"

namespace zem {
namespace {

constexpr char kKey[] = "SYSTEM\\CurrentControlSet\\Control\\FileSystem";
constexpr char kValue[] = "NtfsDisable8dot3NameCreation";
const std::string kHead = "*--- Tarvelix Infomration ----------------------------------------------------*";
const std::string kFoot = "*-----------------------------------------------------------------------------*";
const std::string kEnabled =
    "Support for short, 8.3, DOS file names on all local, NTFS volumes has been enabled.\r\n"
    "However, only files that are created or saved AFTER this point in time\r\nwill be accessible by means of 8.3 names.";
const std::string kDisabled =
    "Support for short, 8.3, DOS file names on\r\nALL local, NTFS volumes has been successfully disabled.\r\n"
    "WARNING ! Some applications may no longer be able to locate, open and/or save files !";
const std::string kSysVol1 = "Support for short, 8.3, DOS file names on the system volume (drive ";
const std::string kSysVol2 =
    ").\r\nhas been activated. It remains or was disabled on all other volumes.\r\n"
    "WARNING ! If 8.3 file names were previously enabled on other NTFS volumes,\r\n"
    "some applications may no longer be able to locate, open and/or save files\r\non these drives !";

std::string Framed(const std::string& stamp, const std::string& body) {
    return kHead + "\r\n" + stamp + "\r\n" + body + "\r\n" + kFoot + "\r\n\r\n";
}

std::string Joined(const StringList& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

std::string Failure(bool activation, const std::string& codes, DWORD code) {
    char message[512] = {};
    ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, message, 512, nullptr);
    return activation ? "Tarvvelix was unable to activate the support for\r\nDOS 8.3 file names on all NTFS volumes !"
                        "\r\n\r\nActivating the support failed with error code " + codes + "\r\n" + message
                      : "Tarvvelix was unable to disable the support for\r\nDOS 8.3 file names on all local NTFS "
                        "volumes !\r\n\r\nThe attempt failed with error code " + codes + "\r\n" + message;
}

// The system folder's drive: as written, or in upper case.
std::string SystemDrive(bool upper = false) {
    char folder[MAX_PATH] = {};
    ::GetSystemDirectoryA(folder, MAX_PATH);
    if (upper) folder[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(folder[0])));
    return std::string(folder, 2);
}

std::string StampNow() {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    char date[128] = {}, time[128] = {}, zoneName[128] = {};
    ::GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &now, nullptr, date, sizeof(date));
    ::GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &now, nullptr, time, sizeof(time));
    TIME_ZONE_INFORMATION zone{};
    const DWORD id = ::GetTimeZoneInformation(&zone);
    const WCHAR* name = id == TIME_ZONE_ID_STANDARD   ? zone.StandardName
                        : id == TIME_ZONE_ID_DAYLIGHT ? zone.DaylightName
                                                      : nullptr;
    if (name) ::WideCharToMultiByte(CP_ACP, 0, name, -1, zoneName, sizeof(zoneName), nullptr, nullptr);
    return std::string(date) + " " + time + (name ? std::string(" ") + zoneName : std::string());
}

// A stamp taken between two readings of the clock is one of them.
bool StampOfNow(const std::string& before, const std::string& stamp, const std::string& after) {
    return stamp == before || stamp == after;
}

TEST(NameCreationTexts, ReportsAndFailures) {
    const std::string stamp = "24.12.2031 23:59:58 W. Europe Standard Time";
    EXPECT_EQ(Joined(AllVolsEnabledReport(stamp)), Framed(stamp, kEnabled));
    EXPECT_EQ(Joined(AllVolsDisabledReport(stamp)), Framed(stamp, kDisabled));
    EXPECT_EQ(Joined(SysVolOnlyReport(stamp, "%s:")), Framed(stamp, kSysVol1 + "%s:" + kSysVol2));
    EXPECT_EQ(Joined(ActivationFailureReport(5)), Failure(true, "0x00000005 (5)", 5) + "\r\n\r\n");
    EXPECT_EQ(Joined(DisablingFailureReport(5)), Failure(false, "0x00000005 (5)", 5) + "\r\n\r\n");
    EXPECT_EQ(DisablingFailureText(0x80070005), Failure(false, "0x80070005 (-2147024891)", 0x80070005));
}

TEST(NameCreationTexts, SystemDriveAndTimeStamp) {
    const std::string drive = SystemDrive();
    ASSERT_EQ(drive[1], ':');
    EXPECT_EQ(SystemDriveText(LetterCase::Unchanged, true), "\"" + drive + '"');
    EXPECT_EQ(SystemDriveText(LetterCase::Upper, false), SystemDrive(true));
    const std::string lower{'\'', char(std::tolower(drive[0])), ':', '\''};
    EXPECT_EQ(SystemDriveText(LetterCase::Lower, true, '\''), lower);
    EXPECT_EQ(Quoted("a'b", '\''), "'a''b'");
    const std::string before = StampNow();
    EXPECT_PRED3(StampOfNow, before, LocalTimeStamp(), StampNow());
}

TEST(NameCreationMenu, EachSettingEnablesAndChecksItsItems) {
    // status, value -> submenu, items change, System Vol. Only enabled/checked, Enable/Disable on All enabled
    const struct { uint32_t status, value; const char* expected; } rows[] = {
        {2, 0, "010000"}, {0, 3, "111111"}, {0, 0, "111001"}, {0, 1, "111010"}, {0, 2, "111011"}, {0, 4, "100000"},
    };
    for (const auto& row : rows) {
        const NameSupportMenuState s = NameSupportMenuFor({row.status, row.value});
        const std::string got{char('0' + s.submenuEnabled), char('0' + s.itemsChange), char('0' + s.sysVolOnlyEnabled),
                              char('0' + s.sysVolOnlyChecked), char('0' + s.enableOnAllEnabled),
                              char('0' + s.disableOnAllEnabled)};
        EXPECT_EQ(got, row.expected) << row.status << "/" << row.value;
        EXPECT_EQ(CheckedNameSupportItem(s), row.value == 3 && row.status == 0 ? MM8Dot3SupportWinDefault : 0u);
    }
}

// The key is missing in a fresh prefix; the tests create and remove it, one at a time (each
// test is a process of its own). A key that is there already is the system's: left alone.
class FileSystemKeyTest : public ::testing::Test {
protected:
    void SetUp() override {
        mutex_ = ::CreateMutexA(nullptr, FALSE, "ZemTarvelixTests.FileSystemKey");
        ASSERT_NE(::WaitForSingleObject(mutex_, 30000), WAIT_TIMEOUT);
        ASSERT_FALSE(KeyExists()) << "the FileSystem key exists: not a fresh test prefix";
        owned_ = true;
        library_.Reset(::LoadLibraryA("riched20.dll"));
        editor_ = ::CreateWindowExA(0, RICHEDIT_CLASSA, "", WS_POPUP | ES_MULTILINE, 0, 0, 400, 300, nullptr, nullptr,
                                    nullptr, nullptr);
        output_.Attach(editor_);
    }
    void TearDown() override {
        if (editor_) ::DestroyWindow(editor_);
        if (owned_) ::RegDeleteKeyA(HKEY_LOCAL_MACHINE, kKey);
        ::ReleaseMutex(mutex_);
        ::CloseHandle(mutex_);
    }
    static bool KeyExists() {
        HKEY key = nullptr;
        if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
        return ::RegCloseKey(key) == ERROR_SUCCESS;
    }
    static void Store(DWORD value) {
        ASSERT_EQ(::RegSetKeyValueA(HKEY_LOCAL_MACHINE, kKey, kValue, REG_DWORD, &value, sizeof(value)), 0);
    }
    static DWORD Stored() {
        DWORD value = 0xDEADBEEF, size = sizeof(value);
        ::RegGetValueA(HKEY_LOCAL_MACHINE, kKey, kValue, RRF_RT_REG_DWORD, nullptr, &value, &size);
        return value;
    }
    // Runs a command that succeeds and checks its report, time stamp included; empties the editor.
    template <class Command>
    void ExpectReport(Command command, const std::string& body) {
        const std::string before = StampNow();
        EXPECT_EQ(command(), NameCreationOutcome::Changed);
        const std::string after = StampNow(), text = WindowText(editor_);
        const size_t start = kHead.size() + 2;
        const std::string stamp = text.substr(start, text.find("\r\n", start) - start);
        EXPECT_PRED3(StampOfNow, before, stamp, after);
        EXPECT_EQ(text, Framed(stamp, body));
        ::SetWindowTextA(editor_, "");
    }
    // Questions answered as told; what was asked is recorded.
    NameCreationQuestions Questions() {
        return {[this](HWND, const std::string& drive) {
                    asked_ += "except " + drive + ";";
                    return answer_;
                },
                [this](HWND) {
                    asked_ += "all;";
                    return answer_;
                }};
    }

    HANDLE mutex_ = nullptr;
    bool owned_ = false;
    UniqueHModule library_;
    HWND editor_ = nullptr;
    ReportOutput output_;
    int answer_ = IDOK;
    std::string asked_;
};

TEST_F(FileSystemKeyTest, WithoutTheKeyNothingIsReadOrCreatedAndFailuresAreReported) {
    EXPECT_EQ(Read8Dot3Setting().status, 2u);
    EXPECT_EQ(Enable8Dot3SupportAllVols(output_), NameCreationOutcome::Failed);
    EXPECT_EQ(Enable8Dot3SupportSysVolOnly(nullptr, output_, Questions()), NameCreationOutcome::Failed);
    EXPECT_EQ(WindowText(editor_), Failure(true, "0x00000002 (2)", 2) + "\r\n\r\n" +
                                       Failure(false, "0x00000002 (2)", 2) + "\r\n\r\n");
    EXPECT_FALSE(KeyExists());
}

TEST_F(FileSystemKeyTest, ValuesGoInAndComeBackAndShowInTheMenu) {
    const UniqueHMenu menu(::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINMENU)));
    Store(7);
    for (uint32_t value : {3u, 0xFFFFFFFFu, 0u}) {
        ASSERT_EQ(Write8Dot3Setting(value), 0u);
        EXPECT_EQ(Stored(), value);
        EXPECT_EQ(Read8Dot3Setting().value, value);
        Update8Dot3Menu(menu.Get());
        EXPECT_TRUE(MenuItemEnabled(menu.Get(), MMOptions8dot3NameSupport));
        EXPECT_EQ(MenuItemChecked(menu.Get(), MM8Dot3SupportWinDefault), value != 0) << value;  // -1 keeps the check
        EXPECT_EQ(MenuItemEnabled(menu.Get(), MM8Dot3SupportEnableOnAll), value != 0) << value;
    }
    ::RegSetKeyValueA(HKEY_LOCAL_MACHINE, kKey, kValue, REG_SZ, "1", 2);
    EXPECT_NE(Read8Dot3Setting().status, 0u);
    Update8Dot3Menu(menu.Get());
    EXPECT_FALSE(MenuItemEnabled(menu.Get(), MMOptions8dot3NameSupport));
    EXPECT_FALSE(MenuItemEnabled(menu.Get(), MM8Dot3SupportDisableOnAll));
}

TEST_F(FileSystemKeyTest, CommandsAskWriteAndReport) {
    Store(2);
    answer_ = IDCANCEL;
    EXPECT_EQ(Disable8Dot3SupportAllVols(nullptr, output_, Questions()), NameCreationOutcome::Cancelled);
    EXPECT_EQ(Enable8Dot3SupportSysVolOnly(nullptr, output_, Questions()), NameCreationOutcome::Cancelled);
    EXPECT_EQ(Stored(), 2u);
    EXPECT_EQ(WindowText(editor_), "");
    answer_ = IDOK;
    ExpectReport([&] { return Enable8Dot3SupportSysVolOnly(nullptr, output_, Questions()); },
                 kSysVol1 + SystemDrive(true) + kSysVol2);
    EXPECT_EQ(Stored(), 3u);
    ExpectReport([&] { return Enable8Dot3SupportSysVolOnly(nullptr, output_, Questions()); }, kDisabled);
    EXPECT_EQ(Stored(), 1u);  // the checked item switched short names off everywhere
    ExpectReport([&] { return Enable8Dot3SupportAllVols(output_); }, kEnabled);
    EXPECT_EQ(Stored(), 0u);
    ExpectReport([&] { return Disable8Dot3SupportAllVols(nullptr, output_, Questions()); }, kDisabled);
    EXPECT_EQ(Stored(), 1u);
    const std::string except = "except \"" + SystemDrive() + "\";";
    EXPECT_EQ(asked_, "all;" + except + except + "all;all;");
}

TEST_F(FileSystemKeyTest, TheStartupNoticeComesOnlyForSettingsOneToThree) {
    test::WindowCounter counter;  // refuses the box: an attempt to show one answers -1
    EXPECT_EQ(ShowStartup8Dot3Notice(nullptr), 0);
    for (DWORD value : {0u, 4u}) {
        Store(value);
        EXPECT_EQ(ShowStartup8Dot3Notice(nullptr), 0) << value;
    }
    EXPECT_EQ(counter.Count(), 0);
    Store(3);
    EXPECT_NE(ShowStartup8Dot3Notice(nullptr), 0);  // refused here, or OK at once when suppressed
}

}  // namespace
}  // namespace zem
