// The Preferences dialog against the real registry of the test prefix: what it shows, what OK,
// Restore Defaults and Camcel write, the 64-bit rule and the choice of the default file.
#include <windows.h>
#include <commctrl.h>
#include <dlgs.h>

#include <gtest/gtest.h>

#include <atomic>
#include <map>
#include <thread>

#include "../config/config_test_util.h"
#include "app/help_contexts.h"
#include "app/preferences_dialog.h"
#include "base/controls.h"
#include "base/window.h"
#include "base/window_dc.h"
#include "info/help.h"
#include "resource.h"
#include "ui/file_dialog.h"
#include "test_support.h"

namespace zem::test {
namespace {

const std::string kDefEditorFile = "C:\\Users\\Public\\Documents\\Start.txt";

// Every value the dialog reads or writes, as the registry holds it.
std::map<std::string, std::string> StoredSettings() {
    std::map<std::string, std::string> values;
    const auto take = [&](const std::string& key, const char* name) { values[name] = Stored(key, name); };
    take(kFeaturesKey, "AutoComplete");
    take(kFeaturesKey, "FileSystemRedirection");
    take(kEdtiorKey, "DefEditorFile");
    take(kEdtiorKey, "ZoomFactor");
    for (const char* tip : {"PathNotFound", "InvalidPathSyntax", "GoToInvalidLineNum", "NoTextInLine"}) {
        take(kBalloonTipsKey, tip);
    }
    for (SuppressibleDialog dialog : kAllDialogs) take(kDontShowKey, SuppressionValueName(dialog));
    return values;
}

void RemoveSuppressions() {
    for (SuppressibleDialog dialog : kAllDialogs) RemoveValue(kDontShowKey, SuppressionValueName(dialog));
}

bool Checked(HWND box) { return ::SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }
int Selected(HWND combo) { return static_cast<int>(::SendMessageA(combo, CB_GETCURSEL, 0, 0)); }
void Select(HWND combo, int index) { ::SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0); }
void Press(HWND dialog, int id) { ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

// Every text control of `parent` lies inside it and is wide enough for its text (a check box
// also holds its box).
void ExpectTextsFit(HWND parent) {
    RECT client{};
    ::GetClientRect(parent, &client);
    for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        const std::string text = WindowText(child);
        char className[32] = {};
        ::GetClassNameA(child, className, sizeof(className));
        if (text.empty() || std::string(className) == "ComboBox") continue;
        RECT box{};
        ::GetWindowRect(child, &box);
        ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&box), 2);
        EXPECT_LE(box.right, client.right) << text;
        const WindowFontDc dc(child, reinterpret_cast<HGDIOBJ>(::SendMessageA(child, WM_GETFONT, 0, 0)));
        const LONG style = ::GetWindowLongA(child, GWL_STYLE);
        const bool checkBox = std::string(className) == "Button" && (style & BS_TYPEMASK) == BS_AUTOCHECKBOX;
        const int boxWidth = checkBox ? ::GetSystemMetrics(SM_CXMENUCHECK) + 4 : 0;
        RECT needed{0, 0, box.right - box.left - boxWidth, 0};
        const bool wraps = (style & BS_MULTILINE) != 0 && checkBox;
        ::DrawTextA(dc.Get(), text.c_str(), -1, &needed, DT_CALCRECT | (wraps ? DT_WORDBREAK : DT_SINGLELINE));
        EXPECT_LE(needed.right, box.right - box.left - boxWidth) << text;
        EXPECT_LE(needed.bottom, box.bottom - box.top) << text;
    }
}

class PreferencesTest : public ::testing::Test {
protected:
    void SetUp() override { RemoveSuppressions(); }
    void TearDown() override { RemoveSuppressions(); }

    // The dialog created hidden and then shown, which reads the store.
    HWND Open(TTarvelixConfigDlg& dialog) {
        const HWND hwnd = dialog.Create(nullptr);
        EXPECT_NE(hwnd, nullptr);
        ::ShowWindow(hwnd, SW_SHOWNOACTIVATE);
        return hwnd;
    }

    CleanAppKey cleanKey_;
    TTarvelixAppConfig store_;
    std::vector<DWORD> helped_;
    TTarvelixConfigDlg::HelpHandler help_ = [this](DWORD context) { helped_.push_back(context); };
};

