// Options > Auto Complete in the live window: switched on, the path box completes the names of
// the folder being typed.
#include "main_window_fixture.h"
#include "resource.h"

namespace zem::test {
namespace {

TEST_F(MainWindowTest, AutoCompleteOnCompletesNamesInThePathBox) {
    TempFolder temp;
    temp.MakeFile("Only Entry.txt");
    TForm1& form = Start();
    Click(form, MMOptionsAutocompleteOn);
    EXPECT_TRUE(form.MenuChecked(MMOptionsAutocompleteOn));
    EXPECT_FALSE(form.MenuChecked(MMOptionsAutocompleteOff));
    const HWND edit = form.FileNameComboBox1().EditHandle();
    ::SetFocus(edit);
    form.FileNameComboBox1().SetText(temp.Path());
    ::SendMessageA(edit, EM_SETSEL, temp.Path().size(), temp.Path().size());
    for (char key : {'\\', 'O'}) ::SendMessageA(edit, WM_CHAR, static_cast<WPARAM>(key), 1);
    PumpMessages();
    EXPECT_EQ(form.FileNameComboBox1().Text(), temp.Path() + "\\Only Entry.txt");
}

}  // namespace
}  // namespace zem::test
