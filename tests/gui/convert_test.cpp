// Convert, dropped files and the two listings in the live window: what reaches the editor,
// the history lists, and the balloons.
#include <shlobj.h>

#include <cstring>

#include "app/private_messages.h"
#include "engine/conversion.h"
#include "engine/path_forms.h"
#include "engine/report_texts.h"
#include "main_window_fixture.h"
#include "resource.h"

namespace zem::test {
namespace {

std::string EditorText(TForm1& form) { return WindowText(form.Memo1().Handle()); }

// Without the information header, so that the reports can be compared whole.
void ClearEditor(TForm1& form) {
    ::SetWindowTextA(form.Memo1().Handle(), "");
    form.Memo1().SetModified(false);
}

void TypePath(TForm1& form, const std::string& text) {
    form.FileNameComboBox1().SetText(text);
    ::SendMessageA(form.Handle(), WM_COMMAND, MAKEWPARAM(IDC_FILENAMECOMBOBOX1, CBN_EDITCHANGE),
                   reinterpret_cast<LPARAM>(form.FileNameComboBox1().Handle()));
}

void RunMenu(TForm1& form, UINT id) {
    ::SendMessageA(form.Handle(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
    PumpMessages();
}

BOOL CALLBACK CollectVisibleToolTip(HWND window, LPARAM found) {
    char className[64] = {};
    ::GetClassNameA(window, className, sizeof(className));
    if (std::strcmp(className, TOOLTIPS_CLASSA) == 0 && ::IsWindowVisible(window)) {
        *reinterpret_cast<int*>(found) += 1;
    }
    return TRUE;
}

// Balloons on edit fields are tooltip windows of this thread.
bool BalloonShown() {
    int found = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), CollectVisibleToolTip, reinterpret_cast<LPARAM>(&found));
    return found > 0;
}

// A drop handle as the shell hands it to a window: DROPFILES followed by the paths.
HGLOBAL MakeDrop(const StringList& paths) {
    std::string names;
    for (const auto& path : paths) names += path + '\0';
    names += '\0';
    const HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + names.size());
    auto* header = static_cast<DROPFILES*>(::GlobalLock(memory));
    header->pFiles = sizeof(DROPFILES);
    std::memcpy(reinterpret_cast<char*>(header) + sizeof(DROPFILES), names.data(), names.size());
    ::GlobalUnlock(memory);
    return memory;
}

std::string ExpectedConvertText(const std::string& input) {
    const ConversionResult result = ConvertPathInput({input, {}, nullptr});
    std::string text = result.report + "\r\n";
    if (!result.knownFolderNote.empty()) text += result.knownFolderNote + "\r\n";
    return text + "\r\n";
}

TEST_F(MainWindowTest, ConvertAppendsTheReportItsParagraphAndAnEmptyLine) {
    TempFolder temp;
    const std::string file = temp.MakeFile("Some Long Folder Name\\Long File Name.txt");
    TForm1& form = Start();
    ClearEditor(form);
    TypePath(form, file);
    ASSERT_TRUE(form.MenuEnabled(MMActionConvert));
    RunMenu(form, MMActionConvert);
    EXPECT_EQ(EditorText(form), ExpectedConvertText(file));
    EXPECT_TRUE(form.Memo1().Modified());
    EXPECT_EQ(form.FileNameComboBox1().Item(0), file);
    EXPECT_GE(form.FindEdit1().IndexOf(ResString(IDS_ADD_CONVERTED_PATHS)), 0);

    // The button runs the same command; the report goes below the first one.
    ::SendMessageA(form.Handle(), WM_COMMAND, MAKEWPARAM(IDC_CONVERTBUTTON1, BN_CLICKED),
                   reinterpret_cast<LPARAM>(form.ConvertButton1()));
    PumpMessages();
    EXPECT_EQ(EditorText(form), ExpectedConvertText(file) + ExpectedConvertText(file));
}

TEST_F(MainWindowTest, AFailedConversionChangesNothingButShowsTheBalloon) {
    TempFolder temp;
    TForm1& form = Start();
    ClearEditor(form);
    TypePath(form, temp.Path() + "\\No Such File.txt");
    RunMenu(form, MMActionConvert);
    EXPECT_EQ(EditorText(form), "");
    EXPECT_EQ(form.FileNameComboBox1().Count(), 0);
    EXPECT_TRUE(BalloonShown());
    const TZemTrackingToolTip* balloon = form.FieldBalloonTip().ToolTip();
    ASSERT_NE(balloon, nullptr);  // the system's edit balloon is missing here; the fallback shows
    EXPECT_EQ(balloon->Title(), "The specified path and/or file/folder name do not exist or could not be accessed.");
    const std::string notFound = "Converting path failed with error code 2 (0x00000002),\r\n" +
                                 SystemErrorText(ERROR_FILE_NOT_FOUND);
    const std::string pathNotFound = "Converting path failed with error code 3 (0x00000003),\r\n" +
                                     SystemErrorText(ERROR_PATH_NOT_FOUND);
    EXPECT_TRUE(balloon->Text() == notFound || balloon->Text() == pathNotFound) << balloon->Text();
    EXPECT_EQ(balloon->TitleIcon(), TTI_ERROR);

    // Typing answers the balloon.
    TypePath(form, "C:\\x");
    EXPECT_FALSE(form.FieldBalloonTip().Visible());
}

TEST_F(MainWindowTest, AFailedConversionIsSilentWithItsBalloonSwitchedOff) {
    store_.SetTipPathNotFound(false);
    TempFolder temp;
    TForm1& form = Start();
    ClearEditor(form);
    TypePath(form, temp.Path() + "\\No Such File.txt");
    RunMenu(form, MMActionConvert);
    EXPECT_EQ(EditorText(form), "");
    EXPECT_FALSE(BalloonShown());
}

TEST_F(MainWindowTest, HistoryKeepsOneItemPerTextAndQuotedInputAsTyped) {
    TempFolder temp;
    const std::string first = temp.MakeFolder("First Long Folder");
    const std::string second = temp.MakeFolder("Second Long Folder");
    TForm1& form = Start();
    ClearEditor(form);
    for (const std::string& path : {first, second, first}) {
        TypePath(form, path);
        RunMenu(form, MMActionConvert);
    }
    EXPECT_EQ(form.FileNameComboBox1().Items(), (StringList{second, first}));

    const std::string quoted = "  \"" + second + "\\\"";
    TypePath(form, quoted);
    RunMenu(form, MMActionConvert);
    EXPECT_EQ(form.FileNameComboBox1().Item(0), quoted);
}

TEST_F(MainWindowTest, InvalidCharactersDisableConvertAndWarn) {
    TForm1& form = Start();
    ClearEditor(form);
    TypePath(form, "C:\\a|b");
    EXPECT_FALSE(form.MenuEnabled(MMActionConvert));
    EXPECT_FALSE(::IsWindowEnabled(form.ConvertButton1()));
    EXPECT_TRUE(BalloonShown());
    ASSERT_NE(form.FieldBalloonTip().ToolTip(), nullptr);
    EXPECT_EQ(form.FieldBalloonTip().ToolTip()->Title(), "Invalid Character or Name in Path");
    EXPECT_EQ(form.FieldBalloonTip().ToolTip()->Text(),
              "A folder or file name in the selected path may contain a Unicode character\r\n"
              "that cannot be converted into an ANSI character.");
    EXPECT_EQ(form.FieldBalloonTip().ToolTip()->TitleIcon(), TTI_WARNING);
    TypePath(form, "C:\\ab");
    EXPECT_TRUE(form.MenuEnabled(MMActionConvert));
}

TEST_F(MainWindowTest, ChoosingClearThisListEmptiesTheHistory) {
    const StringList stored{"C:\\windows", "C:\\Program Files"};
    store_.WriteConvertedPaths(&stored);
    TForm1& form = Start();
    ClearEditor(form);
    const ComboBox pathBox = form.FileNameComboBox1();
    ASSERT_EQ(pathBox.Count(), 3);
    ::SendMessageA(pathBox.Handle(), CB_SETCURSEL, 2, 0);
    ::PostMessageA(form.Handle(), UM_COMBO_CHANGED, reinterpret_cast<WPARAM>(pathBox.Handle()), 0);
    PumpMessages();
    EXPECT_EQ(pathBox.Count(), 0);
    EXPECT_FALSE(form.MenuEnabled(MMActionConvert));
    EXPECT_LT(form.FindEdit1().IndexOf(ResString(IDS_ADD_CONVERTED_PATHS)), 0);
}

TEST_F(MainWindowTest, DroppedFilesAreConvertedAndAFailureIsMarked) {
    TempFolder temp;
    const std::string file = temp.MakeFile("Long File Name.txt");
    const std::string failing = temp.Path() + "\\ ";  // exists for the system, has no short form
    TForm1& form = Start();
    ClearEditor(form);
    ::SendMessageA(form.Memo1().Handle(), WM_DROPFILES,
                   reinterpret_cast<WPARAM>(MakeDrop({file, temp.Path() + "\\Missing.txt", failing})), 0);
    const std::string report = BuildShortFormReport(false, {}, test::SystemShortForm(file), file);
    const std::string error = BuildShortFormError(failing, ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(EditorText(form), report + "\r\n\r\n" + error + "\r\n\r\n");
    EXPECT_TRUE(form.FileNameComboBox1().Count() == 0);

    CHARRANGE caret{};
    form.Memo1().GetSelection(caret);
    const LRESULT errorLine = ::SendMessageA(form.Memo1().Handle(), EM_EXLINEFROMCHAR, 0, caret.cpMin);
    const LRESULT lineStart = ::SendMessageA(form.Memo1().Handle(), EM_LINEINDEX, errorLine, 0);
    EXPECT_EQ(caret.cpMin - lineStart, 3);
    EXPECT_EQ(errorLine, 2);  // the report's two lines come first

    PumpMessages(100);
    ASSERT_NE(form.Balloon(), nullptr);
    EXPECT_TRUE(form.Balloon()->Visible());
    EXPECT_EQ(form.Balloon()->ToolTip()->Title(), "Path Conversion Error");
    EXPECT_EQ(form.Balloon()->ToolTip()->Text(), "Converting one or more paths from or to the LFN format failed.");
    form.HideBalloonTip();
    EXPECT_FALSE(form.Balloon()->Visible());
}

TEST_F(MainWindowTest, ListingsAppendTheirReports) {
    TForm1& form = Start();
    ClearEditor(form);
    ASSERT_TRUE(form.MenuEnabled(MMActionListSpecialFolders));
    ASSERT_TRUE(form.MenuEnabled(MMActionListEnvVarPaths));
    ASSERT_TRUE(form.MenuEnabled(MMFileBrowse));
    RunMenu(form, MMActionListSpecialFolders);
    const std::string folders = EditorText(form);
    const std::string stars(79, '*');
    EXPECT_EQ(folders.substr(0, 79 + 4 + 21), stars + "\r\n\r\nSpecial/Known Folders");
    const size_t system = folders.find("\r\nSystem Folders\r\n");
    const size_t common = folders.find("\r\nPublic Folders\r\n");
    const size_t perUser = folders.find("\r\nUser Specific, Private Folders\r\n");
    const size_t temporary = folders.find("\r\nFolder for Temporary Files\r\n");
    EXPECT_LT(system, common);
    EXPECT_LT(common, perUser);
    EXPECT_LT(perUser, temporary);
    EXPECT_EQ(folders.find("System Folders", system + 3), std::string::npos);
    EXPECT_EQ(folders.find("Virtual Folders"), std::string::npos);

    RunMenu(form, MMActionListEnvVarPaths);
    const std::string both = EditorText(form);
    EXPECT_EQ(both.substr(folders.size(), 79 + 4 + 26), stars + "\r\n\r\nEnvironment Variable Paths");
    EXPECT_EQ(both.substr(both.size() - 4), "\r\n\r\n");
}

}  // namespace
}  // namespace zem::test
