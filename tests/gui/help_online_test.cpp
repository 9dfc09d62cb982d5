// Help requests, the two online commands and printing in the live window.
#include <atomic>
#include <mutex>

#include "app/help_contexts.h"
#include "base/system.h"
#include "main_window_fixture.h"
#include "resource.h"

namespace zem::test {
namespace {

// Stands in for the help viewer: every request is recorded and refused.
class ViewerLog : public HelpViewer {
public:
    explicit ViewerLog(std::vector<std::string>& targets) : targets_(targets) {}
    HWND DisplayTopic(HWND, const std::string& target) override {
        targets_.push_back(target);
        return nullptr;
    }
    std::string LastErrorText() override { return {}; }

private:
    std::vector<std::string>& targets_;
};

// Stands in for the shell: records the addresses and, while held, keeps the opener busy.
struct OpenerLog {
    static inline std::mutex lock;
    static inline std::vector<std::string> addresses;
    static inline HANDLE release = nullptr;

    static INT_PTR Open(const std::string& address) {
        if (release) ::WaitForSingleObject(release, 5000);
        std::lock_guard<std::mutex> guard(lock);
        addresses.push_back(address);
        return 42;
    }
    static std::vector<std::string> Addresses() {
        std::lock_guard<std::mutex> guard(lock);
        return addresses;
    }
};

void PumpUntilIdle(TForm1& form) {
    for (int i = 0; i < 100 && form.URLInfo.Busy(); ++i) PumpMessages(20);
}

class HelpTest : public MainWindowTest {
protected:
    TForm1& StartRecording() {
        TForm1& form = Start();
        form.UseHelpViewer(std::make_unique<ViewerLog>(targets_));
        return form;
    }
    std::vector<std::string> targets_;
};

TEST_F(HelpTest, F1OpensTheContentsAndMenuItemsTheirTopics) {
    TForm1& form = StartRecording();
    EXPECT_TRUE(form.MenuEnabled(MMHelpHelp));
    Deliver(form.Handle(), WM_KEYDOWN, VK_F1, 0);
    ASSERT_FALSE(targets_.empty());
    EXPECT_EQ(targets_[0], "ms-its:TarvelixHelpEn.chm::/TableOfContents/TableOfContents.htm");

    targets_.clear();
    HELPINFO request{sizeof(request), HELPINFO_MENUITEM, static_cast<int>(MMFileSaveOutput), form.MainMenu(), 0, {}};
    EXPECT_EQ(::SendMessageA(form.Handle(), WM_HELP, 0, reinterpret_cast<LPARAM>(&request)), TRUE);
    ASSERT_FALSE(targets_.empty());
    EXPECT_EQ(targets_[0], "ms-its:TarvelixHelpEn.chm::/Description/MainWindow.htm#7104");

    targets_.clear();
    const HWND memo = form.Memo1().Handle();
    HELPINFO control{sizeof(control), HELPINFO_WINDOW, IDC_MEMO1, memo, ::GetWindowContextHelpId(memo), {}};
    ::SendMessageA(form.Handle(), WM_HELP, 0, reinterpret_cast<LPARAM>(&control));
    ASSERT_FALSE(targets_.empty());
    EXPECT_EQ(targets_[0], "ms-its:TarvelixHelpEn.chm::/Description/MainWindow.htm#7351");
}

TEST_F(HelpTest, TheLoadErrorBoxsHelpButtonOpensItsTopic) {
    TempFolder temp;
    store_.SetDefEditorFile(temp.Path() + "\\Missing.txt");
    form_ = std::make_unique<TForm1>();
    ASSERT_TRUE(form_->Create());
    form_->UseHelpViewer(std::make_unique<ViewerLog>(targets_));
    MessageBoxAnswerer answerer({MessageBoxAnswerer::kAskForHelp, IDOK});
    form_->Show(SW_SHOWNORMAL);  // the start file cannot be loaded
    PumpMessages();
    ASSERT_TRUE(answerer.Wait());
    PumpMessages();
    EXPECT_EQ(answerer.Caption(), "Error");
    ASSERT_FALSE(targets_.empty());
    EXPECT_EQ(targets_[0], "ms-its:TarvelixHelpEn.chm::/Description/OpenFileErrorDialog.htm#17900");
}

TEST_F(HelpTest, TheRealViewerShowsTheBuiltHelpFile) {
    const std::string file = ExecutableFolder() + "\\..\\bin\\TarvelixHelpEn.chm";
    auto viewer = CreateHtmlHelpViewer();
    const HWND window = viewer->DisplayTopic(nullptr, file + "::/TableOfContents/TableOfContents.htm");
    EXPECT_NE(window, nullptr);
    EXPECT_TRUE(::IsWindow(window));
    viewer.reset();  // closes the viewer's windows
    PumpMessages();
}

// The online question is suppressed for the scope; a suppressed question answers Yes.
class OnlineQuestionSuppressed {
public:
    explicit OnlineQuestionSuppressed(TTarvelixAppConfig& store) : store_(store) {
        store_.SetDontShow(SuppressibleDialog::GoOnline, true);
    }
    ~OnlineQuestionSuppressed() { store_.SetDontShow(SuppressibleDialog::GoOnline, false); }

private:
    TTarvelixAppConfig& store_;
};

TEST_F(MainWindowTest, TheHomePageOpensOnceTheQuestionIsAnsweredYes) {
    OnlineQuestionSuppressed suppressed(store_);
    OpenerLog::addresses.clear();
    TForm1& form = Start();
    form.URLInfo.open = OpenerLog::Open;
    Click(form, MMHelpHomePage);
    PumpUntilIdle(form);
    ASSERT_EQ(OpenerLog::Addresses().size(), 1u);
    EXPECT_EQ(OpenerLog::Addresses()[0], TarvelixHomePageAddress());
    EXPECT_NE(TarvelixHomePageAddress().find("/en/products/applications/tarvelix/Index.htm"), std::string::npos);
    EXPECT_FALSE(form.URLInfo.Busy());
    EXPECT_EQ(form.URLInfo.owner, nullptr);
    EXPECT_EQ(form.URLInfo.address, "");
}

TEST_F(MainWindowTest, AnUpdateCheckWhileThePageIsStillOpeningIsDropped) {
    OnlineQuestionSuppressed suppressed(store_);
    OpenerLog::addresses.clear();
    const UniqueHandle release(::CreateEventA(nullptr, TRUE, FALSE, nullptr));
    OpenerLog::release = release.Get();
    TForm1& form = Start();
    form.URLInfo.open = OpenerLog::Open;
    Click(form, MMHelpHomePage);
    EXPECT_TRUE(form.URLInfo.Busy());
    Click(form, MMHelpCheckForUpdates);
    ::SetEvent(release.Get());
    PumpUntilIdle(form);
    OpenerLog::release = nullptr;
    EXPECT_EQ(OpenerLog::Addresses().size(), 1u);
    EXPECT_FALSE(form.URLInfo.Busy());
}

TEST_F(MainWindowTest, AnsweringNoToTheOnlineQuestionOpensNothing) {
    OpenerLog::addresses.clear();
    TForm1& form = Start();
    form.URLInfo.open = OpenerLog::Open;
    MessageBoxAnswerer answerer(IDNO);
    Click(form, MMHelpCheckForUpdates);
    ASSERT_TRUE(answerer.Wait());
    PumpMessages(50);
    EXPECT_FALSE(form.URLInfo.Busy());
    EXPECT_TRUE(OpenerLog::Addresses().empty());
}

TEST_F(MainWindowTest, ClearListFollowsThePathHistory) {
    TForm1& form = Start();
    EXPECT_FALSE(form.MenuEnabled(MMHistClearFileNames));
    form.FileNameComboBox1().SetText("C:\\windows");
    ::SendMessageA(form.Handle(), WM_COMMAND, MAKEWPARAM(IDC_FILENAMECOMBOBOX1, CBN_EDITCHANGE),
                   reinterpret_cast<LPARAM>(form.FileNameComboBox1().Handle()));
    Click(form, MMActionConvert);
    EXPECT_TRUE(form.MenuEnabled(MMHistClearFileNames));
    Click(form, MMHistClearFileNames);
    EXPECT_EQ(form.FileNameComboBox1().Count(), 0);
    EXPECT_FALSE(form.MenuEnabled(MMHistClearFileNames));
    EXPECT_FALSE(form.MenuEnabled(MMHistClearFindTexts));  // its only item, the pseudo entry, went too
}

TEST_F(MainWindowTest, PrintingWithoutAPrinterLeavesTheDocumentAsItWas) {
    TForm1& form = Start();
    form.Output().AppendOutputLine("to be printed");
    const std::string text = WindowText(form.Memo1().Handle());
    ::SetFocus(form.Memo1().Handle());  // Print belongs to the editor
    PumpMessages();
    ASSERT_TRUE(form.MenuEnabled(MMFilePrint));
    // The test prefix has no printer: the print dialog warns, and the command ends.
    MessageBoxAnswerer answerer({IDOK, IDCANCEL}, std::chrono::seconds(3));
    Click(form, MMFilePrint);
    answerer.Wait();
    ASSERT_FALSE(answerer.Texts().empty());
    EXPECT_EQ(WindowText(form.Memo1().Handle()), text);
    EXPECT_TRUE(form.Memo1().Modified());
}

}  // namespace
}  // namespace zem::test