TEST(PreferencesZoom, ItemsMapToPackedFactorsBothWays) {
    const uint32_t factors[] = {65538, 131075, 262149, 65537, 262147, 131073, 262145};
    for (int item = 0; item < 7; ++item) {
        EXPECT_EQ(ZoomFactorOfItem(item), factors[item]) << item;
        EXPECT_EQ(ZoomItemOfFactor(factors[item]), item) << item;
    }
    EXPECT_EQ(ZoomItemOfFactor(0x00030001), 3);  // 1/3 is not offered
    EXPECT_EQ(ZoomItemOfFactor(0), 3);
    EXPECT_EQ(ZoomFactorOfItem(-1), 65537u);
    EXPECT_EQ(ZoomFactorOfItem(7), 65537u);
}

TEST_F(PreferencesTest, ShowsItsFramePagesAndTexts) {
    TTarvelixConfigDlg dialog(&store_, false, help_);
    const HWND hwnd = Open(dialog);
    EXPECT_EQ(WindowText(hwnd), "Preferences");
    const HWND tabs = dialog.Control(IDC_PREF_PAGES);
    ASSERT_EQ(TabCtrl_GetItemCount(tabs), 5);
    const char* captions[] = {"&General ", "&Editor", "&Dialogs", "&8.3 Dialogs", "&Notifications"};
    for (int i = 0; i < 5; ++i) {
        char text[64] = {};
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof(text);
        TabCtrl_GetItem(tabs, i, &item);
        EXPECT_STREQ(text, captions[i]);
    }
    EXPECT_EQ(WindowText(dialog.Control(IDOK)), "OK");
    EXPECT_EQ(WindowText(dialog.Control(IDC_PREF_RESTORE)), "Restore Defaults");
    EXPECT_EQ(WindowText(dialog.Control(IDCANCEL)), "Camcel");
    EXPECT_EQ(ComboBox(dialog.Control(IDC_ZOOM_FACTORS_COMBO)).Items(),
              (StringList{"200 %", "150 %", "125 %", "100 %", "75 %", "50 %", "25 %"}));
    EXPECT_EQ(ComboBox(dialog.Control(IDC_AUTOCOMPLETE_CFG_COMBO)).Items(), (StringList{"Off", "On"}));
    EXPECT_EQ(ComboBox(dialog.Control(IDC_FILESYSREDIR_CFG_COMBO)).Items(), (StringList{"Enabled", "Disabled"}));
    EXPECT_EQ(WindowText(dialog.Control(IDC_SHOW_GO_ONLINE_DLG)),
              "When you are about to go online to visit the Tarvelix website or check for updates ");
    EXPECT_FALSE(::IsWindowVisible(dialog.Control(IDC_SHOW_CONVERT_ERR_DLG)));

    // One page at a time, and each page's controls lie inside the client area.
    EXPECT_EQ(dialog.ActivePage(), 0);
    EXPECT_TRUE(::IsWindowVisible(dialog.Page(0)));
    dialog.SelectPage(4);
    EXPECT_FALSE(::IsWindowVisible(dialog.Page(0)));
    EXPECT_TRUE(::IsWindowVisible(dialog.Control(IDC_TIP_NO_TEXT)));
    for (int page = 0; page < TTarvelixConfigDlg::kPageCount; ++page) ExpectTextsFit(dialog.Page(page));
    ExpectTextsFit(hwnd);

    // The banner's title fades out and comes back over the band.
    EXPECT_TRUE(dialog.Banner().TitleVisible());
    for (int i = 0; i < 40 && dialog.Banner().Fading(); ++i) ::SendMessageA(hwnd, WM_TIMER, 1, 0);
    EXPECT_FALSE(dialog.Banner().TitleVisible());
    ::SendMessageA(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(100, 20));
    EXPECT_TRUE(dialog.Banner().TitleVisible());
}

TEST_F(PreferencesTest, OpensCentredOverItsOwnerAtItsFullSize) {
    const HWND owner = ::CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 100, 80, 700, 500, nullptr, nullptr,
                                         nullptr, nullptr);
    {
        TTarvelixConfigDlg dialog(&store_, false, help_);
        const HWND hwnd = dialog.Create(owner);
        RECT frame{}, client{};
        ::GetWindowRect(hwnd, &frame);
        ::GetClientRect(hwnd, &client);
        EXPECT_EQ(client.right, ScaledPixels(kPreferencesClientWidth));
        EXPECT_EQ(client.bottom, ScaledPixels(kPreferencesClientHeight));
        EXPECT_NEAR((frame.left + frame.right) / 2, 100 + 350, 1);
        EXPECT_NEAR((frame.top + frame.bottom) / 2, 80 + 250, 1);
    }
    ::DestroyWindow(owner);
}

