// The application hook, private messages, activation rules and shortcuts of the live window.
#include <cstring>

#include "app/private_messages.h"
#include "main_window_fixture.h"
#include "resource.h"

namespace zem::test {
namespace {

void HoldKeys(std::initializer_list<int> keys) {
    BYTE state[256] = {};
    for (int key : keys) state[key] = 0x80;
    ::SetKeyboardState(state);
}

TEST_F(MainWindowTest, ReleasingTheMouseInThePathBoxReevaluatesConvert) {
    TForm1& form = Start();
    const HWND edit = form.FileNameComboBox1().EditHandle();
    // Text set without a change notification: only the button release tells the window.
    ::SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("C:\\windows"));
    EXPECT_FALSE(::IsWindowEnabled(form.ConvertButton1()));
    Deliver(edit, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    EXPECT_TRUE(::IsWindowEnabled(form.ConvertButton1()));
    EXPECT_TRUE(form.MenuEnabled(MMActionConvert));

    ::SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    Deliver(edit, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    EXPECT_FALSE(::IsWindowEnabled(form.ConvertButton1()));
    EXPECT_FALSE(form.MenuEnabled(MMActionConvert));
}

TEST_F(MainWindowTest, ConvertStaysDisabledWhileTheDocumentIsReadOnly) {
    TForm1& form = Start();
    form.Memo1().SetReadOnly(true);
    form.FileNameComboBox1().SetText("C:\\windows");
    ::PostMessageA(form.Handle(), UM_COMBO_CHANGED, reinterpret_cast<WPARAM>(form.FileNameComboBox1().Handle()), 0);
    PumpMessages();
    EXPECT_FALSE(::IsWindowEnabled(form.ConvertButton1()));
}

TEST_F(MainWindowTest, ThreadDoneMessageClearsTheWebRequest) {
    TForm1& form = Start();
    form.URLInfo.owner = form.Handle();
    form.URLInfo.address = "https://example.invalid/";
    form.URLInfo.threadId = 42;
    ::PostMessageA(form.Handle(), UM_URL_THREAD_DONE, 1, 0);
    PumpMessages();
    EXPECT_EQ(form.URLInfo.owner, nullptr);
    EXPECT_TRUE(form.URLInfo.address.empty());
    EXPECT_EQ(form.URLInfo.threadId, 0u);
}

TEST_F(MainWindowTest, ActivationInAReadOnlyEditorDisablesPasteCutAndDelete) {
    TForm1& form = Start();
    ::SetWindowTextA(form.Memo1().Handle(), "some output text");
    form.Memo1().SetSelection(0, 4);
    PutTextOnClipboard("clipboard text");
    ::SetFocus(form.Memo1().Handle());
    PumpMessages();

    form.OnEnter();
    EXPECT_TRUE(form.MenuEnabled(MMEditPaste));
    EXPECT_TRUE(form.MenuEnabled(MMEditCut));
    EXPECT_TRUE(form.MenuEnabled(MMEditDelete));
    EXPECT_TRUE(MenuItemEnabled(form.RichEditPopupMenu(), RichEditPMPaste));

    form.Memo1().SetReadOnly(true);
    form.OnEnter();
    for (UINT id : {MMEditPaste, MMEditCut, MMEditDelete}) EXPECT_FALSE(form.MenuEnabled(id)) << id;
    EXPECT_FALSE(MenuItemEnabled(form.RichEditPopupMenu(), RichEditPMCut));

    // Editable again, but with an empty clipboard nothing can be pasted, cut or deleted.
    form.Memo1().SetReadOnly(false);
    PutTextOnClipboard(nullptr);
    form.OnEnter();
    for (UINT id : {MMEditPaste, MMEditCut, MMEditDelete}) EXPECT_FALSE(form.MenuEnabled(id)) << id;
}

TEST_F(MainWindowTest, EnteringThePathBoxFollowsItsText) {
    TForm1& form = Start();
    form.FileNameComboBox1().SetText("C:\\temp");
    PutTextOnClipboard("x");
    form.OnComboBoxEnter(form.FileNameComboBox1().Handle());
    EXPECT_FALSE(form.MenuEnabled(MMEditSelAll));
    EXPECT_TRUE(form.MenuEnabled(MMEditClearSel));
    EXPECT_TRUE(form.MenuEnabled(MMEditCopy));
    EXPECT_TRUE(form.MenuEnabled(MMEditCut));
    EXPECT_TRUE(form.MenuEnabled(MMEditPaste));
    EXPECT_FALSE(form.MenuEnabled(MMFilePrint));  // Print belongs to the editor
}

TEST_F(MainWindowTest, DeleteWithoutSelectionRemovesTheCharacterAfterTheCaret) {
    TForm1& form = Start();
    const ComboBox pathBox = form.FileNameComboBox1();
    pathBox.SetText("abc");
    ::SetFocus(pathBox.EditHandle());
    ::SendMessageA(pathBox.EditHandle(), EM_SETSEL, 1, 1);
    form.OnComboBoxEnter(pathBox.Handle());
    form.RunCommand(MMEditDelete);
    EXPECT_EQ(pathBox.Text(), "ac");
}

TEST_F(MainWindowTest, CtrlMinusAndCtrlPlusStepTheZoom) {
    TForm1& form = Start();
    ASSERT_TRUE(form.MenuChecked(MMZoom100Pct));
    HoldKeys({VK_CONTROL});
    Deliver(form.Memo1().Handle(), WM_KEYDOWN, VK_OEM_MINUS, 0);
    EXPECT_TRUE(form.MenuChecked(MMZoom75Pct));
    EXPECT_EQ(form.Memo1().Zoom(), 0x00040003u);
    Deliver(form.Memo1().Handle(), WM_KEYDOWN, VK_OEM_PLUS, 0);
    Deliver(form.Memo1().Handle(), WM_KEYDOWN, VK_OEM_PLUS, 0);
    EXPECT_TRUE(form.MenuChecked(MMZoom125Pct));
    HoldKeys({});
}

TEST_F(MainWindowTest, ZoomCommandsStopAtTheEndsOfTheScale) {
    TForm1& form = Start();
    form.RunCommand(MMZoom200Pct);
    form.OnMainMenuOptionsClick();
    EXPECT_FALSE(form.MenuEnabled(MMZoomIn));
    EXPECT_TRUE(form.MenuEnabled(MMZoomOut));
    form.RunCommand(MMZoomIn);  // disabled: nothing happens
    EXPECT_EQ(form.Memo1().Zoom(), 0x00010002u);

    form.RunCommand(MMZoom25Pct);
    form.OnMainMenuOptionsClick();
    EXPECT_TRUE(form.MenuEnabled(MMZoomIn));
    EXPECT_FALSE(form.MenuEnabled(MMZoomOut));
    EXPECT_TRUE(form.MenuChecked(MMZoom25Pct));
    EXPECT_FALSE(form.MenuChecked(MMZoom200Pct));
}

}  // namespace
}  // namespace zem::test
