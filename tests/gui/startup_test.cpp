// Start-up and close of the main window against the real registry of the test prefix.
#include <shlwapi.h>

#include "main_window_fixture.h"
#include "resource.h"

namespace zem::test {
namespace {

// The state of a menu item, or -1 when the menu does not hold it.
bool MenuHolds(HMENU menu, UINT id) { return ::GetMenuState(menu, id, MF_BYCOMMAND) != UINT(-1); }

StringList Strings(std::initializer_list<const char*> texts) { return StringList(texts.begin(), texts.end()); }

TEST_F(MainWindowTest, StartsWithDefaultsOnAnEmptyStore) {
    TForm1& form = Start();

    char caption[256] = {};
    ::GetWindowTextA(form.Handle(), caption, sizeof(caption));
    EXPECT_STREQ(caption, "Zem Tarvelix (The File Name Conversion Utility)");
    RECT bounds{};
    ::GetWindowRect(form.Handle(), &bounds);
    EXPECT_EQ(bounds.right - bounds.left, 640);
    EXPECT_EQ(bounds.bottom - bounds.top, 421);

    EXPECT_TRUE(::IsWindowVisible(form.Panel1()));
    EXPECT_FALSE(::IsWindowVisible(form.FindPanel1()));
    EXPECT_FALSE(::IsWindowVisible(form.GoToPanel1()));
    EXPECT_FALSE(form.Memo1().Modified());
    // Plain text without the control's default 32K limit.
    const HWND memo = form.Memo1().Handle();
    EXPECT_EQ(::SendMessageA(memo, EM_GETTEXTMODE, 0, 0) & (TM_PLAINTEXT | TM_RICHTEXT), TM_PLAINTEXT);
    EXPECT_GT(::SendMessageA(memo, EM_GETLIMITTEXT, 0, 0), 32 * 1024 * 1024);
    EXPECT_FALSE(::IsWindowEnabled(form.ConvertButton1()));
    EXPECT_FALSE(form.MenuEnabled(MMActionConvert));

    // No base path: "Use App. Path" is checked and the base-path item is hidden.
    EXPECT_TRUE(form.MenuChecked(MMBasePathExeDir));
    EXPECT_FALSE(MenuHolds(form.MainMenu(), MMCurrentBasePath));
    EXPECT_FALSE(form.MenuEnabled(MMResetBasePath));

    // Not a WOW64 process: the redirection submenu and its items are disabled and unchecked.
    ASSERT_FALSE(form.IsWow64);
    EXPECT_FALSE(form.MenuEnabled(MMOptionsFileSysRedir));
    for (UINT id : {MMOptionsFSRedirDisabled, MMOptionsFSRedirEnabled}) {
        EXPECT_FALSE(form.MenuEnabled(id));
        EXPECT_FALSE(form.MenuChecked(id));
    }

    // Writing the header moved the caret, and the panels followed it.
    CHARRANGE caret{};
    form.Memo1().GetSelection(caret);
    const auto line = ::SendMessageA(form.Memo1().Handle(), EM_EXLINEFROMCHAR, 0, caret.cpMax);
    const auto column = caret.cpMax - ::SendMessageA(form.Memo1().Handle(), EM_LINEINDEX, line, 0);
    EXPECT_EQ(form.StatusBar1().Text(0), "Line: " + std::to_string(line + 1));
    EXPECT_EQ(form.StatusBar1().Text(1), "Col: " + std::to_string(column + 1));
    EXPECT_EQ(form.StatusBar1().Text(2), "No matches");
    EXPECT_EQ(form.StatusBar1().Text(3), "Path: ");
    EXPECT_EQ(form.FileNameComboBox1().Count(), 0);
    // The placeholder needs version 6 of the common controls, which the manifest asks for.
    wchar_t cue[128] = {};
    ASSERT_TRUE(::SendMessageW(form.FileNameComboBox1().EditHandle(), EM_GETCUEBANNER,
                               reinterpret_cast<WPARAM>(cue), std::size(cue)));
    EXPECT_EQ(WideToMultiByte(cue), "Enter the path and name of the file/folder to convert here.");
    EXPECT_EQ(form.Memo1().Zoom(), 0x00010001u);
    EXPECT_TRUE(form.MenuChecked(MMZoom100Pct));
    EXPECT_EQ(MenuItemCaption(form.MainMenu(), MMZoomOut), "Zoom out\tCtrl+-");
}

TEST_F(MainWindowTest, HistoryListsRoundTripWithoutTheirPseudoEntries) {
    const StringList paths = Strings({"C:\\windows", "C:\\Program Files", "c:\\WINDOWS"});
    const StringList searches = Strings({"needle", "hay"});
    const StringList files = Strings({"C:\\out\\one.txt", "C:\\out\\two.txt"});
    store_.WriteConvertedPaths(&paths);
    store_.WriteSearchTexts(&searches);
    store_.WriteEditorFiles(&files);
    TZemIntList lines;
    lines.Add(12);
    lines.Add(7);
    store_.WriteLinesToGoTo(1, &lines);

    TForm1& form = Start();
    // The duplicate differing in case is skipped; the pseudo-entries close both lists.
    EXPECT_EQ(form.FileNameComboBox1().Items(),
              Strings({"C:\\windows", "C:\\Program Files", "<Clear this list>"}));
    EXPECT_EQ(form.FindEdit1().Items(), Strings({"needle", "hay", "<Add the recently converted paths to this list>"}));
    ASSERT_EQ(form.RecentFiles()->Count(), 2);
    EXPECT_EQ((*form.RecentFiles())[1].LineNumbersAsStrings(), Strings({"12", "7"}));

    Close();
    EXPECT_EQ(::IsWindow(form.Handle()), FALSE);
    EXPECT_EQ(store_.ReadConvertedPaths(), Strings({"C:\\windows", "C:\\Program Files"}));
    EXPECT_EQ(store_.ReadSearchTexts(), searches);
    EXPECT_EQ(store_.ReadEditorFiles(), files);
    EXPECT_EQ(store_.ReadLinesToGoToAsStrings(1), Strings({"12", "7"}));
    EXPECT_TRUE(store_.ReadLinesToGoTo(0).Items().empty());
}

TEST_F(MainWindowTest, WithoutConvertedPathsTheFindListLosesItsPseudoEntry) {
    const StringList searches = Strings({"<Add the recently converted paths to this list>", "x"});
    store_.WriteSearchTexts(&searches);
    TForm1& form = Start();
    EXPECT_EQ(form.FindEdit1().Items(), Strings({"x"}));
    EXPECT_EQ(form.FileNameComboBox1().Count(), 0);
    // The placeholder needs version 6 of the common controls, which the manifest asks for.
    wchar_t cue[128] = {};
    ASSERT_TRUE(::SendMessageW(form.FileNameComboBox1().EditHandle(), EM_GETCUEBANNER,
                               reinterpret_cast<WPARAM>(cue), std::size(cue)));
    EXPECT_EQ(WideToMultiByte(cue), "Enter the path and name of the file/folder to convert here.");
}

TEST_F(MainWindowTest, ClosingWritesEverySettingItReads) {
    Start();
    Close();
    RegistryAccessor registry;
    ASSERT_TRUE(registry.OpenKey(std::string(kAppRegistryKey) + "\\Features", false));
    EXPECT_FALSE(registry.ReadBool("AutoComplete"));
    EXPECT_TRUE(registry.ReadBool("FileSystemRedirection"));
    EXPECT_EQ(registry.ReadString("BasePath"), "");
    ASSERT_TRUE(registry.OpenKey(std::string(kAppRegistryKey) + "\\Edtior", false));
    EXPECT_EQ(registry.ReadString("DefEditorFile"), "");
    EXPECT_EQ(registry.ReadInteger("ZoomFactor"), 0x00010001);
}

TEST_F(MainWindowTest, StoredBasePathIsShownCompactedAndWrittenBack) {
    const std::string basePath =
        "C:\\A folder with a rather long name\\and another one below it\\and yet another level\\base";
    store_.SetBasePath(basePath);
    TForm1& form = Start();

    char compacted[62] = {};
    ASSERT_TRUE(::PathCompactPathExA(compacted, basePath.c_str(), 62, 0));
    EXPECT_EQ(MenuItemCaption(form.MainMenu(), MMCurrentBasePath), compacted);
    EXPECT_TRUE(form.MenuChecked(MMCurrentBasePath));
    EXPECT_FALSE(form.MenuChecked(MMBasePathExeDir));
    EXPECT_EQ(form.UserBasePath, basePath);

    form.UserBasePath = "D:\\elsewhere";
    Close();
    EXPECT_EQ(store_.BasePath(), "D:\\elsewhere");
}

TEST_F(MainWindowTest, StoredZoomSelectsItsLevelAndAnythingElseGivesHundredPercent) {
    store_.SetZoomFactor(0x00020001);  // 1/2
    TForm1& half = Start();
    EXPECT_EQ(half.Memo1().Zoom(), 0x00020001u);
    EXPECT_TRUE(half.MenuChecked(MMZoom50Pct));
    EXPECT_FALSE(half.MenuChecked(MMZoom100Pct));
    Close();

    store_.SetZoomFactor(0x00030001);  // 1/3 is no level of the menu
    TForm1& other = Start();
    EXPECT_EQ(other.Memo1().Zoom(), 0x00010001u);
    EXPECT_TRUE(other.MenuChecked(MMZoom100Pct));
    Close();
    EXPECT_EQ(store_.ZoomFactor(), 0x00030001u);  // the zoom commands never store anything
}

TEST_F(MainWindowTest, AStoredValueOfTheWrongTypeIsReportedAndTheWindowGoesOn) {
    RegistryAccessor registry;
    ASSERT_TRUE(registry.OpenKey(std::string(kAppRegistryKey) + "\\Edtior", true));
    registry.WriteString("ZoomFactor", "big");
    registry.CloseKey();

    MessageBoxAnswerer answerer(IDOK);
    TForm1& form = Start();
    ASSERT_TRUE(answerer.Wait());
    EXPECT_EQ(answerer.Text(), "Invalid data type for 'ZoomFactor'");
    EXPECT_TRUE(::IsWindow(form.Handle()));
    Close();
    EXPECT_FALSE(::IsWindow(form.Handle()));
}

TEST_F(MainWindowTest, RedirectionMenuFollowsTheWishOnlyUnderWow64) {
    TForm1& form = Start();
    form.IsWow64 = true;
    form.UpdateFileSysRedirMenu(false);
    EXPECT_TRUE(form.MenuEnabled(MMOptionsFileSysRedir));
    EXPECT_TRUE(form.MenuChecked(MMOptionsFSRedirDisabled));
    EXPECT_FALSE(form.MenuChecked(MMOptionsFSRedirEnabled));
    form.UpdateFileSysRedirMenu(true);
    EXPECT_TRUE(form.MenuChecked(MMOptionsFSRedirEnabled));
    EXPECT_FALSE(form.MenuChecked(MMOptionsFSRedirDisabled));
    form.IsWow64 = false;
    form.UpdateFileSysRedirMenu(true);
    EXPECT_FALSE(form.MenuEnabled(MMOptionsFileSysRedir));
    EXPECT_FALSE(form.MenuChecked(MMOptionsFSRedirEnabled));
}

TEST_F(MainWindowTest, ExitClosesTheWindow) {
    TForm1& form = Start();
    form.RunCommand(MMFileExit);
    PumpMessages();
    EXPECT_FALSE(::IsWindow(form.Handle()));
}

}  // namespace
}  // namespace zem::test

