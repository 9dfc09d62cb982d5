// Saving a named document from the live window.
#include <fstream>
#include <iterator>

#include "engine/path_forms.h"
#include "main_window_fixture.h"
#include "resource.h"

namespace zem::test {
namespace {

std::string ReadBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

TEST_F(MainWindowTest, SaveFollowsChangesOfANamedDocumentAndWritesIt) {
    TempFolder temp;
    const std::string file = temp.MakeFile("Output.txt", "old text\r\n");
    TForm1& form = Start();
    EXPECT_FALSE(form.MenuEnabled(MMFileSaveOutput));
    ASSERT_EQ(form.LoadDocumentFile(file, false), 0u);
    EXPECT_FALSE(form.MenuEnabled(MMFileSaveOutput));
    form.Output().AppendOutputLine("appended");
    EXPECT_TRUE(form.MenuEnabled(MMFileSaveOutput));
    Click(form, MMFileSaveOutput);
    EXPECT_EQ(ReadBytes(file), "old text\r\nappended\r\n");
    EXPECT_FALSE(form.MenuEnabled(MMFileSaveOutput));
    EXPECT_FALSE(form.Memo1().Modified());
}

TEST_F(MainWindowTest, AUnicodeDocumentIsSavedAsUnicodeAgain) {
    TempFolder temp;
    const std::string file = temp.MakeFile("Wide.txt", std::string("\xFF\xFEh\0i\0", 6));
    TForm1& form = Start();
    ASSERT_EQ(form.LoadDocumentFile(file, false), 0u);
    EXPECT_TRUE(form.IsUnicodeFile);
    form.Output().AppendOutputLine("!");
    Click(form, MMFileSaveOutput);
    EXPECT_EQ(ReadBytes(file), std::string("\xFF\xFEh\0i\0!\0\r\0\n\0", 12));
}

TEST_F(MainWindowTest, AFailedSaveShowsItsErrorAndKeepsSaveEnabled) {
    TempFolder temp;
    const std::string file = temp.MakeFile("Locked.txt", "kept");
    TForm1& form = Start();
    ASSERT_EQ(form.LoadDocumentFile(file, false), 0u);
    form.Output().AppendOutputLine("lost?");
    ::SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY);
    MessageBoxAnswerer answerer(IDOK);
    Click(form, MMFileSaveOutput);
    ASSERT_TRUE(answerer.Wait());
    EXPECT_EQ(answerer.Caption(), "Error");
    EXPECT_EQ(answerer.Text(), "Saving file " + CompactPath(file) +
                                   " \r\nfailed with error code 5 (0x00000005)\r\n" + SystemErrorText(5));
    EXPECT_TRUE(form.MenuEnabled(MMFileSaveOutput));
    EXPECT_EQ(ReadBytes(file), "kept");
    ::SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
}

}  // namespace
}  // namespace zem::test
