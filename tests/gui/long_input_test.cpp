// Texts as long as the system accepts in the path box and the search box: converted, searched,
// kept in the histories and written to the store without harm to the process.
#include "main_window_fixture.h"
#include "resource.h"

namespace zem::test {
namespace {

// Long texts are compared without printing them.
::testing::AssertionResult Same(const StringList& actual, const StringList& expected) {
    if (actual == expected) return ::testing::AssertionSuccess();
    auto failure = ::testing::AssertionFailure() << actual.size() << " texts, expected " << expected.size() << ":";
    for (size_t i = 0; i < actual.size(); ++i) {
        const bool same = i < expected.size() && actual[i] == expected[i];
        failure << " [" << i << "] " << actual[i].size() << " characters" << (same ? "" : " (differs)");
    }
    return failure;
}

std::string Repeated(const std::string& text, int times) {
    std::string result;
    for (int i = 0; i < times; ++i) result += text;
    return result;
}

TEST_F(MainWindowTest, LongTextsGoThroughConvertSearchesAndTheHistoriesIntact) {
    // Over 32,000 characters of input whose expansion stays within the system's limit.
    const ScopedVariable drive("ZEMDRIVE", "C:");
    const std::string list = Repeated("%ZEMDRIVE%\\windows;", 1700);
    ASSERT_GT(list.size(), 32000u);
    TForm1& form = Start();
    Type(form, form.FileNameComboBox1(), IDC_FILENAMECOMBOBOX1, list);
    Click(form, MMActionConvert);
    Type(form, form.FileNameComboBox1(), IDC_FILENAMECOMBOBOX1, "C:\\windows");
    Click(form, MMActionConvert);
    Type(form, form.FileNameComboBox1(), IDC_FILENAMECOMBOBOX1, ".");
    Click(form, MMActionConvert);
    EXPECT_TRUE(Same(form.FileNameComboBox1().Items(), {".", "C:\\windows", list}));

    Click(form, MMEditFind);
    const std::string needle(32000, 'x');
    Type(form, form.FindEdit1(), IDC_FINDEDIT1, needle);
    Click(form, MMEditFindNext);
    Type(form, form.FindEdit1(), IDC_FINDEDIT1, "windows");
    Click(form, MMEditFindNext);
    Click(form, MMEditFindNext);
    EXPECT_TRUE(Same({form.FindEdit1().Item(0), form.FindEdit1().Item(1)}, {"windows", needle}));
    EXPECT_EQ(form.FindEdit1().Text(), "windows");

    form.Memo1().SetModified(false);  // closing without the save question
    Close();
    EXPECT_FALSE(::IsWindow(form.Handle()));
    EXPECT_TRUE(Same(store_.ReadConvertedPaths(), {".", "C:\\windows", list}));
    StringList searches = store_.ReadSearchTexts();
    searches.resize(std::min<size_t>(searches.size(), 2));
    EXPECT_TRUE(Same(searches, {"windows", needle}));
}

TEST_F(MainWindowTest, TheTextBoxesTakeAsMuchAsTheSystemAccepts) {
    TForm1& form = Start();
    for (const ComboBox& box : {form.FileNameComboBox1(), form.FindEdit1(), form.LineNumComboBox1()}) {
        EXPECT_EQ(::SendMessageW(box.EditHandle(), EM_GETLIMITTEXT, 0, 0), 32767);
    }
    EXPECT_EQ(::SendMessageW(form.LineNumTextEdit1().Handle(), EM_GETLIMITTEXT, 0, 0), 32767);
}

TEST(CompactPath, ShortensPathsOfAnyLength) {
    const std::string longPath = "C:\\" + Repeated("a rather long folder name\\", 40) + "file.txt";
    const std::string compact = CompactPath(longPath);
    EXPECT_LE(compact.size(), 61u);
    EXPECT_EQ(compact.substr(0, 3), "C:\\");
    EXPECT_EQ(compact.substr(compact.size() - 9), "\\file.txt");
}

}  // namespace
}  // namespace zem::test
