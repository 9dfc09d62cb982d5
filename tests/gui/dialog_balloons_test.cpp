// The dialogs opened from the menus never stand under a balloon left over from the main window.
#include <atomic>
#include <chrono>
#include <cstring>
#include <thread>

#include "main_window_fixture.h"
#include "resource.h"

namespace zem::test {
namespace {

bool IsVisibleOfClass(HWND window, const char* wanted) {
    char className[64] = {};
    ::GetClassNameA(window, className, sizeof(className));
    return std::strcmp(className, wanted) == 0 && ::IsWindowVisible(window);
}

BOOL CALLBACK CountVisibleToolTips(HWND window, LPARAM count) {
    if (IsVisibleOfClass(window, TOOLTIPS_CLASSA)) ++*reinterpret_cast<int*>(count);
    return TRUE;
}

BOOL CALLBACK FindVisibleDialog(HWND window, LPARAM found) {
    if (!IsVisibleOfClass(window, "#32770")) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

// Balloons on edit fields, the system's or the program's own, are tooltip windows.
int VisibleBalloons(DWORD thread) {
    int count = 0;
    ::EnumThreadWindows(thread, CountVisibleToolTips, reinterpret_cast<LPARAM>(&count));
    return count;
}

// Closes every dialog of `thread` as it appears (a dialog may bring message boxes of its own
// first) and counts the balloons showing when the first one is up; stops when told.
class DialogCloser {
public:
    explicit DialogCloser(DWORD thread) : thread_(thread), watcher_([this] { Watch(); }) {}
    ~DialogCloser() { BalloonsWhileShown(); }
    DialogCloser(const DialogCloser&) = delete;
    DialogCloser& operator=(const DialogCloser&) = delete;

    // -1 when no dialog appeared.
    int BalloonsWhileShown() {
        stop_ = true;
        if (watcher_.joinable()) watcher_.join();
        return balloons_;
    }

private:
    void Watch() {
        // Ten seconds at most, so that a test never hangs.
        for (int i = 0; i < 500 && !stop_; ++i) {
            HWND dialog = nullptr;
            ::EnumThreadWindows(thread_, FindVisibleDialog, reinterpret_cast<LPARAM>(&dialog));
            if (dialog) {
                if (balloons_ < 0) balloons_ = VisibleBalloons(thread_);
                ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }

    DWORD thread_;
    std::atomic<bool> stop_{false};
    std::atomic<int> balloons_{-1};
    std::thread watcher_;
};

class DialogBalloonTest : public MainWindowTest {
protected:
    // The path box's balloon about a path that does not exist is showing.
    TForm1& StartWithPathBalloon() {
        TForm1& form = Start();
        form.FileNameComboBox1().SetText(temp_.Path() + "\\No Such File.txt");
        ::SendMessageA(form.Handle(), WM_COMMAND, MAKEWPARAM(IDC_FILENAMECOMBOBOX1, CBN_EDITCHANGE),
                       reinterpret_cast<LPARAM>(form.FileNameComboBox1().Handle()));
        Click(form, MMActionConvert);
        EXPECT_GT(VisibleBalloons(::GetCurrentThreadId()), 0);
        return form;
    }
    TempFolder temp_;
};

TEST_F(DialogBalloonTest, PreferencesOpenWithoutThePathBoxsBalloon) {
    TForm1& form = StartWithPathBalloon();
    DialogCloser watcher(::GetCurrentThreadId());
    Click(form, MMOptionsPreferences);
    EXPECT_EQ(watcher.BalloonsWhileShown(), 0);
    EXPECT_FALSE(form.FieldBalloonTip().Visible());
}

TEST_F(DialogBalloonTest, AboutOpensWithoutThePathBoxsBalloon) {
    TForm1& form = StartWithPathBalloon();
    DialogCloser watcher(::GetCurrentThreadId());
    Click(form, MMHelpAbout);
    EXPECT_EQ(watcher.BalloonsWhileShown(), 0);
}

}  // namespace
}  // namespace zem::test
