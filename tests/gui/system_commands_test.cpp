// The shell actions on the selected path, as the live window starts them.
#include <vector>

#include "main_window_fixture.h"
#include "resource.h"

namespace zem::test {
namespace {

// Records what would be started.
class LaunchLog : public ShellLauncher {
public:
    LaunchResult Launch(HWND, const ShellLaunch& launch) override {
        launches.push_back(launch);
        return LaunchResult{true, 0};
    }
    std::vector<ShellLaunch> launches;
};

TEST_F(MainWindowTest, TheConsoleOpensInTheSelectedFolderAndRunsNothingElse) {
    TempFolder temp;
    const std::string folder = temp.MakeFolder("a & calc");
    TForm1& form = Start();
    LaunchLog log;
    form.UseShellLauncher(&log);
    ::SetWindowTextA(form.Memo1().Handle(), (folder + "\r\n").c_str());
    form.Memo1().SetSelection(0, static_cast<LONG>(folder.size()));
    PumpMessages();
    ASSERT_TRUE(form.MenuEnabled(MMFileOpenInConsole));
    EXPECT_FALSE(form.MenuEnabled(MMFileOpenWith));  // a folder, not a file
    Click(form, MMFileOpenInConsole);
    ASSERT_EQ(log.launches.size(), 1u);
    EXPECT_EQ(log.launches[0].parameters, "/K chdir /D \"" + folder + "\"");
    EXPECT_NE(log.launches[0].file.find("\\Cmd.exe"), std::string::npos) << log.launches[0].file;

    // A path that vanished after it was selected ends in the balloon, and nothing starts.
    ASSERT_TRUE(form.MenuEnabled(MMFileOpen));
    ::RemoveDirectoryA(folder.c_str());
    Click(form, MMFileOpen);
    EXPECT_EQ(log.launches.size(), 1u);
    ASSERT_NE(form.Balloon(), nullptr);
    EXPECT_TRUE(form.Balloon()->Visible());
    form.UseShellLauncher(nullptr);
}

}  // namespace
}  // namespace zem::test
