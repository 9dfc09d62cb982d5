// Text dropped on the path box and the search box through their OLE drop targets.
#include "main_window_fixture.h"
#include "resource.h"

namespace zem::test {
namespace {

// The clipboard's data object stands in for the data of a drag from another program.
IDataObject* TextData(const char* text) {
    PutTextOnClipboard(text);
    IDataObject* data = nullptr;
    return SUCCEEDED(::OleGetClipboard(&data)) ? data : nullptr;
}

DWORD DropOn(TDropTextTarget& target, IDataObject* data, DWORD keys) {
    RECT box{};
    ::GetWindowRect(target.Control(), &box);
    const POINTL point{box.right - 2, box.top + 4};
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    target.DragEnter(data, keys, point, &effect);
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    target.Drop(data, keys, point, &effect);
    PumpMessages();
    return effect;
}

TEST_F(MainWindowTest, TextDroppedOnThePathBoxIsInsertedAndCanBeConverted) {
    TForm1& form = Start();
    IDataObject* data = TextData("C:\\windows");
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(DropOn(form.DropTextTarget1(), data, MK_SHIFT), static_cast<DWORD>(DROPEFFECT_COPY));  // copy only
    EXPECT_EQ(form.FileNameComboBox1().Text(), "C:\\windows");
    EXPECT_TRUE(form.MenuEnabled(MMActionConvert));  // the box's change handling ran

    // A selected part of the text is replaced.
    ::SendMessageA(form.FileNameComboBox1().EditHandle(), EM_SETSEL, 3, 10);
    data->Release();
    data = TextData("temp");
    DropOn(form.DropTextTarget1(), data, 0);
    EXPECT_EQ(form.FileNameComboBox1().Text(), "C:\\temp");
    data->Release();
}

TEST_F(MainWindowTest, DataWithoutTextDropsNothingAndAMegabyteDoesNotHang) {
    TForm1& form = Start();
    PutTextOnClipboard(nullptr);
    IDataObject* empty = nullptr;
    ASSERT_TRUE(SUCCEEDED(::OleGetClipboard(&empty)));
    EXPECT_EQ(DropOn(form.DropTextTarget2(), empty, 0), static_cast<DWORD>(DROPEFFECT_NONE));
    EXPECT_EQ(form.FindEdit1().Text(), "");
    empty->Release();

    const std::string big(1 << 20, 'x');
    IDataObject* data = TextData(big.c_str());
    DropOn(form.DropTextTarget2(), data, 0);
    EXPECT_FALSE(form.FindEdit1().Text().empty());
    data->Release();
}

TEST_F(MainWindowTest, AShiftClickOnSelectedTextKeepsTheSelectionForADrag) {
    TForm1& form = Start();
    const HWND edit = form.FileNameComboBox1().EditHandle();
    form.FileNameComboBox1().SetText("C:\\windows\\system32");
    ::SendMessageA(edit, EM_SETSEL, 3, 10);
    const auto at = static_cast<DWORD>(::SendMessageA(edit, EM_POSFROMCHAR, 5, 0));
    const LPARAM inside = MAKELPARAM(LOWORD(at) + 1, HIWORD(at) + 2);
    Deliver(edit, WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, inside);
    Deliver(edit, WM_LBUTTONUP, MK_SHIFT, inside);
    DWORD start = 0, end = 0;
    ::SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 3u);
    EXPECT_EQ(end, 10u);
}

TEST(DropEffectFor, KeysAndDragTypesDecide) {
    const DWORD all = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
    EXPECT_EQ(DropEffectFor(0, all, all), static_cast<DWORD>(DROPEFFECT_COPY));
    EXPECT_EQ(DropEffectFor(MK_SHIFT, all, all), static_cast<DWORD>(DROPEFFECT_MOVE));
    EXPECT_EQ(DropEffectFor(MK_SHIFT | MK_CONTROL, all, all), static_cast<DWORD>(DROPEFFECT_LINK));
    EXPECT_EQ(DropEffectFor(MK_SHIFT, dtCopy, all), static_cast<DWORD>(DROPEFFECT_COPY));  // copy-only boxes
    EXPECT_EQ(DropEffectFor(0, dtMove | dtLink, DROPEFFECT_LINK), static_cast<DWORD>(DROPEFFECT_LINK));
    EXPECT_EQ(DropEffectFor(0, dtCopy, DROPEFFECT_MOVE), static_cast<DWORD>(DROPEFFECT_NONE));
}

}  // namespace
}  // namespace zem::test
