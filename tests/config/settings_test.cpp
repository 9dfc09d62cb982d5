// Single settings, dialog-suppression flags and the store's failure reports.
#include "config_test_util.h"

namespace zem::test {
namespace {

using SettingsTest = ConfigStoreTest;

TEST_F(SettingsTest, FirstRunReadsDefaultsAndWritesThemBack) {
    EXPECT_FALSE(config_.AutoComplete());
    EXPECT_TRUE(config_.FileSystemRedirection());
    EXPECT_EQ(config_.BasePath(), "");
    EXPECT_EQ(config_.DefEditorFile(), "");
    EXPECT_EQ(config_.ZoomFactor(), 65537u);
    EXPECT_TRUE(config_.TipPathNotFound());
    EXPECT_TRUE(config_.TipInvalidPathSyntax());
    EXPECT_TRUE(config_.TipGoToInvalidLineNum());
    EXPECT_TRUE(config_.TipNoTextInLine());

    EXPECT_EQ(Stored(kFeaturesKey, "AutoComplete"), "dword:0");
    EXPECT_EQ(Stored(kFeaturesKey, "FileSystemRedirection"), "dword:1");
    EXPECT_EQ(Stored(kFeaturesKey, "BasePath"), "sz:");
    EXPECT_EQ(Stored(kEdtiorKey, "DefEditorFile"), "sz:");
    EXPECT_EQ(Stored(kEdtiorKey, "ZoomFactor"), "dword:65537");
    for (const char* tip : {"PathNotFound", "InvalidPathSyntax", "GoToInvalidLineNum", "NoTextInLine"}) {
        EXPECT_EQ(Stored(kBalloonTipsKey, tip), "dword:1") << tip;
    }

    EXPECT_TRUE(config_.ReadEditorFiles().empty());
    EXPECT_TRUE(config_.ReadConvertedPaths().empty());
    EXPECT_TRUE(config_.ReadSearchTexts().empty());
    EXPECT_TRUE(config_.ReadLinesToGoTo(0).Items().empty());
}

TEST_F(SettingsTest, WrittenSettingsAreStoredAndReadBack) {
    config_.SetAutoComplete(true);
    config_.SetTipNoTextInLine(false);
    config_.SetBasePath("C:\\Base Dir");
    config_.SetDefEditorFile("D:\\out.txt");
    EXPECT_EQ(Stored(kFeaturesKey, "AutoComplete"), "dword:1");
    EXPECT_EQ(Stored(kBalloonTipsKey, "NoTextInLine"), "dword:0");
    EXPECT_EQ(Stored(kFeaturesKey, "BasePath"), "sz:C:\\Base Dir");
    EXPECT_EQ(Stored(kEdtiorKey, "DefEditorFile"), "sz:D:\\out.txt");
    EXPECT_TRUE(config_.AutoComplete());
    EXPECT_FALSE(config_.TipNoTextInLine());
    EXPECT_EQ(config_.DefEditorFile(), "D:\\out.txt");

    // Nothing is cached: a change made behind the store's back is seen at once.
    PutDword(kFeaturesKey, "FileSystemRedirection", 0);
    PutDword(kBalloonTipsKey, "PathNotFound", 7);  // any non-zero number means on
    EXPECT_FALSE(config_.FileSystemRedirection());
    EXPECT_TRUE(config_.TipPathNotFound());
}

TEST_F(SettingsTest, ZoomFactorIsStoredAndReadUnchanged) {
    for (uint32_t zoom : {65538u, 131075u, 262149u, 65537u, 262147u, 131073u, 262145u}) {
        config_.SetZoomFactor(zoom);
        EXPECT_EQ(Stored(kEdtiorKey, "ZoomFactor"), Format("dword:%u", zoom));
        EXPECT_EQ(config_.ZoomFactor(), zoom);
    }
    // Values the program never writes are handed on as they are.
    for (DWORD odd : {0x00070003u, 0u, 0xFFFFFFFFu}) {
        PutDword(kEdtiorKey, "ZoomFactor", odd);
        EXPECT_EQ(config_.ZoomFactor(), odd);
    }
}

TEST_F(SettingsTest, WrongValueTypeRaisesErrorNamingTheValue) {
    PutString(kFeaturesKey, "AutoComplete", "1");
    EXPECT_EQ(AppErrorText([&] { config_.AutoComplete(); }), "Invalid data type for 'AutoComplete'");
    PutDword(kEdtiorKey, "DefEditorFile", 1);
    EXPECT_EQ(AppErrorText([&] { config_.DefEditorFile(); }), "Invalid data type for 'DefEditorFile'");
    PutBytes(kEdtiorKey, "ZoomFactor", {1, 0, 1, 0});
    EXPECT_EQ(AppErrorText([&] { config_.ZoomFactor(); }), "Invalid data type for 'ZoomFactor'");
    PutString(kEditorFilesKey, "EditorFile01", "C:\\a.txt");
    PutDword(kEditorFilesKey, "EditorFile02", 2);
    EXPECT_EQ(AppErrorText([&] { config_.ReadEditorFiles(); }), "Invalid data type for 'EditorFile02'");
    PutString(kEditorFilesKey, "LinesToGoTo01", "12");
    EXPECT_EQ(AppErrorText([&] { config_.ReadLinesToGoTo(0); }), "Invalid data type for 'LinesToGoTo01'");
}

using SuppressionTest = ConfigStoreTest;

TEST_F(SuppressionTest, EachDialogHasItsOwnValue) {
    using Reader = bool (TTarvelixAppConfig::*)();
    const std::pair<const char*, Reader> dialogs[] = {
        {"ZemTarvelix Ver. 1.0 {0A606086-29D3-4D87-AE79-93DE977CB8D8}", &TTarvelixAppConfig::DontShowLoadFileDlg},
        {"ZemTarvelix Ver. 1.0 {C5E3ECF1-4912-4DCD-BF8C-A892C185A01B}", &TTarvelixAppConfig::DontShowNewFileDlg},
        {"ZemTarvelix Ver. 1.0 {FDFEBF0B-4486-450D-91E0-477BC24D1042}", &TTarvelixAppConfig::DontShowCloseAppDlg},
        {"ZemTarvelix Ver. 1.0 {A6B401AC-8C73-4BA3-8C63-F4A9303CD3A6}",
         &TTarvelixAppConfig::DontShowStartup8Dot3InfoDlg},
        {"ZemTarvelix Ver. 1.0 {53493890-56F9-4E00-9F62-CE2E963F131D}",
         &TTarvelixAppConfig::DontShowNo8Dot3ExceptSysVolDlg},
        {"ZemTarvelix Ver. 1.0 {9577EB38-1A65-4372-BDF6-76088C34FA5D}", &TTarvelixAppConfig::DontShowNo8Dot3AllVolsDlg},
        {"ZemTarvelix Ver. 1.0 {18579629-A865-4E35-81D8-A520D17E51D5}", &TTarvelixAppConfig::DontShowGoOnlineDlg},
    };
    for (size_t i = 0; i < std::size(dialogs); ++i) {
        EXPECT_STREQ(SuppressionValueName(kAllDialogs[i]), dialogs[i].first);
        PutString(kDontShowKey, dialogs[i].first, "NO");
        for (size_t j = 0; j < std::size(dialogs); ++j) {
            EXPECT_EQ((config_.*dialogs[j].second)(), j == i) << "value " << i << ", reader " << j;
        }
        RemoveValue(kDontShowKey, dialogs[i].first);
    }
}

TEST_F(SuppressionTest, OnlyNoInAnyLetterCaseSuppresses) {
    const char* name = SuppressionValueName(SuppressibleDialog::NewFile);
    for (const char* text : {"NO", "no", "No", "nO"}) {
        PutString(kDontShowKey, name, text);
        EXPECT_TRUE(config_.DontShowNewFileDlg()) << text;
    }
    for (const char* text : {"yes", "", "N", "NO ", "NONE", "0"}) {
        PutString(kDontShowKey, name, text);
        EXPECT_FALSE(config_.DontShowNewFileDlg()) << '"' << text << '"';
    }
    // A missing value means "show", and reading it does not write it.
    RemoveValue(kDontShowKey, name);
    EXPECT_FALSE(config_.DontShowNewFileDlg());
    EXPECT_EQ(Stored(kDontShowKey, name), "missing");
}

TEST_F(SuppressionTest, SetDontShowStoresNoOrDeletesTheValue) {
    const char* name = SuppressionValueName(SuppressibleDialog::CloseApp);
    config_.SetDontShow(SuppressibleDialog::CloseApp, true);
    EXPECT_EQ(Stored(kDontShowKey, name), "sz:NO");
    EXPECT_TRUE(config_.DontShowCloseAppDlg());

    config_.SetDontShow(SuppressibleDialog::CloseApp, false);
    EXPECT_EQ(Stored(kDontShowKey, name), "missing");
    EXPECT_FALSE(config_.DontShowCloseAppDlg());
}

// The store pointed at an application key that the registry refuses (a key name
// longer than 255 characters).
class UnopenableKeyTest : public ::testing::Test {
protected:
    void SetUp() override {
        UniqueHKey handle;
        ASSERT_NE(::RegCreateKeyExA(HKEY_CURRENT_USER, (appKey_ + "\\Features").c_str(), 0, nullptr, 0, KEY_WRITE,
                                    nullptr, handle.Put(), nullptr),
                  ERROR_SUCCESS)
            << "the registry accepted the overlong key name";
    }
    void TearDown() override { DeleteUserKey(appKey_); }

