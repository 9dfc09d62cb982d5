// The Preferences and About dialogs open from their menu items over the main window.
#include <gtest/gtest.h>

#include "app/about_dialog.h"
#include "main_window_fixture.h"
#include "resource.h"

namespace zem::test {
namespace {

bool MenuItemEnabled(const TForm1& form, UINT id) {
    return (::GetMenuState(::GetMenu(form.Handle()), id, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)) == 0;
}

TEST_F(MainWindowTest, PreferencesOpensFromTheOptionsMenuAndCamcelCloses) {
    TForm1& form = Start();
    ASSERT_TRUE(MenuItemEnabled(form, MMOptionsPreferences));
    MessageBoxAnswerer answerer(IDCANCEL);
    Click(form, MMOptionsPreferences);
    ASSERT_TRUE(answerer.Wait());
    EXPECT_EQ(answerer.Caption(), "Preferences");
    EXPECT_TRUE(::IsWindowEnabled(form.Handle()));
}

TEST_F(MainWindowTest, AboutOpensFromTheHelpMenuAndOkCloses) {
    TForm1& form = Start();
    ASSERT_TRUE(MenuItemEnabled(form, MMHelpAbout));
    // The messages this system gives while the dialog is made, counted on a dialog of their own.
    size_t messages = 0;
    {
        TZemVersionInfoDialog1 counting([&](const std::string&) { ++messages; });
        ASSERT_NE(counting.Create(nullptr), nullptr);
    }
    MessageBoxAnswerer answerer(std::vector<int>(messages + 1, IDOK));
    Click(form, MMHelpAbout);
    ASSERT_TRUE(answerer.Wait());
    EXPECT_EQ(answerer.Texts().size(), messages + 1);
    EXPECT_TRUE(::IsWindowEnabled(form.Handle()));
}

}  // namespace
}  // namespace zem::test