namespace zem::test {
namespace {

TEST_F(MainWindowTest, AutoCompleteRadioPairFollowsTheShellObject) {
    store_.SetAutoComplete(true);
    TForm1& form = Start();
    // The shell's folder list, or the program's own where that cannot be rooted (Wine).
    EXPECT_TRUE(form.AutoComplete().Ready());
    EXPECT_TRUE(form.MenuChecked(MMOptionsAutocompleteOn));
    EXPECT_FALSE(form.MenuChecked(MMOptionsAutocompleteOff));
    Click(form, MMOptionsAutocompleteOff);
    EXPECT_TRUE(form.MenuChecked(MMOptionsAutocompleteOff));
    Click(form, MMOptionsAutocompleteOn);  // the objects are reused, not made again
    EXPECT_TRUE(form.MenuChecked(MMOptionsAutocompleteOn));
}

}  // namespace
}  // namespace zem::test

namespace zem::test {
namespace {

TEST_F(MainWindowTest, HelpOnTheCommandLineShowsTheUsageDialogAndQuitsWithoutWritingSettings) {
    form_ = std::make_unique<TForm1>(TZemCommanLineStrList(StringList{"ZemTarvelix.exe", "/?"}));
    ASSERT_TRUE(form_->Create());
    MessageBoxAnswerer answerer(IDOK);
    form_->Show(SW_SHOWNORMAL);
    ASSERT_TRUE(answerer.Wait());
    EXPECT_EQ(answerer.Caption(), "Usage");
    MSG quit{};
    EXPECT_TRUE(::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(quit.wParam, 0u);
    // The message loop ends and the window goes without being closed: nothing is persisted.
    form_->FileNameComboBox1().Add("C:\\typed but not kept");
    form_.reset();
    EXPECT_TRUE(store_.ReadConvertedPaths().empty());
}

TEST_F(MainWindowTest, AFileNamedWithTheReadOnlySwitchLoadsReadOnly) {
    TempFolder temp;
    const std::string file = temp.MakeFile("Named Output.txt", "named text");
    form_ = std::make_unique<TForm1>(TZemCommanLineStrList(StringList{"ZemTarvelix.exe", file, "/ro"}));
    ASSERT_TRUE(form_->Create());
    form_->Show(SW_SHOWNORMAL);
    PumpMessages();
    EXPECT_EQ(WindowText(form_->Memo1().Handle()), "named text");
    EXPECT_TRUE(form_->Memo1().ReadOnly());
    EXPECT_EQ(form_->CurrentFileName, file);
    EXPECT_EQ(form_->RecentFiles()->IndexOfFile(file), 0);
}

TEST_F(MainWindowTest, ASwitchAloneThatIsUnknownEndsTheProgram) {
    form_ = std::make_unique<TForm1>(TZemCommanLineStrList(StringList{"ZemTarvelix.exe", "/xyz"}));
    ASSERT_TRUE(form_->Create());
    MessageBoxAnswerer answerer(IDOK);
    form_->Show(SW_SHOWNORMAL);
    ASSERT_TRUE(answerer.Wait());
    EXPECT_EQ(answerer.Text(), "Erroneous command line !");
    MSG quit{};
    EXPECT_TRUE(::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(static_cast<uint32_t>(quit.wParam), ErrUnknownSwitch);
}

}  // namespace
}  // namespace zem::test
