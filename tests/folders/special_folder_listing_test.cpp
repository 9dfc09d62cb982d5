// The special-folder report from hand-made and system-loaded lists, line by line.
#include <gtest/gtest.h>

#include <windows.h>
#include <knownfolders.h>
#include <shlobj.h>

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "folders/special_folder_listing.h"
#include "test_support.h"

namespace zem {
namespace {

using test::ScopedVariable;

const std::string kStars(79, '*');
const std::string kDashes(79, '-');
constexpr char kWindowsGuid[] = "{F38BF404-1D43-42F2-9305-67DE0B28FC23}";
constexpr char kDesktopGuid[] = "{B4BFCC3A-DB2C-424C-B029-7FE99A87C641}";
constexpr char kControlPanelGuid[] = "{82A74AEB-AEB4-465C-A014-D097EE346D63}";

const StringList kHead{kStars,
                       "",
                       "Special/Known Folders",
                       "Output Format : ",
                       "CSIDL_XXXX constant",
                       "GUID that identifies the folder",
                       "Current path",
                       "Current path in DOS, short, 8.3 format",
                       "Default path",
                       "Default path in DOS, short, 8.3 format",
                       "",
                       kStars,
                       ""};

std::string SystemLong(const std::string& path) {
    char buffer[MAX_PATH * 4] = {};
    const DWORD length = ::GetLongPathNameA(path.c_str(), buffer, sizeof(buffer));
    return length > 0 && length < sizeof(buffer) ? std::string(buffer, length) : std::string();
}

std::string WindowsFolder() {
    char buffer[MAX_PATH] = {};
    ::GetWindowsDirectoryA(buffer, MAX_PATH);
    return buffer;
}

std::string TableFolderPath(int csidl, DWORD type) {
    char buffer[MAX_PATH + 1] = {};
    return ::SHGetFolderPathA(nullptr, csidl, nullptr, type, buffer) == S_OK ? buffer : std::string();
}

// The closing block, computed from the system independently of the report.
StringList TempBlock() {
    char temp[MAX_PATH * 4] = {};
    ::GetTempPathA(sizeof(temp), temp);
    StringList lines{"Folder for Temporary Files", kDashes, "", "No CSIDL equivalent",
                     "This path does not have a fixed GUID"};
    if (!SystemLong(temp).empty()) lines.push_back("Current path: " + SystemLong(temp));
    if (temp[0] != '\0') lines.emplace_back(temp);
    lines.emplace_back();
    return lines;
}

StringList Report(const StringList& body) {
    StringList lines = kHead;
    lines.insert(lines.end(), body.begin(), body.end());
    const StringList temp = TempBlock();
    lines.insert(lines.end(), temp.begin(), temp.end());
    return lines;
}

int IndexOfLine(const StringList& lines, const std::string& line, int from = 0) {
    const auto found = std::find(lines.begin() + from, lines.end(), line);
    return found == lines.end() ? -1 : static_cast<int>(found - lines.begin());
}

int CountOfLine(const StringList& lines, const std::string& line) {
    return static_cast<int>(std::count(lines.begin(), lines.end(), line));
}

class SpecialFolderReport : public ::testing::Test {
    test::ComApartment com_;
};

TEST_F(SpecialFolderReport, AFolderIsShownWithItsCsidlGuidAndBothPaths) {
    TZemCSIDLGUIDList2 list(FolderSource::CsidlTable);
    list.AddItem({CSIDL_WINDOWS, FOLDERID_Windows, kCategoryFixed});
    const std::string windows = WindowsFolder();
    const std::string defaultPath = TableFolderPath(CSIDL_WINDOWS, SHGFP_TYPE_DEFAULT);
    ASSERT_EQ(list.CurrentPath(0), windows);
    ASSERT_NE(defaultPath, "");
    EXPECT_EQ(SpecialFolderReportLines(list),
              Report({"System Folders", kDashes, "", "CSIDL_WINDOWS  (0x0024)", kWindowsGuid,
                      "Current path: " + windows, test::SystemShortForm(windows), "Default path: " + defaultPath,
                      test::SystemShortForm(defaultPath), ""}));
}

TEST_F(SpecialFolderReport, CsidlZeroMeansNoCsidlEquivalent) {
    // From the table, CSIDL 0 is the desktop, which has a path.
    TZemCSIDLGUIDList2 list(FolderSource::CsidlTable);
    list.AddItem({0, FOLDERID_Desktop, kCategoryPerUser});
    const std::string desktop = TableFolderPath(CSIDL_DESKTOP, SHGFP_TYPE_CURRENT);
    const std::string defaultPath = TableFolderPath(CSIDL_DESKTOP, SHGFP_TYPE_DEFAULT);
    ASSERT_NE(desktop, "");
    ASSERT_NE(defaultPath, "");
    EXPECT_EQ(SpecialFolderReportLines(list),
              Report({"User Specific, Private Folders", kDashes, "", "No CSIDL equivalent", kDesktopGuid,
                      "Current path: " + desktop, test::SystemShortForm(desktop), "Default path: " + defaultPath,
                      test::SystemShortForm(defaultPath), ""}));
}

TEST_F(SpecialFolderReport, AFolderWithoutCurrentPathWritesNothing) {
    TZemCSIDLGUIDList2 list(FolderSource::CsidlTable);
    list.AddItem({CSIDL_CONTROLS, FOLDERID_ControlPanelFolder, kCategoryFixed});
    ASSERT_EQ(list.CurrentPath(0), "");
    EXPECT_EQ(SpecialFolderReportLines(list), Report({}));
    EXPECT_EQ(SpecialFolderReportLines(TZemCSIDLGUIDList2(FolderSource::CsidlTable)), Report({}));
}

TEST_F(SpecialFolderReport, ANumberWithoutNameAndPathsThatDoNotExist) {
    // Unverified, the control panel's CSIDL yields a path that cannot exist on disk.
    const uint16_t csidl = CSIDL_CONTROLS | CSIDL_FLAG_DONT_VERIFY;
    const std::string path = TableFolderPath(csidl, SHGFP_TYPE_CURRENT);
    const std::string defaultPath = TableFolderPath(csidl, SHGFP_TYPE_DEFAULT);
    ASSERT_NE(path, "");
    ASSERT_NE(defaultPath, "");
    ASSERT_EQ(test::SystemShortForm(defaultPath), "");
    TZemCSIDLGUIDList2 list(FolderSource::CsidlTable);
    list.AddItem({csidl, FOLDERID_ControlPanelFolder, kCategoryCommon});
    EXPECT_EQ(SpecialFolderReportLines(list),
              Report({"Public Folders", kDashes, "", "  (0x4003)", kControlPanelGuid, "Current path: " + path,
                      test::SystemShortForm(path), "Default path: " + defaultPath, "Nonexisting default path.", ""}));
}

TEST_F(SpecialFolderReport, EachCategoryHeadingOpensOnlyOnce) {
    TZemCSIDLGUIDList2 list(FolderSource::KnownFolderManager);
    list.AddItem({CSIDL_WINDOWS, FOLDERID_Windows, kCategoryFixed});
    list.AddItem({CSIDL_SYSTEM, FOLDERID_System, kCategoryFixed});
    list.AddItem({CSIDL_FONTS, FOLDERID_Fonts, kCategoryVirtual});  // a lower category opens none
    list.AddItem({CSIDL_PROFILE, FOLDERID_Profile, kCategoryPerUser});
    list.AddItem({CSIDL_APPDATA, FOLDERID_RoamingAppData, kCategoryCommon});
    list.AddItem({CSIDL_PERSONAL, FOLDERID_Documents, 0x80});  // negative as a signed byte
    const StringList lines = SpecialFolderReportLines(list);
    EXPECT_EQ(CountOfLine(lines, "System Folders"), 1);
    EXPECT_EQ(CountOfLine(lines, "User Specific, Private Folders"), 1);
    EXPECT_EQ(CountOfLine(lines, "Public Folders"), 0);
    EXPECT_EQ(CountOfLine(lines, "Virtual Folders"), 0);
    EXPECT_EQ(CountOfLine(lines, kDashes), 3);  // two headings and the temporary block
    const int fonts = IndexOfLine(lines, "CSIDL_FONTS  (0x0014)");
    const int profile = IndexOfLine(lines, "CSIDL_PROFILE  (0x0028)");
    ASSERT_GT(fonts, 0);
    EXPECT_LT(fonts, IndexOfLine(lines, "User Specific, Private Folders"));
    EXPECT_EQ(lines[static_cast<size_t>(profile) - 1], "");
    EXPECT_GT(IndexOfLine(lines, "CSIDL_APPDATA  (0x001A)"), profile);
    EXPECT_GT(IndexOfLine(lines, "CSIDL_PERSONAL  (0x0005)"), profile);
}

TEST_F(SpecialFolderReport, TheTemporaryFolderBlockShowsTheLongFormAndTheSystemsText) {
    const test::TempFolder temp;
    const std::string folder = temp.MakeFolder("Temporary Files With A Long Name");
    const std::string shortForm = test::SystemShortForm(folder);
    ASSERT_NE(shortForm, "");
    const ScopedVariable tmp("TMP", shortForm);
    char given[MAX_PATH * 4] = {};
    ::GetTempPathA(sizeof(given), given);
    ASSERT_EQ(std::string(given), shortForm + "\\");
    const StringList lines = SpecialFolderReportLines(TZemCSIDLGUIDList2(FolderSource::CsidlTable));
    const StringList expected{"Folder for Temporary Files",
                              kDashes,
                              "",
                              "No CSIDL equivalent",
                              "This path does not have a fixed GUID",
                              "Current path: " + folder + "\\",
                              shortForm + "\\",
                              ""};
    EXPECT_EQ(StringList(lines.begin() + static_cast<long>(kHead.size()), lines.end()), expected);
}

TEST_F(SpecialFolderReport, ATemporaryFolderThatDoesNotExistHasNoCurrentPath) {
    const test::TempFolder temp;
    const std::string missing = temp.Path() + "\\Not There";
    const ScopedVariable tmp("TMP", missing);
    const StringList lines = SpecialFolderReportLines(TZemCSIDLGUIDList2(FolderSource::CsidlTable));
    const StringList expected{"Folder for Temporary Files", kDashes, "", "No CSIDL equivalent",
                              "This path does not have a fixed GUID", missing + "\\", ""};
    EXPECT_EQ(StringList(lines.begin() + static_cast<long>(kHead.size()), lines.end()), expected);
}

TEST_F(SpecialFolderReport, TheTableLoaderDropsVirtualFoldersAndSortsByCategory) {
    TZemCSIDLGUIDList2 list(FolderSource::CsidlTable);
    ASSERT_EQ(LoadListedFolders(list), 48);
    std::vector<int> fixed;
    uint8_t last = 0;
    for (int i = 0; i < list.Count(); ++i) {
        const TZemCSIDLGUIDRec record = list.GetItem(i);
        EXPECT_NE(record.Category, kCategoryVirtual) << i;
        EXPECT_GE(record.Category, last) << i;
        last = record.Category;
        if (record.Category == kCategoryFixed) fixed.push_back(record.CSIDL);
    }
    const std::vector<int> expected{CSIDL_PROGRAM_FILESX86,       CSIDL_SYSTEMX86, CSIDL_PROGRAM_FILES_COMMON,
                                    CSIDL_PROGRAM_FILES_COMMONX86, CSIDL_FONTS,     CSIDL_WINDOWS,
                                    CSIDL_COMMON_APPDATA,          CSIDL_SYSTEM,    CSIDL_PROFILE,
                                    CSIDL_PROGRAM_FILES,           CSIDL_RESOURCES, CSIDL_RESOURCES_LOCALIZED};
    EXPECT_EQ(fixed, expected);
}

TEST_F(SpecialFolderReport, TheLoaderAddsToWhatTheListHolds) {
    TZemCSIDLGUIDList2 list(FolderSource::CsidlTable);
    list.AddItem({CSIDL_CONTROLS, FOLDERID_ControlPanelFolder, kCategoryVirtual});
    // What is held already counts; the virtual folders go wherever they came from.
    EXPECT_EQ(LoadListedFolders(list), 48);
}

TEST_F(SpecialFolderReport, TheSystemListingHasEveryHeadingOnceInOrder) {
    const StringList lines = ListSpecialFolderLines(nullptr);
    ASSERT_GT(lines.size(), kHead.size());
    EXPECT_EQ(StringList(lines.begin(), lines.begin() + static_cast<long>(kHead.size())), kHead);
    EXPECT_EQ(CountOfLine(lines, "Virtual Folders"), 0);
    const int fixed = IndexOfLine(lines, "System Folders");
    const int common = IndexOfLine(lines, "Public Folders");
    const int perUser = IndexOfLine(lines, "User Specific, Private Folders");
    const int temp = IndexOfLine(lines, "Folder for Temporary Files");
    EXPECT_EQ(fixed, static_cast<int>(kHead.size()));
    EXPECT_LT(fixed, common);
    EXPECT_LT(common, perUser);
    EXPECT_LT(perUser, temp);
    for (const char* heading : {"System Folders", "Public Folders", "User Specific, Private Folders"}) {
        EXPECT_EQ(CountOfLine(lines, heading), 1) << heading;
    }
    EXPECT_NE(IndexOfLine(lines, "CSIDL_WINDOWS  (0x0024)"), -1);
    EXPECT_LT(IndexOfLine(lines, "No CSIDL equivalent"), temp);  // some known folders have no CSIDL
    const StringList tail = TempBlock();
    EXPECT_EQ(StringList(lines.end() - static_cast<long>(tail.size()), lines.end()), tail);
}

TEST_F(SpecialFolderReport, EverySystemFolderShowsItsCurrentPathsShortForm) {
    const StringList lines = ListSpecialFolderLines(nullptr);
    int folders = 0;
    const std::string prefix = "Current path: ";
    for (size_t i = 0; i + 1 < lines.size(); ++i) {
        if (lines[i].rfind(prefix, 0) != 0 || lines[i - 1] == "This path does not have a fixed GUID") continue;
        ++folders;
        EXPECT_EQ(lines[i + 1], test::SystemShortForm(lines[i].substr(prefix.size()))) << lines[i];
    }
    EXPECT_GT(folders, 20);
}

}  // namespace
}  // namespace zem
