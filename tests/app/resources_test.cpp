// The executable's own resources: version record, manifest, icon, menus and texts.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <shlwapi.h>

#include <string>
#include <vector>

#include "base/strings.h"
#include "base/system.h"
#include "resource.h"

namespace zem {
namespace {

std::string VersionString(const std::vector<char>& data, const char* key) {
    char* value = nullptr;
    UINT length = 0;
    const std::string path = std::string("\\StringFileInfo\\040904e4\\") + key;
    if (!::VerQueryValueA(data.data(), path.c_str(), reinterpret_cast<void**>(&value), &length) || !value) return {};
    return value;
}

TEST(VersionResource, CarriesTheProductsValues) {
    char exe[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, exe, MAX_PATH);
    const DWORD size = ::GetFileVersionInfoSizeA(exe, nullptr);
    ASSERT_GT(size, 0u);
    std::vector<char> data(size);
    ASSERT_TRUE(::GetFileVersionInfoA(exe, 0, size, data.data()));

    DWORD* translation = nullptr;
    UINT length = 0;
    ASSERT_TRUE(::VerQueryValueA(data.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation),
                                 &length));
    EXPECT_EQ(*translation, 0x04E40409u);  // language 0409, code page 04E4
    EXPECT_EQ(VersionString(data, "ProductName"), "Zem Tarvelix");
    EXPECT_EQ(VersionString(data, "ProductVersion"), "1.0");
    EXPECT_EQ(VersionString(data, "FileVersion"), "1.0.0.0");
    EXPECT_EQ(VersionString(data, "OriginalFilename"), "ZemTarvelix.exe");
    EXPECT_EQ(VersionString(data, "LegalTrademarks"), "Zem, Tarvelix");
    EXPECT_EQ(VersionString(data, "FileDescription"),
              "Application for converting paths in the long file name format to and from the DOS, 8.3, file name "
              "format.");
    EXPECT_EQ(VersionString(data, "Comments"),
              "Use this application to convert long file names to DOS, 8.3 or DOS, 8.3 to long file names, and/or "
              "list special folder paths.");
}

TEST(Resources, HoldTheIconMenusShortcutsAndTexts) {
    HMODULE self = ::GetModuleHandleA(nullptr);
    EXPECT_NE(::LoadIconA(self, "DEFICON1"), nullptr);
    EXPECT_NE(::FindResourceA(self, MAKEINTRESOURCEA(IDR_MAINMENU), RT_MENU), nullptr);
    EXPECT_NE(::FindResourceA(self, MAKEINTRESOURCEA(IDR_RICHEDITPOPUP), RT_MENU), nullptr);
    EXPECT_NE(::FindResourceA(self, MAKEINTRESOURCEA(IDR_ACCELERATORS), RT_ACCELERATOR), nullptr);
    EXPECT_EQ(ResString(IDS_APP_TITLE), "Zem TarVelix");
    EXPECT_EQ(ResString(IDS_COULD_NOT_OPEN_KEY), "Could not open key : HKEY_CURRENT_USER");
    EXPECT_EQ(ResString(IDS_INVALID_DATA_TYPE), "Invalid data type for '%s'");
    EXPECT_EQ(ResString(IDS_PATH_CUE_BANNER), "Enter the path and name of the file/folder to convert here.");
    EXPECT_EQ(ResString(IDS_ERRONEOUS_COMMAND_LINE), "Erroneous command line !");
    EXPECT_EQ(ResString(IDS_DROP_ERROR_TEXT), "Converting one or more paths from or to the LFN format failed.");
    EXPECT_EQ(ResString(1), "");  // no such text
}

TEST(QueryIsWow64, RestoresTheErrorModeAndTheLastError) {
    const UINT previous = ::SetErrorMode(SEM_NOGPFAULTERRORBOX);
    ::SetLastError(1234);
    const bool wow64 = QueryIsWow64();
    EXPECT_EQ(::GetLastError(), 1234u);
    EXPECT_EQ(::SetErrorMode(previous), static_cast<UINT>(SEM_NOGPFAULTERRORBOX));
    BOOL expected = FALSE;
    ::IsWow64Process(::GetCurrentProcess(), &expected);
    EXPECT_EQ(wow64, expected != FALSE);
}

}  // namespace
}  // namespace zem