TEST_F(PreferencesTest, OkWithoutChangesRewritesEveryValueItRead) {
    store_.SetAutoComplete(true);
    store_.SetDefEditorFile(kDefEditorFile);
    store_.SetZoomFactor(131075);
    store_.SetDontShow(SuppressibleDialog::NewFile, true);
    store_.SetDontShow(SuppressibleDialog::Startup8Dot3Info, true);
    store_.SetTipNoTextInLine(false);
    TTarvelixConfigDlg dialog(&store_, false, help_);
    const HWND hwnd = Open(dialog);
    EXPECT_EQ(Selected(dialog.Control(IDC_AUTOCOMPLETE_CFG_COMBO)), 1);
    EXPECT_EQ(Selected(dialog.Control(IDC_ZOOM_FACTORS_COMBO)), 1);
    EXPECT_EQ(WindowText(dialog.Control(IDC_DEF_OUTPUT_FILE_COMBO)), kDefEditorFile);
    EXPECT_FALSE(Checked(dialog.Control(IDC_SHOW_NEW_FILE_DLG)));
    EXPECT_TRUE(Checked(dialog.Control(IDC_SHOW_LOAD_FILE_DLG)));
    EXPECT_FALSE(Checked(dialog.Control(IDC_SHOW_8DOT3_STARTUP_INFO_DLG)));
    EXPECT_TRUE(Checked(dialog.Control(IDC_SHOW_NO8DOT3_ALL_VOLS_DLG)));
    EXPECT_FALSE(Checked(dialog.Control(IDC_TIP_NO_TEXT)));
    EXPECT_TRUE(Checked(dialog.Control(IDC_TIP_PATH_NOT_FOUND)));
    const auto before = StoredSettings();

    // Everything is removed behind the dialog's back: OK must write it all again.
    CleanAppKey removed;
    RemoveSuppressions();
    Press(hwnd, IDOK);
    EXPECT_EQ(StoredSettings(), before);
    EXPECT_EQ(before.at("FileSystemRedirection"), "missing");  // not a 64-bit system: never written
    EXPECT_EQ(before.at(SuppressionValueName(SuppressibleDialog::NewFile)), "sz:NO");
    EXPECT_EQ(before.at(SuppressionValueName(SuppressibleDialog::LoadFile)), "missing");
    EXPECT_EQ(store_.ZoomFactor(), 131075u);
    EXPECT_TRUE(store_.AutoComplete());
    EXPECT_FALSE(store_.TipNoTextInLine());
    EXPECT_EQ(dialog.Handle(), nullptr);  // closed
}

TEST_F(PreferencesTest, MissingValuesAreCreatedWithTheirDefaults) {
    TTarvelixConfigDlg dialog(&store_, false, help_);
    const HWND hwnd = Open(dialog);
    CleanAppKey removed;
    Press(hwnd, IDOK);
    TTarvelixAppConfig fresh;
    EXPECT_NE(Stored(kFeaturesKey, "AutoComplete"), "missing");
    EXPECT_FALSE(fresh.AutoComplete());
    EXPECT_EQ(Stored(kEdtiorKey, "DefEditorFile"), "sz:");
    EXPECT_EQ(Stored(kEdtiorKey, "ZoomFactor"), Format("dword:%u", 65537u));
    for (const char* tip : {"PathNotFound", "InvalidPathSyntax", "GoToInvalidLineNum", "NoTextInLine"}) {
        EXPECT_NE(Stored(kBalloonTipsKey, tip), "missing") << tip;
    }
    EXPECT_TRUE(fresh.TipPathNotFound() && fresh.TipInvalidPathSyntax() && fresh.TipGoToInvalidLineNum() &&
                fresh.TipNoTextInLine());
}

