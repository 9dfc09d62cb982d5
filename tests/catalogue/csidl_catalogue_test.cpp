// The CSIDL tables against the platform's own CSIDL_ and FOLDERID_ definitions, and the
// look-ups between names, numbers and text.
#include <gtest/gtest.h>

#include <windows.h>
#include <knownfolders.h>
#include <shlobj.h>

#include <set>

#include "catalogue/csidl_catalogue.h"

namespace zem {
namespace {

struct NameRow {
    int number;
    const char* name;
};
#define NAME_ROW(constant) {constant, #constant}

// The name table's rows in their order, numbers taken from the platform's headers.
const NameRow kExpectedNames[] = {
    NAME_ROW(CSIDL_DESKTOP), NAME_ROW(CSIDL_INTERNET), NAME_ROW(CSIDL_PROGRAMS), NAME_ROW(CSIDL_CONTROLS),
    NAME_ROW(CSIDL_PRINTERS), NAME_ROW(CSIDL_PERSONAL), NAME_ROW(CSIDL_FAVORITES), NAME_ROW(CSIDL_STARTUP),
    NAME_ROW(CSIDL_RECENT), NAME_ROW(CSIDL_SENDTO), NAME_ROW(CSIDL_BITBUCKET), NAME_ROW(CSIDL_STARTMENU),
    NAME_ROW(CSIDL_MYDOCUMENTS), NAME_ROW(CSIDL_MYMUSIC), NAME_ROW(CSIDL_MYVIDEO),
    NAME_ROW(CSIDL_DESKTOPDIRECTORY), NAME_ROW(CSIDL_DRIVES), NAME_ROW(CSIDL_NETWORK), NAME_ROW(CSIDL_NETHOOD),
    NAME_ROW(CSIDL_FONTS), NAME_ROW(CSIDL_TEMPLATES), NAME_ROW(CSIDL_COMMON_STARTMENU),
    NAME_ROW(CSIDL_COMMON_PROGRAMS), NAME_ROW(CSIDL_COMMON_STARTUP), NAME_ROW(CSIDL_COMMON_DESKTOPDIRECTORY),
    NAME_ROW(CSIDL_APPDATA), NAME_ROW(CSIDL_PRINTHOOD), NAME_ROW(CSIDL_LOCAL_APPDATA), NAME_ROW(CSIDL_ALTSTARTUP),
    NAME_ROW(CSIDL_COMMON_ALTSTARTUP), NAME_ROW(CSIDL_COMMON_FAVORITES), NAME_ROW(CSIDL_INTERNET_CACHE),
    NAME_ROW(CSIDL_COOKIES), NAME_ROW(CSIDL_HISTORY), NAME_ROW(CSIDL_COMMON_APPDATA), NAME_ROW(CSIDL_WINDOWS),
    NAME_ROW(CSIDL_SYSTEM), NAME_ROW(CSIDL_PROGRAM_FILES), NAME_ROW(CSIDL_MYPICTURES), NAME_ROW(CSIDL_PROFILE),
    NAME_ROW(CSIDL_SYSTEMX86), NAME_ROW(CSIDL_PROGRAM_FILESX86), NAME_ROW(CSIDL_PROGRAM_FILES_COMMON),
    NAME_ROW(CSIDL_PROGRAM_FILES_COMMONX86), NAME_ROW(CSIDL_COMMON_TEMPLATES), NAME_ROW(CSIDL_COMMON_DOCUMENTS),
    NAME_ROW(CSIDL_COMMON_ADMINTOOLS), NAME_ROW(CSIDL_ADMINTOOLS), NAME_ROW(CSIDL_CONNECTIONS),
    NAME_ROW(CSIDL_COMMON_MUSIC), NAME_ROW(CSIDL_COMMON_PICTURES), NAME_ROW(CSIDL_COMMON_VIDEO),
    NAME_ROW(CSIDL_RESOURCES), NAME_ROW(CSIDL_RESOURCES_LOCALIZED), NAME_ROW(CSIDL_COMMON_OEM_LINKS),
    NAME_ROW(CSIDL_CDBURN_AREA), NAME_ROW(CSIDL_COMPUTERSNEARME),
};

struct FolderRow {
    int csidl;
    const GUID& folder;
    uint8_t category;
};

// The folder table's rows in their order, GUIDs taken from the platform's headers.
const FolderRow kExpectedFolders[] = {
    {CSIDL_DESKTOP, FOLDERID_Desktop, 4},
    {CSIDL_INTERNET, FOLDERID_InternetFolder, 1},
    {CSIDL_PROGRAMS, FOLDERID_Programs, 4},
    {CSIDL_CONTROLS, FOLDERID_ControlPanelFolder, 1},
    {CSIDL_PRINTERS, FOLDERID_PrintersFolder, 1},
    {CSIDL_PERSONAL, FOLDERID_Documents, 4},
    {CSIDL_FAVORITES, FOLDERID_Favorites, 4},
    {CSIDL_STARTUP, FOLDERID_Startup, 4},
    {CSIDL_RECENT, FOLDERID_Recent, 4},
    {CSIDL_SENDTO, FOLDERID_SendTo, 4},
    {CSIDL_BITBUCKET, FOLDERID_RecycleBinFolder, 1},
    {CSIDL_STARTMENU, FOLDERID_StartMenu, 4},
    {CSIDL_MYMUSIC, FOLDERID_Music, 4},
    {CSIDL_MYVIDEO, FOLDERID_Videos, 4},
    {CSIDL_DESKTOPDIRECTORY, FOLDERID_Desktop, 4},
    {CSIDL_DRIVES, FOLDERID_ComputerFolder, 1},
    {CSIDL_NETWORK, FOLDERID_NetworkFolder, 1},
    {CSIDL_NETHOOD, FOLDERID_NetHood, 4},
    {CSIDL_FONTS, FOLDERID_Fonts, 2},
    {CSIDL_TEMPLATES, FOLDERID_Templates, 4},
    {CSIDL_COMMON_STARTMENU, FOLDERID_CommonStartMenu, 3},
    {CSIDL_COMMON_PROGRAMS, FOLDERID_CommonPrograms, 3},
    {CSIDL_COMMON_STARTUP, FOLDERID_CommonStartup, 3},
    {CSIDL_COMMON_DESKTOPDIRECTORY, FOLDERID_PublicDesktop, 3},
    {CSIDL_APPDATA, FOLDERID_RoamingAppData, 4},
    {CSIDL_PRINTHOOD, FOLDERID_PrintHood, 4},
    {CSIDL_LOCAL_APPDATA, FOLDERID_LocalAppData, 4},
    {CSIDL_ALTSTARTUP, FOLDERID_Startup, 4},
    {CSIDL_COMMON_ALTSTARTUP, FOLDERID_CommonStartup, 3},
    {CSIDL_COMMON_FAVORITES, FOLDERID_Favorites, 4},
    {CSIDL_INTERNET_CACHE, FOLDERID_InternetCache, 4},
    {CSIDL_COOKIES, FOLDERID_Cookies, 4},
    {CSIDL_HISTORY, FOLDERID_History, 4},
    {CSIDL_COMMON_APPDATA, FOLDERID_ProgramData, 2},
    {CSIDL_WINDOWS, FOLDERID_Windows, 2},
    {CSIDL_SYSTEM, FOLDERID_System, 2},
    {CSIDL_PROGRAM_FILES, FOLDERID_ProgramFiles, 2},
    {CSIDL_MYPICTURES, FOLDERID_Pictures, 4},
    {CSIDL_PROFILE, FOLDERID_Profile, 2},
    {CSIDL_SYSTEMX86, FOLDERID_SystemX86, 2},
    {CSIDL_PROGRAM_FILESX86, FOLDERID_ProgramFilesX86, 2},
    {CSIDL_PROGRAM_FILES_COMMON, FOLDERID_ProgramFilesCommon, 2},
    {CSIDL_PROGRAM_FILES_COMMONX86, FOLDERID_ProgramFilesCommonX86, 2},
    {CSIDL_COMMON_TEMPLATES, FOLDERID_CommonTemplates, 3},
    {CSIDL_COMMON_DOCUMENTS, FOLDERID_PublicDocuments, 3},
    {CSIDL_COMMON_ADMINTOOLS, FOLDERID_CommonAdminTools, 3},
    {CSIDL_ADMINTOOLS, FOLDERID_AdminTools, 4},
    {CSIDL_CONNECTIONS, FOLDERID_ConnectionsFolder, 1},
    {CSIDL_COMMON_MUSIC, FOLDERID_PublicMusic, 3},
    {CSIDL_COMMON_PICTURES, FOLDERID_PublicPictures, 3},
    {CSIDL_COMMON_VIDEO, FOLDERID_PublicVideos, 3},
    {CSIDL_RESOURCES, FOLDERID_ResourceDir, 2},
    {CSIDL_RESOURCES_LOCALIZED, FOLDERID_LocalizedResourcesDir, 2},
    {CSIDL_COMMON_OEM_LINKS, FOLDERID_CommonOEMLinks, 3},
    {CSIDL_CDBURN_AREA, FOLDERID_CDBurning, 4},
    {CSIDL_COMPUTERSNEARME, FOLDERID_NetworkFolder, 1},
};

TEST(CsidlTables, NameTableHasEveryRowInOrder) {
    ASSERT_EQ(std::size(kExpectedNames), CSIDLValNames.size());
    for (size_t row = 0; row < CSIDLValNames.size(); ++row) {
        SCOPED_TRACE(row);
        EXPECT_STREQ(CSIDLValNames[row].Name, kExpectedNames[row].name);
        EXPECT_EQ(CSIDLValNames[row].Number, kExpectedNames[row].number);
    }
}

TEST(CsidlTables, FolderTableHasEveryRowInOrder) {
    ASSERT_EQ(std::size(kExpectedFolders), CSIDLGUIDDefaults.size());
    for (size_t row = 0; row < CSIDLGUIDDefaults.size(); ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(CSIDLGUIDDefaults[row].CSIDL, kExpectedFolders[row].csidl);
        EXPECT_TRUE(CSIDLGUIDDefaults[row].FolderID == kExpectedFolders[row].folder);
        EXPECT_EQ(CSIDLGUIDDefaults[row].Category, kExpectedFolders[row].category);
    }
}

TEST(CsidlTables, FolderTableHoldsEveryNamedNumberOnceAscending) {
    std::set<int> named;
    for (const auto& row : CSIDLValNames) named.insert(row.Number);
    std::set<int> listed;
    for (size_t row = 0; row < CSIDLGUIDDefaults.size(); ++row) {
        listed.insert(CSIDLGUIDDefaults[row].CSIDL);
        if (row > 0) {
            EXPECT_LT(CSIDLGUIDDefaults[row - 1].CSIDL, CSIDLGUIDDefaults[row].CSIDL);
        }
    }
    EXPECT_EQ(listed, named);
}

TEST(CsidlLookups, NumbersToNames) {
    EXPECT_EQ(CSIDLToName(5), "CSIDL_PERSONAL");  // the first of the two names for 5
    EXPECT_EQ(CSIDLToName(0x3D), "CSIDL_COMPUTERSNEARME");
    EXPECT_EQ(CSIDLToName(0), "CSIDL_DESKTOP");
    for (uint16_t unnamed : {12, 15, 50, 51, 52, 60, 62, 0xFFFF}) EXPECT_EQ(CSIDLToName(unnamed), "") << unnamed;

    EXPECT_EQ(IndexOfCSIDL(5), 5);
    EXPECT_EQ(IndexOfCSIDL(16), 15);
    EXPECT_EQ(IndexOfCSIDL(61), 56);
    EXPECT_EQ(IndexOfCSIDL(12), -1);
    EXPECT_EQ(IndexOfCSIDL(-1), -1);
    EXPECT_EQ(IndexOfCSIDL(0x10000 + 5), -1);
}

TEST(CsidlLookups, NamesToNumbersIgnoreCase) {
    EXPECT_EQ(IndexOfCSIDLName("CSIDL_DESKTOP"), 0);
    EXPECT_EQ(IndexOfCSIDLName("csidl_mydocuments"), 12);
    EXPECT_EQ(IndexOfCSIDLName(""), -1);
    EXPECT_EQ(IndexOfCSIDLName("CSIDL_DESKTOP "), -1);
    EXPECT_EQ(IndexOfCSIDLName("CSIDL_"), -1);

    EXPECT_EQ(CSIDLFromName("  csidl_appdata\t "), 26);
    EXPECT_EQ(CSIDLFromName("CSIDL_MYDOCUMENTS"), 5);
    EXPECT_EQ(CSIDLFromName("CSIDL_NOSUCH"), kNoCSIDL);
    EXPECT_EQ(CSIDLFromName(""), kNoCSIDL);
    EXPECT_EQ(CSIDLFromName("   "), kNoCSIDL);
}

TEST(CsidlLookups, NumbersInThePlatformIntegerSyntax) {
    for (const char* text : {"26", "0x1a", "0X1A", "$1A", "x1a", "X1A", "  26", "+26", "026", "0"}) {
        EXPECT_TRUE(IsCSIDLNumber(text)) << text;
    }
    for (const char* text : {"12", "60", "-1", "70000", "65536", "4294967322", "CSIDL_APPDATA", "", "26 ", "1A",
                             "-0x1A", "0x", "$", "2 6", "99999999999999999999"}) {
        EXPECT_FALSE(IsCSIDLNumber(text)) << text;
    }
}

TEST(CsidlLookups, IdentifiersAreNamesOrNumbersUntrimmed) {
    EXPECT_TRUE(IsCSIDLIdentifier("csidl_fonts"));
    EXPECT_FALSE(IsCSIDLIdentifier(" csidl_fonts"));
    EXPECT_TRUE(IsCSIDLIdentifier("0x14"));
    EXPECT_FALSE(IsCSIDLIdentifier("12"));
    EXPECT_FALSE(IsCSIDLIdentifier(""));
}

}  // namespace
}  // namespace zem
