// The output editor's OLE callback: its answers for each method and key state, and its
// registration with a real rich-edit control.
#include <gtest/gtest.h>

#include <richedit.h>

#include "base/status_codes.h"
#include "editor/ole_callback.h"

namespace zem {
namespace {

class OleCallbackTest : public ::testing::Test {
protected:
    void SetUp() override {
        library_ = ::LoadLibraryA("riched20.dll");
        editor_ = ::CreateWindowExA(0, RICHEDIT_CLASSA, "", WS_POPUP | ES_MULTILINE, 0, 0, 200, 100, nullptr, nullptr,
                                    nullptr, nullptr);
        ASSERT_NE(editor_, nullptr);
    }
    void TearDown() override {
        ::DestroyWindow(editor_);
        ::FreeLibrary(library_);
    }
    HMODULE library_ = nullptr;
    HWND editor_ = nullptr;
};

TEST_F(OleCallbackTest, TheBaseAnswersAsTheControlsDefaults) {
    TZemRichEditOleCallback callback(editor_);
    LPSTORAGE storage = reinterpret_cast<LPSTORAGE>(1);
    EXPECT_EQ(callback.GetNewStorage(&storage), S_OK);
    EXPECT_EQ(storage, nullptr);
    LPOLEINPLACEFRAME frame = reinterpret_cast<LPOLEINPLACEFRAME>(1);
    LPOLEINPLACEUIWINDOW document = reinterpret_cast<LPOLEINPLACEUIWINDOW>(1);
    EXPECT_EQ(callback.GetInPlaceContext(&frame, &document, nullptr), E_NOTIMPL);
    EXPECT_EQ(frame, nullptr);
    EXPECT_EQ(document, nullptr);
    EXPECT_EQ(callback.ShowContainerUI(TRUE), S_OK);
    EXPECT_EQ(callback.QueryInsertObject(nullptr, nullptr, 0), S_OK);
    EXPECT_EQ(callback.DeleteObject(nullptr), S_OK);
    EXPECT_EQ(callback.ContextSensitiveHelp(TRUE), E_NOTIMPL);
    LPDATAOBJECT data = reinterpret_cast<LPDATAOBJECT>(1);
    EXPECT_EQ(callback.GetClipboardData(nullptr, 0, &data), E_NOTIMPL);
    EXPECT_EQ(data, nullptr);
    DWORD effect = 7;
    EXPECT_EQ(callback.GetDragDropEffect(FALSE, MK_SHIFT, &effect), S_OK);
    EXPECT_EQ(effect, 7u);
    EXPECT_EQ(callback.GetContextMenu(0, nullptr, nullptr, nullptr), E_NOTIMPL);
}

TEST_F(OleCallbackTest, DragsCopyWithTheLeftButtonAloneAndMoveWithAnyKey) {
    TZemTarvelixREOleCallback callback(editor_, nullptr, nullptr);
    DWORD effect = 0;
    EXPECT_EQ(callback.GetDragDropEffect(TRUE, 0, &effect), S_OK);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY | DROPEFFECT_MOVE));
    for (DWORD keys : {0ul, static_cast<DWORD>(MK_LBUTTON)}) {
        EXPECT_EQ(callback.GetDragDropEffect(FALSE, keys, &effect), S_OK);
        EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY)) << keys;
    }
    for (DWORD keys : {static_cast<DWORD>(MK_LBUTTON | MK_SHIFT), static_cast<DWORD>(MK_LBUTTON | MK_CONTROL),
                       static_cast<DWORD>(MK_RBUTTON)}) {
        EXPECT_EQ(callback.GetDragDropEffect(FALSE, keys, &effect), S_OK);
        EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_MOVE)) << keys;
    }
}

TEST_F(OleCallbackTest, EverythingImportedBecomesPlainText) {
    TZemTarvelixREOleCallback callback(editor_, nullptr, nullptr);
    CLIPFORMAT format = static_cast<CLIPFORMAT>(::RegisterClipboardFormatA("Rich Text Format"));
    EXPECT_EQ(callback.QueryAcceptData(nullptr, &format, 0, TRUE, nullptr), S_OK);
    EXPECT_EQ(format, CF_TEXT);
    format = CF_UNICODETEXT;  // 13: odd numbers are accepted when only asked
    EXPECT_EQ(callback.QueryAcceptData(nullptr, &format, 0, FALSE, nullptr), S_OK);
    format = CF_BITMAP;  // 2
    EXPECT_EQ(callback.QueryAcceptData(nullptr, &format, 0, FALSE, nullptr), S_FALSE);
    EXPECT_EQ(format, CF_BITMAP);
}

TEST_F(OleCallbackTest, RegisteringHandsTheCallbackToTheControlAndBack) {
    TZemTarvelixREOleCallback callback(editor_, nullptr, nullptr);
    ASSERT_EQ(callback.RegisterCallback(), 0u);
    EXPECT_GT(callback.ReferenceCount(), 0);
    ASSERT_EQ(callback.UnregisterCallback(), 0u);
    EXPECT_EQ(callback.ReferenceCount(), 0);

    TZemRichEditOleCallback noControl(nullptr);
    EXPECT_EQ(noControl.RegisterCallback(), ErrNoControl);
    {
        TZemRichEditOleCallback held(editor_);
        ASSERT_EQ(held.RegisterCallback(), 0u);
    }  // destroyed while the control holds it: taken back first
    TZemRichEditOleCallback next(editor_);
    EXPECT_EQ(next.RegisterCallback(), 0u);  // the control is free to take another
    next.UnregisterCallback();
}

}  // namespace
}  // namespace zem