TEST_F(PreferencesTest, RestoreDefaultsWritesOnlyOnOk) {
    store_.SetAutoComplete(true);
    store_.SetZoomFactor(262145);
    store_.SetDefEditorFile(kDefEditorFile);
    for (SuppressibleDialog suppressed : kAllDialogs) store_.SetDontShow(suppressed, true);
    for (auto setter : {&TTarvelixAppConfig::SetTipPathNotFound, &TTarvelixAppConfig::SetTipInvalidPathSyntax,
                        &TTarvelixAppConfig::SetTipGoToInvalidLineNum, &TTarvelixAppConfig::SetTipNoTextInLine}) {
        (store_.*setter)(false);
    }
    {
        TTarvelixConfigDlg dialog(&store_, false, help_);
        const HWND hwnd = Open(dialog);
        const auto shown = StoredSettings();
        Press(hwnd, IDC_PREF_RESTORE);
        EXPECT_EQ(Selected(dialog.Control(IDC_AUTOCOMPLETE_CFG_COMBO)), 0);
        EXPECT_EQ(Selected(dialog.Control(IDC_ZOOM_FACTORS_COMBO)), 3);
        EXPECT_EQ(WindowText(dialog.Control(IDC_DEF_OUTPUT_FILE_COMBO)), "");
        EXPECT_EQ(dialog.DefOutputFileHint(), "No file selected");
        const ComboBox files(dialog.Control(IDC_DEF_OUTPUT_FILE_COMBO));
        EXPECT_EQ(files.Item(0), kDefEditorFile);
        EXPECT_EQ(files.Item(files.Count() - 1), "<Do not load a file during startup>");
        EXPECT_TRUE(Checked(dialog.Control(IDC_SHOW_CONVERT_ERR_DLG)));
        Press(hwnd, IDCANCEL);
        EXPECT_EQ(StoredSettings(), shown);
    }
    TTarvelixConfigDlg dialog(&store_, false, help_);
    const HWND hwnd = Open(dialog);
    Press(hwnd, IDC_PREF_RESTORE);
    Press(hwnd, IDOK);
    for (SuppressibleDialog dialogId : kAllDialogs) {
        EXPECT_EQ(Stored(kDontShowKey, SuppressionValueName(dialogId)), "missing") << SuppressionValueName(dialogId);
    }
    EXPECT_TRUE(store_.TipPathNotFound() && store_.TipInvalidPathSyntax() && store_.TipGoToInvalidLineNum() &&
                store_.TipNoTextInLine());
    EXPECT_FALSE(store_.AutoComplete());
    EXPECT_EQ(store_.ZoomFactor(), 65537u);
    EXPECT_EQ(store_.DefEditorFile(), "");
}

TEST_F(PreferencesTest, TheNoFileItemStoresNothingButTypedTextIsKept) {
    const StringList recent{"C:\\a.txt", "C:\\b.txt"};
    store_.WriteEditorFiles(&recent);
    store_.SetDefEditorFile("C:\\b.txt");
    TTarvelixConfigDlg dialog(&store_, false, help_);
    HWND hwnd = Open(dialog);
    const HWND combo = dialog.Control(IDC_DEF_OUTPUT_FILE_COMBO);
    // The recent files in their order, the stored one not twice, the "no file" item last.
    EXPECT_EQ(ComboBox(combo).Items(), (StringList{"C:\\a.txt", "C:\\b.txt", "<Do not load a file during startup>"}));
    Select(combo, 2);
    Press(hwnd, IDOK);
    EXPECT_EQ(Stored(kEdtiorKey, "DefEditorFile"), "sz:");

    TTarvelixConfigDlg typed(&store_, false, help_);
    hwnd = Open(typed);
    const HWND box = typed.Control(IDC_DEF_OUTPUT_FILE_COMBO);
    Select(box, -1);
    ::SetWindowTextA(box, "<DO NOT load a file during startup>");
    Press(hwnd, IDOK);
    EXPECT_EQ(Stored(kEdtiorKey, "DefEditorFile"), "sz:<DO NOT load a file during startup>");
}

TEST_F(PreferencesTest, RedirectionIsShownAndWrittenOnlyOnA64BitSystem) {
    store_.SetFileSystemRedirection(false);
    {
        TTarvelixConfigDlg dialog(&store_, false, help_);
        const HWND hwnd = Open(dialog);
        EXPECT_FALSE(::IsWindowEnabled(dialog.Control(IDC_FILESYSREDIR_CFG_COMBO)));
        EXPECT_FALSE(::IsWindowEnabled(dialog.Control(IDC_PREF_FSREDIR_TEXT)));
        EXPECT_EQ(Selected(dialog.Control(IDC_FILESYSREDIR_CFG_COMBO)), 0);
        RemoveValue(kFeaturesKey, "FileSystemRedirection");
        Press(hwnd, IDOK);
        EXPECT_EQ(Stored(kFeaturesKey, "FileSystemRedirection"), "missing");
    }
    store_.SetFileSystemRedirection(false);
    TTarvelixConfigDlg dialog(&store_, true, help_);
    const HWND hwnd = Open(dialog);
    EXPECT_TRUE(::IsWindowEnabled(dialog.Control(IDC_FILESYSREDIR_CFG_COMBO)));
    EXPECT_EQ(Selected(dialog.Control(IDC_FILESYSREDIR_CFG_COMBO)), 1);
    Select(dialog.Control(IDC_FILESYSREDIR_CFG_COMBO), 0);
    Press(hwnd, IDOK);
    EXPECT_TRUE(store_.FileSystemRedirection());
}

