// GUID text and the path calls against the known folders of the test prefix.
#include <gtest/gtest.h>

#include <windows.h>
#include <knownfolders.h>
#include <shlobj.h>

#include "base/status_codes.h"
#include "base/strings.h"
#include "catalogue/known_folders.h"
#include "test_support.h"

namespace zem {
namespace {

constexpr char kFontsText[] = "{FD228CB7-AE11-4AE3-864C-16F3910AB8FE}";

std::string WindowsFolder() {
    char buffer[MAX_PATH] = {};
    ::GetWindowsDirectoryA(buffer, MAX_PATH);
    return buffer;
}

std::string SystemFolder() {
    char buffer[MAX_PATH] = {};
    ::GetSystemDirectoryA(buffer, MAX_PATH);
    return buffer;
}

std::string Upper(std::string text) {
    ::CharUpperBuffA(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

class KnownFolders : public ::testing::Test {
    test::ComApartment com_;
};

TEST_F(KnownFolders, GuidTextIsRecognisedOnlyWhenItParsesToANonNullGuid) {
    EXPECT_TRUE(IsGUIDString(kFontsText));
    EXPECT_TRUE(IsGUIDString("{fd228cb7-ae11-4ae3-864c-16f3910ab8fe}"));
    EXPECT_TRUE(IsGUIDString("Shell.Application"));  // a registered ProgID names a class GUID
    EXPECT_FALSE(IsGUIDString("{00000000-0000-0000-0000-000000000000}"));
    EXPECT_FALSE(IsGUIDString("{FD228CB7-AE11-4AE3-864C-16F3910AB8FZ}"));
    EXPECT_FALSE(IsGUIDString("{FD228CB7-AE11-4AE3-864C-16F3910AB8F}"));
    EXPECT_FALSE(IsGUIDString("FD228CB7-AE11-4AE3-864C-16F3910AB8FE"));
    EXPECT_FALSE(IsGUIDString("{"));
    EXPECT_FALSE(IsGUIDString(""));
    EXPECT_FALSE(IsGUIDString("No.Such.ProgId.Zem"));
}

TEST_F(KnownFolders, ParseGuidReportsTheParsersStatus) {
    GUID guid = GUID_NULL;
    EXPECT_EQ(ParseGUID(kFontsText, guid), 0u);
    EXPECT_TRUE(guid == FOLDERID_Fonts);

    GUID untouched = FOLDERID_Windows;
    EXPECT_EQ(ParseGUID("", untouched), 0x80070057u);
    EXPECT_NE(ParseGUID("{FD228CB7-AE11}", untouched), 0u);
    EXPECT_TRUE(untouched == FOLDERID_Windows);
}

TEST_F(KnownFolders, GuidToStrGivesTheRegistryForm) {
    EXPECT_EQ(GUIDToStr(FOLDERID_Fonts), kFontsText);
    EXPECT_EQ(GUIDToStr(GUID_NULL), "{00000000-0000-0000-0000-000000000000}");
}

TEST_F(KnownFolders, KnownFolderPathGivesCurrentAndDefaultPaths) {
    std::string path = "stale";
    ASSERT_EQ(KnownFolderPath(FOLDERID_Windows, 0, nullptr, path), 0u);
    EXPECT_TRUE(SameTextNoCase(path, WindowsFolder())) << path;
    ASSERT_EQ(KnownFolderPath(FOLDERID_Windows, kKnownFolderDefaultPathFlags, nullptr, path), 0u);
    EXPECT_TRUE(SameTextNoCase(path, WindowsFolder())) << path;

    // A virtual folder has no path.
    EXPECT_NE(KnownFolderPath(FOLDERID_ComputerFolder, 0, nullptr, path), 0u);
    EXPECT_EQ(path, "");
}

TEST_F(KnownFolders, SpecialFolderPathByCsidl) {
    std::string path;
    ASSERT_EQ(SpecialFolderPath(nullptr, path, CSIDL_WINDOWS, false), 0u);
    EXPECT_TRUE(SameTextNoCase(path, WindowsFolder())) << path;

    std::string unchanged = "unchanged";
    const uint32_t status = SpecialFolderPath(nullptr, unchanged, 0x7FF, false);
    EXPECT_NE(status, 0u);
    EXPECT_EQ(unchanged, "unchanged");
}

struct FoundFolder {
    uint32_t status = 0xFFFFFFFF;
    bool isParent = false;
    std::string path;
    KF_CATEGORY category{};
};

FoundFolder FindFolder(const std::string& path) {
    FoundFolder found;
    ComPtr<IKnownFolder> folder;
    found.status = FindKnownFolderForPath(path, folder, found.isParent);
    if (found.status == 0) {
        GUID id{};
        EXPECT_EQ(GetKnownFolderIdAndPath(folder.Get(), id, found.path), 0u);
        EXPECT_FALSE(id == GUID_NULL);
        EXPECT_EQ(folder->GetCategory(&found.category), S_OK);
    }
    return found;
}

TEST_F(KnownFolders, AKnownFoldersOwnPathIsAnExactMatch) {
    for (const std::string& path : {WindowsFolder(), Upper(WindowsFolder()), WindowsFolder() + "\\"}) {
        SCOPED_TRACE(path);
        const FoundFolder found = FindFolder(path);
        EXPECT_EQ(found.status, 0u);
        EXPECT_FALSE(found.isParent);
        EXPECT_TRUE(SameTextNoCase(found.path, WindowsFolder())) << found.path;
    }
}

TEST_F(KnownFolders, AFolderBelowAKnownFolderFindsTheNearestParent) {
    const FoundFolder found = FindFolder(SystemFolder() + "\\zem-no-such-folder\\deeper");
    EXPECT_EQ(found.status, 0u);
    EXPECT_TRUE(found.isParent);
    EXPECT_TRUE(SameTextNoCase(found.path, SystemFolder())) << found.path;  // not the Windows folder above it

    // A name that merely starts like a known folder is not inside it.
    const FoundFolder sibling = FindFolder(SystemFolder() + "-zem\\x");
    EXPECT_EQ(sibling.status, 0u);
    EXPECT_FALSE(SameTextNoCase(sibling.path, SystemFolder())) << sibling.path;
}

// Wine gives the virtual printers folder the system folder's path: it is no file-system path.
TEST_F(KnownFolders, AVirtualFolderIsNeverTheFolderOfAPath) {
    for (const std::string& path : {SystemFolder(), SystemFolder() + "\\drivers"}) {
        SCOPED_TRACE(path);
        const FoundFolder found = FindFolder(path);
        EXPECT_EQ(found.status, 0u);
        EXPECT_NE(found.category, KF_CATEGORY_VIRTUAL);
        EXPECT_TRUE(SameTextNoCase(found.path, SystemFolder())) << found.path;
    }
}

TEST_F(KnownFolders, PathsAreComparedInTheirFullForm) {
    const std::string system = SystemFolder();
    const std::string name = system.substr(system.rfind('\\') + 1);
    for (const std::string& path : {system + "\\..\\" + name, system + "\\.", system + "\\\\"}) {
        SCOPED_TRACE(path);
        const FoundFolder found = FindFolder(path);
        EXPECT_EQ(found.status, 0u);
        EXPECT_FALSE(found.isParent);
        EXPECT_TRUE(SameTextNoCase(found.path, system)) << found.path;
    }
    // Below the Windows folder, not below the system folder that the text passes through.
    const FoundFolder outside = FindFolder(system + "\\..\\zem-no-such-folder");
    EXPECT_EQ(outside.status, 0u);
    EXPECT_TRUE(outside.isParent);
    EXPECT_TRUE(SameTextNoCase(outside.path, WindowsFolder())) << outside.path;
}

TEST_F(KnownFolders, PathsOutsideEveryKnownFolderAndEmptyPaths) {
    ComPtr<IKnownFolder> folder;
    bool isParent = true;
    EXPECT_NE(FindKnownFolderForPath("Q:\\zem\\nowhere", folder, isParent), 0u);
    EXPECT_FALSE(isParent);
    EXPECT_FALSE(folder);

    isParent = true;
    EXPECT_EQ(FindKnownFolderForPath("", folder, isParent), ErrNoFileName);
    EXPECT_TRUE(isParent);  // left untouched

    GUID id = FOLDERID_Windows;
    std::string path = "stale";
    EXPECT_EQ(GetKnownFolderIdAndPath(nullptr, id, path), ErrNoKnownFolder);
    EXPECT_TRUE(id == GUID_NULL);
    EXPECT_EQ(path, "");
}

}  // namespace
}  // namespace zem
