// Short forms that lead to another file. Wine makes a short name from a hash of the long
// name, so similar names in one folder soon share one; every report of a short form must
// then show the failure instead of the other file's name. The colliding pair is found with
// the system's own calls in a folder made for the test.
#include <gtest/gtest.h>

#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <utility>

#include "base/status_codes.h"
#include "base/strings.h"
#include "base/unique.h"
#include "engine/conversion.h"
#include "engine/dropped_files.h"
#include "engine/folder_listings.h"
#include "engine/path_forms.h"
#include "engine/report_texts.h"
#include "catalogue/environment.h"
#include "folders/environment_listing.h"
#include "test_support.h"

namespace zem {
namespace {

const std::string kAmbiguousText =
    "The short name leads to another file: the system gave two files of this folder the same short name.\r\n";
const std::string kAmbiguousLine = "[Error, the short name leads to another file]";

std::string Upper(std::string text) {
    ::CharUpperBuffA(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

using test::MakeEmptyFile;
using test::SystemRoundTrip;

std::string SystemLongForm(const std::string& path) {
    char longForm[MAX_PATH] = {};
    ::GetLongPathNameA(path.c_str(), longForm, MAX_PATH);
    return longForm;
}

std::string Lower(std::string text) {
    ::CharLowerBuffA(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

class AmbiguousShortName : public ::testing::Test {
protected:
    void SetUp() override {
        const std::optional<test::CollidingShortNames> pair = test::MakeCollidingShortNames(temp_.Path());
        if (!pair) GTEST_SKIP() << "short names are unique in this folder";
        reached_ = pair->reached;
        misled_ = pair->misled;
        ASSERT_NE(misled_, "") << "both short forms lead back to their own files";
        ASSERT_EQ(SystemRoundTrip(misled_), reached_);
    }

    test::ComApartment com_;
    test::TempFolder temp_;
    std::string reached_;  // the file the shared short name leads to
    std::string misled_;   // the file whose short form leads to the other one
};

TEST_F(AmbiguousShortName, ConvertFailsWithItsOwnCodeAndTextAndTheOtherFileStillConverts) {
    const ConversionResult misled = ConvertPathInput({misled_, {}, nullptr});
    EXPECT_EQ(misled.error, ErrAmbiguousShortName);
    EXPECT_EQ(misled.report, "");
    EXPECT_EQ(misled.knownFolderNote, "");
    EXPECT_EQ(BuildConversionErrorText(misled.error),
              "Converting path failed with error code -536805616 (0xE000FF10),\r\n" + kAmbiguousText);

    const ConversionResult reached = ConvertPathInput({reached_, {}, nullptr});
    ASSERT_EQ(reached.error, 0u);
    EXPECT_EQ(reached.report, "The DOS, short, 8.3 file name equivalent of the file system path \r\n\"" + reached_ +
                                  "\"\r\n is: \r\n" + test::SystemShortForm(reached_));

    const test::ScopedVariable one("ZEM_AMBIGUOUS", misled_);
    EXPECT_EQ(ConvertPathInput({"%ZEM_AMBIGUOUS%", {}, nullptr}).error, ErrAmbiguousShortName);
}

// The files decide, not the text: each file written unlike its long form, as a user may.
TEST_F(AmbiguousShortName, TheFileNamedDecidesHoweverItsPathIsWritten) {
    const std::string folder = temp_.Path();
    const std::string folderName = folder.substr(folder.rfind('\\'));
    const auto writtenForms = [&](const std::string& file) {
        const std::string name = file.substr(folder.size());
        return StringList{Upper(file), test::SystemShortForm(folder) + name, folder + "\\.." + folderName + name};
    };
    for (const std::string& path : writtenForms(misled_)) {
        SCOPED_TRACE(path);
        ::SetLastError(0);
        EXPECT_EQ(GetShortPathForm(path), "");
        EXPECT_EQ(::GetLastError(), ErrAmbiguousShortName);
        EXPECT_EQ(ShortPathFormOr(path, "failed"), kAmbiguousLine);
    }
    for (const std::string& path : writtenForms(reached_)) {
        SCOPED_TRACE(path);
        ASSERT_NE(test::SystemShortForm(path), "");
        EXPECT_EQ(ShortPathFormOr(path, "failed"), test::SystemShortForm(path));
    }
    EXPECT_EQ(ShortPathFormOr(folder + "\\No Such File.txt", "failed"), "failed");
}

TEST_F(AmbiguousShortName, AnEnvironmentListShowsTheFailureInPlaceOfTheShortForm) {
    const test::ScopedVariable list("ZEM_AMBIGUOUS_LIST", reached_ + ";" + misled_);
    const ConversionResult result = ConvertPathInput({"%ZEM_AMBIGUOUS_LIST%", {}, nullptr});
    ASSERT_EQ(result.error, 0u);
    EXPECT_EQ(result.report, "The long and DOS, short, 8.3 file name paths of the environment variable "
                             "%ZEM_AMBIGUOUS_LIST% are:\r\n" +
                                 reached_ + "\r\n" + test::SystemShortForm(reached_) + "\r\n" + misled_ + "\r\n" +
                                 kAmbiguousLine);

    TZemEnvironmentStrList variables;
    variables.Add("ZEM_AMBIGUOUS_LIST=" + reached_ + ";" + misled_);
    const StringList lines = EnvironmentReportLines(variables);
    ASSERT_GE(lines.size(), 8u);
    EXPECT_EQ(StringList(lines.end() - 8, lines.end()),
              (StringList{"ZEM_AMBIGUOUS_LIST", std::string(43, '-'), reached_, test::SystemShortForm(reached_),
                          misled_, kAmbiguousLine, "", ""}));
}

TEST_F(AmbiguousShortName, ADroppedFileGetsAnErrorTextAndTheOtherFileItsReport) {
    const DroppedFileText misled = ConvertDroppedFile(misled_);
    EXPECT_TRUE(misled.exists);
    EXPECT_TRUE(misled.failed);
    EXPECT_EQ(misled.text, "ERROR ! Conversion of the path \r\n\"" + misled_ +
                               "\"\r\ninto its short path format equivalent failed with error code -536805616 "
                               "(0xE000FF10)\r\nError: " +
                               kAmbiguousText);

    const DroppedFileText reached = ConvertDroppedFile(reached_);
    EXPECT_FALSE(reached.failed);
    EXPECT_EQ(reached.text, "The DOS, short, 8.3 file name equivalent of the file system path \r\n\"" + reached_ +
                                "\"\r\n is: \r\n" + test::SystemShortForm(reached_));
}

// A drop lists each folder once instead of asking the system to scan it for every name; the
// listings must never let a short form through that the system's own round trip refuses.
TEST_F(AmbiguousShortName, FolderListingsGiveEveryFileTheAnswerOfTheSystemsRoundTrip) {
    FolderListings listings;
    EXPECT_FALSE(listings.ConfirmShortForm(test::SystemShortForm(misled_), misled_));
    EXPECT_FALSE(listings.ConfirmShortForm(test::SystemShortForm(reached_), reached_));
    WIN32_FIND_DATAA data{};
    const UniqueFindHandle search(::FindFirstFileA((temp_.Path() + "\\*.txt").c_str(), &data));
    ASSERT_TRUE(search);
    int confirmed = 0;
    do {
        const std::string path = temp_.Path() + "\\" + data.cFileName;
        SCOPED_TRACE(path);
        ::SetLastError(0);
        const std::string alone = GetShortPathForm(path);
        const DWORD aloneError = ::GetLastError();
        if (listings.ConfirmShortForm(test::SystemShortForm(path), path)) ++confirmed;
        ::SetLastError(0);
        EXPECT_EQ(GetShortPathForm(path, &listings), alone);
        EXPECT_EQ(::GetLastError(), aloneError);
        // The way back: a short name shared by two files gives what the system gives.
        for (const std::string& written : {test::SystemShortForm(path), Lower(test::SystemShortForm(path))}) {
            EXPECT_EQ(GetLongPathForm(written, &listings).path, SystemLongForm(written)) << written;
        }
    } while (::FindNextFileA(search.Get(), &data));
    EXPECT_GT(confirmed, 0);  // the other files' names are unique and need no system scan
    EXPECT_TRUE(ConvertDroppedFile(misled_, &listings).failed);
    EXPECT_FALSE(ConvertDroppedFile(reached_, &listings).failed);
    EXPECT_FALSE(listings.LongForm(test::SystemShortForm(misled_)));
}

// Each name comes back as the folder holds it, whichever name and letter case the path gives.
TEST(FolderListings, GiveTheFormsOfEveryNameAsTheFolderHoldsIt) {
    const test::TempFolder temp;
    const std::string folder = temp.Path() + "\\Mixed Case Folder";
    ASSERT_TRUE(::CreateDirectoryA(folder.c_str(), nullptr));
    const std::string path = folder + "\\Some Long File Name.txt";
    ASSERT_TRUE(MakeEmptyFile(path));
    ASSERT_TRUE(MakeEmptyFile(folder + "\\Plain.TXT"));
    const std::string shortPath = test::SystemShortForm(path);
    const std::string shortFolder = test::SystemShortForm(folder);
    ASSERT_NE(shortPath, "");
    FolderListings listings;
    for (const std::string& written : {shortPath, Lower(shortPath), shortFolder + "\\plain.txt"}) {
        SCOPED_TRACE(written);
        const std::optional<std::string> longForm = listings.LongForm(written);
        ASSERT_TRUE(longForm);
        EXPECT_EQ(*longForm, SystemLongForm(written));
    }
    EXPECT_EQ(*listings.LongForm(shortPath), path);
    EXPECT_EQ(listings.ShortForm(path), shortPath);
    EXPECT_EQ(listings.ShortForm(Upper(path)), test::SystemShortForm(Upper(path)));
    for (const std::string& unknown : {folder + "\\Plain.TXT", folder + "\\No Such Long Name.txt", path + "\\"}) {
        EXPECT_FALSE(listings.ShortForm(unknown)) << unknown;
    }
    // Long names the system keeps as written; the rest it must answer itself.
    for (const std::string& unknown : {Upper(path), shortFolder + "\\NOSUCH.TXT", shortPath + "\\",
                                       shortPath.substr(3), shortFolder + "\\.\\PLAIN.TXT", "\\\\?\\" + shortPath}) {
        EXPECT_FALSE(listings.LongForm(unknown)) << unknown;
    }
}

TEST(FolderListings, LeavePathsOtherThanPlainDrivePathsToTheSystem) {
    const test::TempFolder temp;
    const std::string path = temp.MakeFile("A Long Name For Listing.txt");
    const std::string shortPath = test::SystemShortForm(path);
    FolderListings listings;
    EXPECT_TRUE(listings.ConfirmShortForm(shortPath, path));
    const std::string relative = path.substr(3);
    for (const auto& [shortForm, longForm] : std::initializer_list<std::pair<std::string, std::string>>{
             {shortPath.substr(3), relative},
             {"\\\\?\\" + shortPath, "\\\\?\\" + path},
             {shortPath + "\\", path + "\\"},
             {shortPath, path.substr(0, path.rfind('\\')) + "\\.\\" + path.substr(path.rfind('\\') + 1)},
             {shortPath, temp.Path() + "\\Another Long Name.txt"}}) {
        SCOPED_TRACE(longForm);
        EXPECT_FALSE(listings.ConfirmShortForm(shortForm, longForm));
    }
}

}  // namespace
}  // namespace zem