TEST_F(PreferencesTest, WithoutAStoreShowsDefaultsAndWritesNothing) {
    TTarvelixConfigDlg dialog(nullptr, false, help_);
    const HWND hwnd = Open(dialog);
    EXPECT_EQ(Selected(dialog.Control(IDC_ZOOM_FACTORS_COMBO)), 3);
    EXPECT_EQ(Selected(dialog.Control(IDC_AUTOCOMPLETE_CFG_COMBO)), 0);
    const auto before = StoredSettings();
    Press(hwnd, IDOK);
    EXPECT_EQ(StoredSettings(), before);
}

TEST_F(PreferencesTest, HelpGoesToTheContextOfTheControlOrTheDialog) {
    TTarvelixConfigDlg dialog(&store_, false, help_);
    const HWND hwnd = Open(dialog);
    const auto ask = [&](HWND control) {
        HELPINFO request{sizeof(request), HELPINFO_WINDOW, ::GetDlgCtrlID(control), control,
                         ::GetWindowContextHelpId(control), {}};
        ::SendMessageA(control == hwnd ? hwnd : ::GetParent(control), WM_HELP, 0, reinterpret_cast<LPARAM>(&request));
    };
    ask(dialog.Control(IDCANCEL));
    ask(dialog.Control(IDC_ZOOM_FACTORS_COMBO));
    ask(dialog.Control(IDC_SHOW_8DOT3_SYS_VOL_ONLY_DLG));
    ask(dialog.Page(1));
    ask(hwnd);
    // The file selection's Help button asks its owner through the common dialogs' message.
    ::SendMessageA(hwnd, FileDialogHelpMessage(), 0, 0);
    EXPECT_EQ(helped_, (std::vector<DWORD>{7629, 7558, 7585, 7550, 7500, 7650}));
    // Every window of the dialog that carries a context has a topic of its own in the help file.
    std::vector<HWND> windows{hwnd};
    for (size_t i = 0; i < windows.size(); ++i) {
        for (HWND child = ::GetWindow(windows[i], GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
            windows.push_back(child);
        }
        const DWORD context = ::GetWindowContextHelpId(windows[i]);
        if (context != 0) {
            EXPECT_NE(HelpTopicFor(context), kTableOfContentsTopic) << context;
        }
    }
    EXPECT_EQ(ComboBox(dialog.Control(IDC_DEF_OUTPUT_FILE_COMBO)).Edit().Text(), "");
}

TEST_F(PreferencesTest, SelectingAFileMakesItTheTextAndHintAndKeepsThePreviousText) {
    TempFolder folder;
    const std::string chosen = folder.MakeFile("chosen.txt", "text");
    store_.SetDefEditorFile(kDefEditorFile);
    TTarvelixConfigDlg dialog(&store_, false, help_);
    const HWND hwnd = Open(dialog);
    FileDialogAnswerer answerer("Select Default Output File", chosen);
    Press(hwnd, IDC_SEL_DEF_OUTPUT_FILE_BUTTON);
    EXPECT_EQ(answerer.Title(), "Select Default Output File");
    const ComboBox files(dialog.Control(IDC_DEF_OUTPUT_FILE_COMBO));
    EXPECT_TRUE(SameTextNoCase(files.Text(), chosen)) << files.Text();
    EXPECT_EQ(dialog.DefOutputFileHint(), files.Text());
    EXPECT_EQ(files.Item(0), kDefEditorFile);
    const std::string text = files.Text();
    Press(hwnd, IDOK);
    EXPECT_EQ(Stored(kEdtiorKey, "DefEditorFile"), "sz:" + text);
}

}  // namespace
}  // namespace zem::test
