// The Help buttons of the file dialogs: Load, Save As and the Preferences dialog's choice of
// the default output file each open their own help topic.
#include <windows.h>
#include <dlgs.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "app/preferences_dialog.h"
#include "base/strings.h"
#include "info/help.h"
#include "main_window_fixture.h"
#include "resource.h"

namespace zem::test {
namespace {

// Waits for the file dialog titled `title`, presses its Help button as the mouse does and then
// closes it with Cancel; gives up after ten seconds so that a test never hangs.
class HelpButtonPresser {
public:
    explicit HelpButtonPresser(std::string title) : title_(std::move(title)), watcher_([this] { Watch(); }) {}
    ~HelpButtonPresser() { Pressed(); }
    HelpButtonPresser(const HelpButtonPresser&) = delete;
    HelpButtonPresser& operator=(const HelpButtonPresser&) = delete;

    bool Pressed() {
        if (watcher_.joinable()) watcher_.join();
        return pressed_;
    }

private:
    void Watch() {
        for (int i = 0; i < 500; ++i) {
            const HWND dialog = ::FindWindowA("#32770", title_.c_str());
            const HWND help = dialog ? ::GetDlgItem(dialog, pshHelp) : nullptr;
            if (help && ::IsWindowVisible(dialog)) {
                pressed_ = ::IsWindowVisible(help) && ::IsWindowEnabled(help);
                // Returns once the dialog's thread has handled the click, help request included.
                ::SendMessageA(help, BM_CLICK, 0, 0);
                ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }

    std::string title_;
    std::atomic<bool> pressed_{false};
    std::thread watcher_;
};

// Stands in for the help viewer: the first request is recorded and every one is refused.
class FirstTopic : public HelpViewer {
public:
    explicit FirstTopic(std::string& target) : target_(target) {}
    HWND DisplayTopic(HWND, const std::string& target) override {
        if (target_.empty()) target_ = target;
        return nullptr;
    }
    std::string LastErrorText() override { return {}; }

private:
    std::string& target_;
};

class FileDialogHelpTest : public MainWindowTest {
protected:
    // Runs the command whose file dialog is titled by `titleId` and presses the dialog's Help.
    void PressHelpOf(UINT command, UINT titleId) {
        TForm1& form = Start();
        form.UseHelpViewer(std::make_unique<FirstTopic>(topic_));
        HelpButtonPresser presser(ResString(titleId));
        Click(form, command);
        EXPECT_TRUE(presser.Pressed()) << "no dialog with a Help button appeared";
    }
    std::string topic_;
};

TEST_F(FileDialogHelpTest, TheSaveDialogsHelpButtonOpensItsTopic) {
    PressHelpOf(MMFileSaveOutputAs, IDS_SAVE_TITLE);
    EXPECT_EQ(topic_, "ms-its:TarvelixHelpEn.chm::/Description/SaveFileDialog.htm#17600");
}

TEST_F(FileDialogHelpTest, TheLoadDialogsHelpButtonOpensItsTopic) {
    store_.SetDontShow(SuppressibleDialog::LoadFile, true);  // no question before the dialog
    PressHelpOf(MMFileLoad, IDS_LOAD_TITLE);
    store_.SetDontShow(SuppressibleDialog::LoadFile, false);
    EXPECT_EQ(topic_, "ms-its:TarvelixHelpEn.chm::/Description/OpenFileDialog.htm#17610");
}

TEST_F(FileDialogHelpTest, TheDefaultFileSelectionsHelpButtonOpensItsTopic) {
    std::vector<DWORD> contexts;
    TTarvelixConfigDlg dialog(&store_, false, [&contexts](DWORD context) { contexts.push_back(context); });
    const HWND hwnd = dialog.Create(nullptr);
    ASSERT_NE(hwnd, nullptr);
    ::ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    HelpButtonPresser presser("Select Default Output File");
    ::SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDC_SEL_DEF_OUTPUT_FILE_BUTTON, BN_CLICKED), 0);
    EXPECT_TRUE(presser.Pressed()) << "no dialog with a Help button appeared";
    EXPECT_EQ(contexts, std::vector<DWORD>{kSelectDefaultFileHelpContext});
    EXPECT_EQ(HelpTopicFor(contexts.empty() ? 0 : contexts[0]), "::/Description/SelDefOuputFileDialog.htm#7650");
}

}  // namespace
}  // namespace zem::test
