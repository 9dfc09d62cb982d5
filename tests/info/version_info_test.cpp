// The version reader against the program's own version record, library versions and sizes.
#include <windows.h>
#include <commctrl.h>
#include <shlwapi.h>

#include <gtest/gtest.h>

#include "info/version_info.h"

namespace zem {
namespace {

TEST(TZemVersionInfo, ReadsTheProgramsOwnRecord) {
    TZemVersionInfo own;  // the test executable carries the program's resources
    EXPECT_EQ(own.ProductName(), "Zem Tarvelix");
    EXPECT_EQ(own.FileVersion(), "1.0.0.0");
    EXPECT_EQ(own.FileDescription(),
              "Application for converting paths in the long file name format to and from the DOS, 8.3, file name "
              "format.");
    EXPECT_EQ(own.OriginalFilename(), "ZemTarvelix.exe");
    EXPECT_EQ(own.Translation(), 0x04E40409u);
    const VS_FIXEDFILEINFO fixed = own.FixedInfo();
    EXPECT_EQ(fixed.dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed.dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(own.LastError(), 0u);
}

TEST(TZemVersionInfo, AFileWithoutVersionDataGivesEmptyTextsAnd1812) {
    char windows[MAX_PATH] = {};
    ::GetWindowsDirectoryA(windows, MAX_PATH);
    TZemVersionInfo none(std::string(windows) + "\\win.ini");
    EXPECT_EQ(none.ProductName(), "");
    EXPECT_EQ(none.Translation(), 0u);
    EXPECT_EQ(none.LastError(), 1812u);
}

TEST(LibraryVersionText, BuildAndServicePack) {
    EXPECT_EQ(LibraryVersionText(6, 1, 7601, 0, true), "6.1, Build 7601");
    EXPECT_EQ(LibraryVersionText(6, 1, 7601, 2, true), "6.1, Build 7601  SP 2");  // the format puts two blanks
    EXPECT_EQ(LibraryVersionText(5, 0, 2195, 3, false), "5.0, Build 2195");
    EXPECT_EQ(LibraryVersion("comctl32.dll").rfind(", Build ") != std::string::npos, true);
    EXPECT_EQ(LibraryVersion("kernel32.dll"), "");  // it has no version function
}

// The common controls reported are the ones the process uses: the copy the manifest chose from
// the side-by-side store (version 6 on Windows), not the older file in the system folder that a
// load by full path gives (5.8x on Windows; Wine's copies both say 5.81).
TEST(LibraryVersion, IsAskedOfTheCommonControlsInUse) {
    INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_STANDARD_CLASSES};
    ASSERT_TRUE(::InitCommonControlsEx(&classes));
    const HMODULE inUse = ::GetModuleHandleA("comctl32.dll");
    ASSERT_NE(inUse, nullptr);
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(inUse, path, MAX_PATH);
    EXPECT_NE(::StrStrIA(path, "\\winsxs\\"), nullptr) << path << ": the test carries the program's manifest";
    const std::string inUseVersion = ModuleVersion(inUse);
    EXPECT_EQ(inUseVersion.rfind(", Build ") != std::string::npos, true) << inUseVersion;
    EXPECT_EQ(LibraryVersion("comctl32.dll"), inUseVersion);
}

TEST(SizeText, UnitsByMagnitudeWithTheByteCount) {
    // The test prefix formats numbers as en-US does.
    EXPECT_EQ(SizeText(1536), "1.50 KB (1,536 Byte)");
    EXPECT_EQ(SizeText(1048575), "1,024.00 KB (1,048,575 Byte)");
    EXPECT_EQ(SizeText(3u * 1048576 + 524288), "3.50 MB (3,670,016 Byte)");
    EXPECT_EQ(SizeText(4294967296ull), "4.00 GB (4,294,967,296 Byte)");
}

}  // namespace
}  // namespace zem
