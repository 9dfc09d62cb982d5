// The Convert command's computation for every kind of input, with byte-exact reports. Expected
// forms come from the system's own calls.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include "base/status_codes.h"
#include "base/strings.h"
#include "deep_folder.h"
#include "engine/conversion.h"
#include "test_support.h"

namespace zem {
namespace {

std::string LongOf(const std::string& path) {
    char buffer[MAX_PATH] = {};
    ::GetLongPathNameA(path.c_str(), buffer, MAX_PATH);
    return buffer;
}

std::string CurrentDirectory() {
    char buffer[MAX_PATH] = {};
    ::GetCurrentDirectoryA(MAX_PATH, buffer);
    return buffer;
}

std::string WindowsFolder() {
    char buffer[MAX_PATH] = {};
    ::GetWindowsDirectoryA(buffer, MAX_PATH);
    return LongOf(buffer);
}

std::string FolderOfCsidl(int csidl) {
    char buffer[MAX_PATH] = {};
    ::SHGetFolderPathA(nullptr, csidl, nullptr, 0, buffer);
    return buffer;
}

class Conversion : public ::testing::Test {
protected:
    ConversionResult Convert(const std::string& input, const std::string& basePath = {}) {
        return ConvertPathInput({input, basePath, nullptr});
    }

    test::ComApartment com_;
    test::TempFolder temp_;
};

TEST_F(Conversion, AbsoluteLongPathReportsItsShortForm) {
    const std::string file = temp_.MakeFile("Some Long Folder Name\\Long File Name.txt");
    const ConversionResult result = Convert(file);
    ASSERT_EQ(result.error, 0u);
    EXPECT_EQ(result.report, "The DOS, short, 8.3 file name equivalent of the file system path \r\n\"" + file +
                                 "\"\r\n is: \r\n" + test::SystemShortForm(file));

    // Quotes and blanks around them are not part of the path.
    EXPECT_EQ(Convert("  \"" + file + "\" ").report, result.report);
}

TEST_F(Conversion, AbsoluteShortPathReportsItsLongForm) {
    const std::string file = temp_.MakeFile("Some Long Folder Name\\Long File Name.txt");
    const std::string shortPath = test::SystemShortForm(file);
    const ConversionResult result = Convert(shortPath);
    ASSERT_EQ(result.error, 0u);
    EXPECT_EQ(result.report, "The long file name equivalent of the DOS, 8.3, short name path \r\n" + shortPath +
                                 "\r\n is: \r\n\"" + file + "\"");
}

TEST_F(Conversion, MissingPathsFailWithTheSystemsCodeAndNoReport) {
    for (const std::string& path : {temp_.Path() + "\\No Such Folder\\x.txt", temp_.Path() + "\\NOSUCH\\X.TXT"}) {
        const ConversionResult result = Convert(path);
        EXPECT_TRUE(result.error == ERROR_FILE_NOT_FOUND || result.error == ERROR_PATH_NOT_FOUND) << result.error;
        EXPECT_EQ(result.report, "");
        EXPECT_EQ(result.knownFolderNote, "");
    }
}

TEST_F(Conversion, RelativePathsStartFromTheBasePathAndLeaveTheCurrentDirectory) {
    const std::string file = temp_.MakeFile("Some Long Folder Name\\Long File Name.txt");
    const std::string base = temp_.MakeFolder("Some Long Folder Name\\Base");
    const std::string before = CurrentDirectory();

    const ConversionResult longInput = Convert("..\\Long File Name.txt", base);
    ASSERT_EQ(longInput.error, 0u);
    EXPECT_EQ(longInput.report, "The path ..\\Long File Name.txt relative to the base path \r\n" + base +
                                    "\r\nis synonymous with the fully qualified/absolute path :\r\n" + file +
                                    "\r\nthe short, DOS, 8.3 equivalent of which is :\r\n" + test::SystemShortForm(file));

    const std::string shortName = test::SystemShortForm(file).substr(test::SystemShortForm(file).rfind('\\') + 1);
    const ConversionResult shortInput = Convert(" ..\\" + shortName, base);
    ASSERT_EQ(shortInput.error, 0u);
    EXPECT_EQ(shortInput.report, "The path  ..\\" + shortName + " relative to the base path \r\n" + base +
                                     "\r\nis synonymous with the fully qualified/absolute path :\r\n" +
                                     temp_.Path() + "\\Some Long Folder Name\\" + shortName +
                                     "\r\nthe long file name equivalent of which is :\r\n" + file);
    EXPECT_EQ(CurrentDirectory(), before);
}

TEST_F(Conversion, RelativePathsWithoutABasePathNameTheCurrentDirectory) {
    const std::string file = temp_.MakeFile("Long File Name.txt");
    const std::string before = CurrentDirectory();
    ASSERT_TRUE(::SetCurrentDirectoryA(temp_.Path().c_str()));
    const ConversionResult result = Convert("Long File Name.txt");
    const std::string used = CurrentDirectory();
    ::SetCurrentDirectoryA(before.c_str());
    ASSERT_EQ(result.error, 0u);
    EXPECT_NE(result.report.find("relative to the base path \r\n" + used + "\r\n"), std::string::npos)
        << result.report;
}

TEST_F(Conversion, ABasePathThatIsGoneFailsAndKeepsTheCurrentDirectory) {
    const std::string before = CurrentDirectory();
    const std::string gone = temp_.Path() + "\\Deleted Base";
    EXPECT_EQ(Convert("..\\x", gone).error, ErrRelPathNotFound);
    const ConversionResult longInput = Convert("..\\Long Name.txt", gone);
    EXPECT_NE(longInput.error, 0u);
    EXPECT_EQ(longInput.report, "");
    EXPECT_EQ(CurrentDirectory(), before);
}

TEST_F(Conversion, KnownFolderParagraphForTheFolderItselfAndForAChild) {
    const ConversionResult windows = Convert(WindowsFolder());
    ASSERT_EQ(windows.error, 0u);
    EXPECT_EQ(windows.knownFolderNote,
              "This known folder is identified by the GUID {F38BF404-1D43-42F2-9305-67DE0B28FC23}");

    const ConversionResult inside = Convert(WindowsFolder() + "\\win.ini");
    ASSERT_EQ(inside.error, 0u);
    EXPECT_EQ(inside.knownFolderNote, "This is a child folder of the known folder\r\n" + WindowsFolder() +
                                          "\r\nwith the GUID {F38BF404-1D43-42F2-9305-67DE0B28FC23}");
}

TEST_F(Conversion, EnvironmentStringStandingForOnePath) {
    const ConversionResult result = Convert("%windir%");
    ASSERT_EQ(result.error, 0u);
    EXPECT_EQ(result.report, "The DOS, short, 8.3 file name equivalent of the environment string (%windir%) path \r\n\"" +
                                 WindowsFolder() + "\" is: \r\n" + test::SystemShortForm(WindowsFolder()));
    EXPECT_EQ(result.knownFolderNote,
              "This known folder is identified by the GUID {F38BF404-1D43-42F2-9305-67DE0B28FC23}");

    // A variable that is not defined stays unexpanded: that path does not exist.
    EXPECT_NE(Convert("%ZEM_NOT_DEFINED%\\x").error, 0u);
}

TEST_F(Conversion, EnvironmentListShowsBothFormsOfEveryEntry) {
    const std::string folder = temp_.MakeFolder("Some Long Folder Name");
    const std::string missing = temp_.Path() + "\\Missing Long Folder";
    ::SetEnvironmentVariableA("ZEM_TEST_LIST", (folder + ";" + missing + ";" + test::SystemShortForm(WindowsFolder()) + ";").c_str());
    const ConversionResult result = Convert("%ZEM_TEST_LIST%");
    ::SetEnvironmentVariableA("ZEM_TEST_LIST", nullptr);
    ASSERT_EQ(result.error, 0u);
    EXPECT_EQ(result.report, "The long and DOS, short, 8.3 file name paths of the environment variable "
                             "%ZEM_TEST_LIST% are:\r\n" +
                                 folder + "\r\n" + test::SystemShortForm(folder) + "\r\n" + missing +
                                 "\r\n[Error, path doesn't exist]\r\n" + WindowsFolder() + "\r\n" +
                                 test::SystemShortForm(WindowsFolder()));
    EXPECT_EQ(result.knownFolderNote, "");  // no paragraph for a list
}

// The system expands at most 32,766 characters; a list cut there is never reported.
TEST_F(Conversion, AnEnvironmentListBeyondTheExpansionLimitIsAnInputError) {
    char windir[MAX_PATH] = {};
    ASSERT_NE(::GetEnvironmentVariableA("windir", windir, MAX_PATH), 0u);
    const size_t fitting = 32766 / (std::string(windir).size() + 1);
    std::string input;
    std::string entries;
    for (size_t entry = 0; entry < fitting; ++entry) {
        input += "%windir%;";
        entries += std::string(entry == 0 ? "" : "\r\n") + LongOf(windir) + "\r\n" + windir;
    }
    const ConversionResult fits = Convert(input);
    ASSERT_EQ(fits.error, 0u);
    EXPECT_EQ(fits.report, "The long and DOS, short, 8.3 file name paths of the environment variable " + input +
                               " are:\r\n" + entries);

    for (const size_t more : {size_t{1}, 3300 - fitting}) {
        std::string longer = input;
        for (size_t entry = 0; entry < more; ++entry) longer += "%windir%;";
        const ConversionResult cut = Convert(longer);
        EXPECT_EQ(cut.error, ErrExpansionTooLong);
        EXPECT_EQ(cut.report, "");
        EXPECT_EQ(cut.knownFolderNote, "");
    }
}

TEST_F(Conversion, KnownFolderGuids) {
    const std::string guid = "{F38BF404-1D43-42F2-9305-67DE0B28FC23}";
    const ConversionResult result = Convert(" " + guid);
    ASSERT_EQ(result.error, 0u);
    EXPECT_EQ(result.report, "The known folder GUID  " + guid + " currently represents the file system path : \r\n\"" +
                                 WindowsFolder() + "\"\r\nthe short, DOS, 8.3 equivalent of which is : \r\n" +
                                 test::SystemShortForm(WindowsFolder()) + "\r\n");
    EXPECT_EQ(result.knownFolderNote, "");

    // A virtual folder has no path: its code is the error.
    const ConversionResult computer = Convert("{0AC0837C-BBF8-452A-850D-79D08E667CA7}");
    EXPECT_NE(computer.error, 0u);
    EXPECT_EQ(computer.report, "");
}

TEST_F(Conversion, CsidlNamesAndNumbers) {
    const std::string appData = FolderOfCsidl(CSIDL_APPDATA);
    const std::string tail = " represents the file system path :\r\n" + LongOf(appData) +
                             "\r\nthe short, DOS, 8.3 equivalent of which is :\r\n" + test::SystemShortForm(appData);
    EXPECT_EQ(Convert("CSIDL_APPDATA").report, "The CSIDL_APPDATA (0x001A)" + tail);
    EXPECT_EQ(Convert(" csidl_appdata ").report, "The  csidl_appdata  (0x001A)" + tail);
    EXPECT_EQ(Convert("0x1a").report, "The CSIDL_APPDATA (0x001A)" + tail);
    EXPECT_EQ(Convert("26").report, "The CSIDL_APPDATA (0x001A)" + tail);

    const std::string desktop = FolderOfCsidl(CSIDL_DESKTOP);
    EXPECT_EQ(Convert("CSIDL_DESKTOP").report, "The CSIDL_DESKTOP represents the file system path :\r\n" +
                                                   LongOf(desktop) +
                                                   "\r\nthe short, DOS, 8.3 equivalent of which is :\r\n" +
                                                   test::SystemShortForm(desktop));
    const ConversionResult personal = Convert("5");
    ASSERT_EQ(personal.error, 0u);
    EXPECT_EQ(personal.report.substr(0, 30), "The CSIDL_PERSONAL (0x0005) re");
    EXPECT_EQ(Convert("CSIDL_MYDOCUMENTS").report.substr(0, 33), "The CSIDL_MYDOCUMENTS (0x0005) re");
}

TEST_F(Conversion, SubstitutedDriveAliasIsTheTargetFollowedByTheRest) {
    ASSERT_TRUE(::DefineDosDeviceA(0, "Q:", "C:\\Some Folder"));
    EXPECT_EQ(SubstitutedDriveAlias("Q:\\docs\\a.txt"), "C:\\Some Folder\\docs\\a.txt");
    EXPECT_EQ(SubstitutedDriveAlias("Q:\\"), "C:\\Some Folder");
    EXPECT_EQ(SubstitutedDriveAlias("q:\\docs"), "");
    ::DefineDosDeviceA(DDD_REMOVE_DEFINITION, "Q:", nullptr);
    EXPECT_EQ(SubstitutedDriveAlias("C:\\windows"), "");
}

TEST_F(Conversion, PathsBeyondMaxPathConvertBothWaysBehindThePrefix) {
    const test::DeepFolder deep(temp_.Path(), 30);
    const std::wstring shortForm = test::WideShortForm(deep.Path());
    ASSERT_GT(shortForm.size(), static_cast<size_t>(MAX_PATH));
    const std::string longInput = WideToMultiByte(deep.Path());
    const std::string shortInput = WideToMultiByte(shortForm);

    const ConversionResult toShort = Convert(longInput);
    ASSERT_EQ(toShort.error, 0u);
    EXPECT_EQ(toShort.report, "The DOS, short, 8.3 file name equivalent of the file system path \r\n\"" + longInput +
                                  "\"\r\n is: \r\n" + shortInput);

    const ConversionResult toLong = Convert(shortInput);
    ASSERT_EQ(toLong.error, 0u);
    EXPECT_EQ(toLong.report, "The long file name equivalent of the DOS, 8.3, short name path \r\n" + shortInput +
                                 "\r\n is: \r\n\"" + WideToMultiByte(test::WideLongForm(shortForm)) + "\"");
}

TEST_F(Conversion, UnusableInputNeverCrashes) {
    EXPECT_EQ(Convert("").error, 0u);
    EXPECT_EQ(Convert("").report, "");
    EXPECT_NE(Convert(std::string(10000, 'a')).error, 0u);
    EXPECT_NE(Convert("C:\\" + std::string(300, 'x') + "\\y").error, 0u);
    EXPECT_NE(Convert("%").error, 0u);
    EXPECT_NE(Convert("{").error, 0u);
}

}  // namespace
}  // namespace zem
