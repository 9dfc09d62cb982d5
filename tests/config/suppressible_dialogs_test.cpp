// The seven suppressible dialogs: identifiers, titles, styles, answers while suppressed, bodies
// byte for byte, and the answer of a suppressed dialog. Showing them is tested in
// tests/gui/check_message_box_test.cpp.
#include <windows.h>

#include "test_support.h"
#include "config/suppressible_dialogs.h"
#include "config_test_util.h"

namespace zem::test {
namespace {

const std::string kNamedLead = "The output file has been modified since it was last saved.\r\nSave changes ?\r\n\r\n";
const std::string kUnnamedLead = "The current output file has not been saved to disk yet.\r\nSave it now ?\r\n\r\n";
const std::string kCloseAnswers =
    "\x95 Press/click the Yes button to save the changes and close the application\r\n"
    "\x95 Clicking/pressing the No button will close the application discarding the last changes.\r\n"
    "\x95 To abort closing the application select/click the Cancel button\r\n\r\n"
    "To suppress this dialog when the application is closed in future, check the check box below.";
const std::string kNewAnswers =
    "\x95 Press/click the Yes button to save the changes and close the current file.\r\n"
    "\x95 Clicking/pressing the No button will close the file, discarding any changes.\r\n"
    "\x95 To abort creating a new file select/click the Cancel button.\r\n\r\n"
    "To suppress this dialog when you create a new file in future, check the check box below.";
const std::string kLoadAnswers =
    "\x95 Press/click the Yes button to save the changes and load an existing file.\r\n"
    "\x95 Clicking/pressing the No button will close the current file, discarding any changes.\r\n"
    "\x95 To abort loading a file select/click the Cancel button.\r\n\r\n"
    "To suppress this dialog when you load a file in future, check the check box below.";
const std::string kOnlineNo =
    "\r\n\x95"
    "Clicking/pressing the No button will prevent Tarvelix from connecting to the Internet.\r\n\r\n"
    "To suppress this dialog when Tarvelix attempts to establish a connection to the Internet in future, check the "
    "check box below.";
const std::string kHomePageBody =
    "Displaying the Tarvelix Home Page requires accessing the Internet.\r\n\r\n"
    "\x95Press/click the Yes button to grant Tarvelix access to the Zem website and \r\n display the requested page." +
    kOnlineNo;
const std::string k8Dot3Cancel =
    "\x95 By clicking/pressing the Cancel Button no changes will be made to the\r\n"
    "   current file system configurations\r\n\r\n";
const std::string kExceptSysVolBody =
    "Warning !\r\n\r\nYou are about to deactivate support for short, DOS, 8.3 file names\r\n"
    "on all local NTFS volumes except for the system volume (drive \"C:\")\r\n"
    "This may prevent some applications from locating, opening and/or saving files !\r\n\r\n"
    "\x95 Press/click the OK button to deactivate 8.3 name support on all volumes except \"C:\"\r\n" +
    k8Dot3Cancel + "To suppress this dialog when the feature is invoked in future, check the check box below.";
const std::string kAllVolsBody =
    "Warning !\r\n\r\nYou are about to deactivate support for short, DOS, 8.3 file names on all local, NTFS volumes, "
    "including the system drive.\r\nThis may prevent some applications from locating, opening, and/or saving files."
    "\r\n\r\n\x95 Press/click the OK button to deactivate 8.3 name support on all NTFS volumes.\r\n" +
    k8Dot3Cancel + "To suppress this dialog when this feature is invoked in future, check the check box below.";
const std::string kStartupSuppress =
    "\r\n\r\nTo suppress this dialog when the application is started in future, check the check box below.";
const std::string kStartupDisabledBody =
    "8.3 File Name Support Disabled\r\n\r\nNote, that support for 8.3 file names on NTFS volumes on this system\r\n"
    "has been completely disabled.\r\n\r\nThat is, short, DOS file names are NOT available on ANY NTFS drives\r\n"
    "on this computer." +
    kStartupSuppress;

struct DialogCase {
    SuppressibleDialog dialog;
    const char* identifier;
    const char* title;
    UINT style;
    int defaultAnswer;
};

const DialogCase kCases[] = {
    {SuppressibleDialog::CloseApp, "ZemTarvelix Ver. 1.0 {FDFEBF0B-4486-450D-91E0-477BC24D1042}",
     "Close Application ?", 35, IDYES},
    {SuppressibleDialog::NewFile, "ZemTarvelix Ver. 1.0 {C5E3ECF1-4912-4DCD-BF8C-A892C185A01B}", "Create New File ?",
     35, IDYES},
    {SuppressibleDialog::LoadFile, "ZemTarvelix Ver. 1.0 {0A606086-29D3-4D87-AE79-93DE977CB8D8}", "Load File ?", 35,
     IDYES},
    {SuppressibleDialog::GoOnline, "ZemTarvelix Ver. 1.0 {18579629-A865-4E35-81D8-A520D17E51D5}", "OK to Go Online ?",
     36, IDYES},
    {SuppressibleDialog::No8Dot3ExceptSysVol, "ZemTarvelix Ver. 1.0 {53493890-56F9-4E00-9F62-CE2E963F131D}",
     "Deactivate 8.3 File Names Except on the System Drive ?", 49, IDCANCEL},
    {SuppressibleDialog::No8Dot3AllVols, "ZemTarvelix Ver. 1.0 {9577EB38-1A65-4372-BDF6-76088C34FA5D}",
     "Deactivate 8.3 File Name Support on All NTFS Volumes ?", 49, IDCANCEL},
    {SuppressibleDialog::Startup8Dot3Info, "ZemTarvelix Ver. 1.0 {A6B401AC-8C73-4BA3-8C63-F4A9303CD3A6}",
     "Tarvelix, Short, 8.3 Name Support Information", 64, IDOK},
};

// Each dialog shown through its own function.
int ShowDialog(SuppressibleDialog dialog) {
    switch (dialog) {
        case SuppressibleDialog::CloseApp: return ShowCloseAppDlg(nullptr, true);
        case SuppressibleDialog::NewFile: return ShowNewFileDlg(nullptr, false);
        case SuppressibleDialog::LoadFile: return ShowLoadFileDlg(nullptr, true);
        case SuppressibleDialog::GoOnline: return ShowGoOnlineDlg(nullptr, OnlineStep::HomePage);
        case SuppressibleDialog::No8Dot3ExceptSysVol: return ShowNo8Dot3ExceptSysVolDlg(nullptr, "\"C:\"");
        case SuppressibleDialog::No8Dot3AllVols: return ShowNo8Dot3AllVolsDlg(nullptr);
        case SuppressibleDialog::Startup8Dot3Info: return ShowStartup8Dot3InfoDlg(nullptr, 1, "C:");
    }
    return 0;
}

using SuppressibleDialogsTest = ConfigStoreTest;

TEST_F(SuppressibleDialogsTest, EachDialogHasItsIdentifierTitleStyleAndDefaultAnswer) {
    for (const DialogCase& test : kCases) {
        const SuppressibleDialogInfo info = DialogInfo(test.dialog);
        EXPECT_STREQ(info.identifier, test.identifier);
        EXPECT_STREQ(info.identifier, SuppressionValueName(test.dialog)) << "the store's value name";
        EXPECT_EQ(info.title, test.title);
        EXPECT_EQ(info.style, test.style) << test.title;
        EXPECT_EQ(info.defaultAnswer, test.defaultAnswer) << test.title;
    }
}

TEST_F(SuppressibleDialogsTest, SaveQuestionBodiesDependOnTheFileName) {
    EXPECT_EQ(SaveQuestionBody(SuppressibleDialog::CloseApp, true), kNamedLead + kCloseAnswers);
    EXPECT_EQ(SaveQuestionBody(SuppressibleDialog::CloseApp, false), kUnnamedLead + kCloseAnswers);
    EXPECT_EQ(SaveQuestionBody(SuppressibleDialog::NewFile, true), kNamedLead + kNewAnswers);
    EXPECT_EQ(SaveQuestionBody(SuppressibleDialog::NewFile, false), kUnnamedLead + kNewAnswers);
    EXPECT_EQ(SaveQuestionBody(SuppressibleDialog::LoadFile, true), kNamedLead + kLoadAnswers);
    EXPECT_EQ(SaveQuestionBody(SuppressibleDialog::LoadFile, false), kUnnamedLead + kLoadAnswers);
    EXPECT_EQ(SaveQuestionBody(SuppressibleDialog::GoOnline, true), "");
}

TEST_F(SuppressibleDialogsTest, GoOnlineBodyDependsOnTheStep) {
    const std::string grant = "\x95Press/click the Yes button to grant Tarvelix access to the ";
    EXPECT_EQ(GoOnlineBody(OnlineStep::HomePage), kHomePageBody);
    EXPECT_EQ(GoOnlineBody(OnlineStep::UpdateCheck),
              "Checking for Tarvelix updates requires accessing the Internet.\r\n\r\n" + grant +
                  "Zem website and \r\n check for updates." + kOnlineNo);
    EXPECT_EQ(GoOnlineBody(OnlineStep::UsageLink),
              "Displaying the requested Tarvelix help requires accessing the Internet.\r\n\r\n" + grant +
                  "Zem website and \r\n display the requested help." + kOnlineNo);
    const std::string link = "\r\n\r\n" + grant + "requested site on the Internet." + kOnlineNo;
    EXPECT_EQ(GoOnlineBody(OnlineStep::AboutLink, "https://zem.example/tarvelix"),
              "Displaying the Tarvelix Home Page requires accessing the Internet." + link);
    EXPECT_EQ(GoOnlineBody(OnlineStep::AboutLink, "https://www.microsoft.com/windows"),
              "Displaying the Microsoft Home Page requires accessing the Internet." + link);
    // The address is matched in its exact letter case.
    EXPECT_EQ(GoOnlineBody(OnlineStep::AboutLink, "https://www.Microsoft.com/"),
              "Displaying the Tarvelix Home Page requires accessing the Internet." + link);
}

TEST_F(SuppressibleDialogsTest, DeactivationBodiesNameTheSystemDrive) {
    EXPECT_EQ(No8Dot3ExceptSysVolBody("\"C:\""), kExceptSysVolBody);
    EXPECT_EQ(No8Dot3AllVolsBody(), kAllVolsBody);
}

TEST_F(SuppressibleDialogsTest, StartupNoticeBodyFollowsTheSetting) {
    EXPECT_EQ(Startup8Dot3InfoBody(1, "C:"), kStartupDisabledBody);
    EXPECT_EQ(Startup8Dot3InfoBody(2, "C:"),
              "DOS File Names Only Supported on Select NTFS Volumes\r\n\r\n"
              "Note, that on this system only some NTFS volumes support 8.3 file names,\r\nothers do not." +
                  kStartupSuppress);
    EXPECT_EQ(Startup8Dot3InfoBody(3, "d:"),
              "Short File Names Supported on System Volume Only\r\n\r\n"
              "Note, that this system has been cofigured to support 8.3 file names\r\n"
              "on the volume on which Windows resides (drive D:) only.\r\n\r\n"
              "Short, 8.3 file names are therefore NOT available on any OTHER NTFS volumes on this computer." +
                  kStartupSuppress);
    for (uint32_t setting : {0u, 4u, 0xFFFFFFFFu}) EXPECT_EQ(Startup8Dot3InfoBody(setting, "C:"), "") << setting;

    test::WindowCounter windows;
    EXPECT_EQ(ShowStartup8Dot3InfoDlg(nullptr, 0, "C:"), 0);
    EXPECT_EQ(windows.Count(), 0);
}

// "NO" suppresses in any letter case.
TEST_F(SuppressibleDialogsTest, SuppressedDialogReturnsItsDefaultAnswerAtOnceWithoutAWindow) {
    const char* const noTexts[] = {"NO", "no", "No", "nO", "NO", "no", "NO"};
    int i = 0;
    for (const DialogCase& test : kCases) {
        PutString(kDontShowKey, test.identifier, noTexts[i++]);
        test::WindowCounter windows;
        const DWORD start = ::GetTickCount();
        EXPECT_EQ(ShowDialog(test.dialog), test.defaultAnswer) << test.title;
        EXPECT_LT(::GetTickCount() - start, 1000u) << test.title;
        EXPECT_EQ(windows.Count(), 0) << test.title;
        EXPECT_TRUE(config_.DontShow(test.dialog)) << test.title;
    }
}

}  // namespace
}  // namespace zem::test
