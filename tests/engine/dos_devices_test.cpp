// Drive letters defined for the test with DefineDosDeviceA; the targets need not exist.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "engine/dos_devices.h"

namespace zem {
namespace {

// Defines `drive` as a substitute for `target` while the scope lasts.
class DefinedDrive {
public:
    DefinedDrive(const char* drive, const std::string& target) : drive_(drive) {
        defined_ = ::DefineDosDeviceA(0, drive, target.c_str()) != FALSE;
    }
    ~DefinedDrive() {
        if (defined_) ::DefineDosDeviceA(DDD_REMOVE_DEFINITION, drive_, nullptr);
    }
    bool Defined() const { return defined_; }

private:
    const char* drive_;
    bool defined_ = false;
};

TEST(DosDevices, FolderSubstituteIsAFolderAlias) {
    DefinedDrive drive("Q:", "C:\\Some Folder");
    ASSERT_TRUE(drive.Defined());
    TZemDOSDrvDevicesStrList devices;
    ASSERT_GT(devices.RefreshDriveDevices(), 0);
    const int index = devices.IndexOfDrive('Q');
    ASSERT_GE(index, 0);
    EXPECT_EQ(devices[index].text, "\\??\\C:\\Some Folder");
    EXPECT_TRUE(devices.IsFolderAlias(index));
    EXPECT_FALSE(devices.IsDriveRootAlias(index));
    EXPECT_EQ(devices.DriveTarget(index), "C:\\Some Folder");
    EXPECT_EQ(devices.IndexOfDrive('q'), -1);  // letters compare exactly

    const SubstDriveAlias alias = ResolveSubstDrive("Q:\\docs\\a.txt");
    EXPECT_TRUE(alias.isAlias);
    EXPECT_EQ(alias.target, "C:\\Some Folder");
    // A lower-case drive letter finds no entry.
    EXPECT_FALSE(ResolveSubstDrive("q:\\docs\\a.txt").isAlias);
}

TEST(DosDevices, TargetTextsAreClassifiedByTheirForm) {
    EXPECT_TRUE(IsDriveRootAliasText("\\??\\D:"));
    EXPECT_TRUE(IsDriveRootAliasText("\\??\\d:"));
    EXPECT_FALSE(IsDriveRootAliasText("\\??\\D:\\"));  // three characters after the prefix
    EXPECT_FALSE(IsDriveRootAliasText("\\??\\1:"));
    EXPECT_FALSE(IsDriveRootAliasText("D:"));
    EXPECT_FALSE(IsDriveRootAliasText("\\Device\\HarddiskVolume2"));

    EXPECT_TRUE(IsFolderAliasText("\\??\\C:\\Projects"));
    EXPECT_TRUE(IsFolderAliasText("\\??\\\\\\server\\share\\folder"));
    EXPECT_FALSE(IsFolderAliasText("\\??\\C:\\"));  // the root itself
    EXPECT_FALSE(IsFolderAliasText("\\??\\D:"));
    EXPECT_FALSE(IsFolderAliasText("\\??\\relative\\dir"));
    EXPECT_FALSE(IsFolderAliasText("C:\\Projects"));
    EXPECT_FALSE(IsFolderAliasText("\\Device\\HarddiskVolume2"));

    EXPECT_EQ(DriveTargetText("\\??\\C:\\Projects"), "C:\\Projects");
    EXPECT_EQ(DriveTargetText("\\??\\D:"), "D:");
    EXPECT_EQ(DriveTargetText("\\DEVICE\\HarddiskVolume2"), "HarddiskVolume2");
    EXPECT_EQ(DriveTargetText("\\Device\\LanmanRedirector\\;Z:\\server\\share"), "LanmanRedirector\\;Z:\\server\\share");
    EXPECT_EQ(DriveTargetText("C:\\plain"), "");
}

TEST(DosDevices, DriveRootSubstituteAliasFollowsTheSystemsAnswer) {
    DefinedDrive drive("R:", "D:");
    ASSERT_TRUE(drive.Defined());
    TZemDOSDrvDevicesStrList devices;
    devices.RefreshDriveDevices();
    const int index = devices.IndexOfDrive('R');
    ASSERT_GE(index, 0);
    // Windows answers \??\D:, Wine \??\D:\ (no alias by the rules above).
    const bool rootAlias = devices[index].text == "\\??\\D:";
    EXPECT_EQ(devices.IsDriveRootAlias(index), rootAlias);
    EXPECT_FALSE(devices.IsFolderAlias(index));
    const SubstDriveAlias alias = ResolveSubstDrive("R:\\x");
    EXPECT_EQ(alias.isAlias, rootAlias);
    EXPECT_EQ(alias.target, rootAlias ? "D:" : "");
}

TEST(DosDevices, EntriesComeInLetterOrderAndVolumesAreNoAliases) {
    TZemDOSDrvDevicesStrList devices;
    ASSERT_GT(devices.RefreshDriveDevices(), 0);
    for (int i = 0; i < devices.Count(); ++i) {
        if (i > 0) {
            EXPECT_LT(devices[i - 1].letter, devices[i].letter);
        }
        char expected[1024] = {};
        ASSERT_NE(::QueryDosDeviceA(std::string{devices[i].letter, ':'}.c_str(), expected, sizeof(expected)), 0u);
        EXPECT_EQ(devices[i].text, expected);  // the first string of the system's answer
        if (devices[i].text.rfind("\\Device\\", 0) != 0) continue;
        // A volume is no alias.
        EXPECT_FALSE(devices.IsDriveRootAlias(i));
        EXPECT_FALSE(devices.IsFolderAlias(i));
        EXPECT_EQ(devices.DriveTarget(i), devices[i].text.substr(8));
    }
}

TEST(DosDevices, TargetLongerThanTheFirstBufferIsKept) {
    const std::string target = "C:\\" + std::string(300, 'l') + "\\tail";
    DefinedDrive drive("S:", target);
    ASSERT_TRUE(drive.Defined());
    TZemDOSDrvDevicesStrList devices;
    devices.RefreshDriveDevices();
    const int index = devices.IndexOfDrive('S');
    ASSERT_GE(index, 0);
    EXPECT_EQ(devices[index].text, "\\??\\" + target);
    EXPECT_EQ(ResolveSubstDrive("S:\\").target, target);
}

TEST(DosDevices, UncPathsAndRelativePathsHaveNoDriveLetter) {
    EXPECT_EQ(DrivePart("C:\\x"), "C:");
    EXPECT_EQ(DrivePart("\\\\server\\share\\dir"), "\\\\server\\share");
    EXPECT_EQ(DrivePart("relative\\x"), "");
    EXPECT_FALSE(ResolveSubstDrive("\\\\server\\share\\dir").isAlias);
    EXPECT_FALSE(ResolveSubstDrive("relative\\x").isAlias);
}

}  // namespace
}  // namespace zem
