// The first showing: boxes of the start-up stand over the visible window, and a command line
// that ends the program never shows the window at all.
#include "main_window_fixture.h"
#include "resource.h"

namespace zem::test {
namespace {

// Notes, for every dialog box this thread creates, whether the main window was visible then.
class DialogWatch {
public:
    explicit DialogWatch(HWND mainWindow) {
        mainWindow_ = mainWindow;
        windowVisible_.clear();
        hook_ = ::SetWindowsHookExA(WH_CBT, &Hook, nullptr, ::GetCurrentThreadId());
    }
    ~DialogWatch() { ::UnhookWindowsHookEx(hook_); }
    DialogWatch(const DialogWatch&) = delete;
    DialogWatch& operator=(const DialogWatch&) = delete;

    const std::vector<bool>& WindowVisibleAtEachBox() const { return windowVisible_; }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HCBT_CREATEWND) {
            char className[32] = {};
            ::GetClassNameA(reinterpret_cast<HWND>(wParam), className, sizeof(className));
            if (std::string(className) == "#32770") windowVisible_.push_back(::IsWindowVisible(mainWindow_) != FALSE);
        }
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline HWND mainWindow_ = nullptr;
    static inline std::vector<bool> windowVisible_;
    HHOOK hook_ = nullptr;
};

class FirstShowTest : public MainWindowTest {
protected:
    TForm1& Create(StringList arguments) {
        arguments.insert(arguments.begin(), "ZemTarvelix.exe");
        form_ = std::make_unique<TForm1>(TZemCommanLineStrList(std::move(arguments)));
        EXPECT_TRUE(form_->Create());
        return *form_;
    }
};

TEST_F(FirstShowTest, BoxesOfTheStartStandOverTheVisibleWindow) {
    TempFolder temp;
    store_.SetDefEditorFile(temp.Path() + "\\gone.txt");
    RegistryAccessor registry;
    ASSERT_TRUE(registry.OpenKey(std::string(kAppRegistryKey) + "\\Edtior", true));
    registry.WriteString("ZoomFactor", "big");
    registry.CloseKey();

    TForm1& form = Create({});
    DialogWatch watch(form.Handle());
    MessageBoxAnswerer answerer(std::vector<int>{IDOK, IDOK});
    form.Show(SW_SHOWNORMAL);
    PumpMessages();
    ASSERT_TRUE(answerer.Wait());
    EXPECT_EQ(answerer.Texts().size(), 2u);
    EXPECT_EQ(watch.WindowVisibleAtEachBox(), std::vector<bool>({true, true}));
}

TEST_F(FirstShowTest, AHelpRequestEndsWithoutShowingTheWindow) {
    TForm1& form = Create({"/?"});
    DialogWatch watch(form.Handle());
    MessageBoxAnswerer answerer(IDOK);
    form.Show(SW_SHOWNORMAL);
    ASSERT_TRUE(answerer.Wait());
    EXPECT_EQ(answerer.Caption(), "Usage");
    EXPECT_EQ(watch.WindowVisibleAtEachBox(), std::vector<bool>({false}));
    EXPECT_FALSE(::IsWindowVisible(form.Handle()));
    MSG quit{};
    EXPECT_TRUE(::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST_F(FirstShowTest, AnErroneousCommandLineEndsWithoutShowingTheWindow) {
    TForm1& form = Create({"/xyz"});
    DialogWatch watch(form.Handle());
    MessageBoxAnswerer answerer(IDOK);
    form.Show(SW_SHOWNORMAL);
    ASSERT_TRUE(answerer.Wait());
    EXPECT_EQ(answerer.Text(), "Erroneous command line !");
    EXPECT_EQ(watch.WindowVisibleAtEachBox(), std::vector<bool>({false}));
    EXPECT_FALSE(::IsWindowVisible(form.Handle()));
    MSG quit{};
    EXPECT_TRUE(::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(static_cast<uint32_t>(quit.wParam), ErrUnknownSwitch);
}

TEST_F(FirstShowTest, ARelativeStartFileIsNamedByItsFullPath) {
    TempFolder temp;
    temp.MakeFile("relative start.txt", "started");
    char previous[MAX_PATH + 1] = {};
    ::GetCurrentDirectoryA(MAX_PATH, previous);
    ASSERT_TRUE(::SetCurrentDirectoryA(temp.Path().c_str()));
    TForm1& form = Create({"relative start.txt"});
    form.Show(SW_SHOWNORMAL);
    PumpMessages();
    ::SetCurrentDirectoryA(previous);

    const std::string full = temp.Path() + "\\relative start.txt";
    EXPECT_EQ(WindowText(form.Memo1().Handle()), "started");
    EXPECT_EQ(form.CurrentFileName, full);
    EXPECT_EQ(WindowText(form.Handle()), "Zem Tarvelix (" + CompactPath(full) + ")");
    ASSERT_GT(form.RecentFiles()->Count(), 0);
    EXPECT_EQ((*form.RecentFiles())[0].FileName, full);
    Close();
    EXPECT_EQ(store_.ReadEditorFiles(), StringList{full});
}

}  // namespace
}  // namespace zem::test