    // Runs `read`, answers the one message box it shows and returns the box's text.
    static std::string MessageOf(const std::function<void()>& read) {
        MessageBoxAnswerer answerer(IDOK);
        read();
        return answerer.Wait() ? answerer.Text() : "<no message>";
    }

    const std::string appKey_ = "Software\\Zem\\" + std::string(300, 'k');
    TTarvelixAppConfig config_{appKey_};
};

TEST_F(UnopenableKeyTest, ReadsReportTheKeyAndFallBackToDefaults) {
    const std::string root = "Could not open key : HKEY_CURRENT_USER";
    EXPECT_EQ(MessageOf([&] { EXPECT_TRUE(config_.ReadEditorFiles().empty()); }),
              root + "\\" + appKey_ + "\\Recent\\EditorFiles");
    EXPECT_EQ(MessageOf([&] { EXPECT_EQ(config_.ClearConvertedPaths(), 0); }),
              root + "\\" + appKey_ + "\\Recent\\ConvertedPaths");
    EXPECT_EQ(MessageOf([&] { EXPECT_TRUE(config_.ReadSearchTexts().empty()); }),
              root + "\\" + appKey_ + "\\Recent\\TextSearches");
    EXPECT_EQ(MessageOf([&] { EXPECT_TRUE(config_.FileSystemRedirection()); }), root + "\\" + appKey_ + "\\Features");
    // The editor's key is joined to the root by a blank.
    EXPECT_EQ(MessageOf([&] { EXPECT_EQ(config_.ZoomFactor(), 65537u); }), root + " " + appKey_ + "\\Edtior");
    EXPECT_EQ(MessageOf([&] { EXPECT_TRUE(config_.TipGoToInvalidLineNum()); }),
              root + "\\" + appKey_ + "\\BalloonTips");
}

TEST_F(UnopenableKeyTest, WritesFailSilently) {
    MessageBoxAnswerer answerer(IDOK, std::chrono::milliseconds(1500));
    config_.SetAutoComplete(true);
    config_.SetBasePath("C:\\");
    config_.SetZoomFactor(131073);
    config_.SetTipPathNotFound(false);
    TZemIntList numbers;
    numbers.Add(4);
    config_.WriteLinesToGoTo(0, &numbers);
    EXPECT_FALSE(answerer.Wait()) << answerer.Text();
}

}  // namespace
}  // namespace zem::test
