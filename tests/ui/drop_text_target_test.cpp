// The text drop target's scrolling near the edges of a control with scroll bars, its text
// fetched on entering, and an effect decided by its owner.
#include <gtest/gtest.h>

#include <string>

#include "base/unique.h"
#include "test_support.h"
#include "ui/drop_text_source.h"
#include "ui/drop_text_target.h"

namespace zem {
namespace {

TEST(ScrollStepFor, TheEdgeWithinTheMarginInTheDirectionsTheControlScrolls) {
    const RECT area{0, 0, 200, 100};
    const auto step = [&](int x, int y, bool horizontal, bool vertical) {
        const ScrollStep found = ScrollStepFor(POINT{x, y}, area, 10, horizontal, vertical);
        return std::make_pair(found.message, found.request);
    };
    EXPECT_EQ(step(100, 5, true, true), std::make_pair(UINT{WM_VSCROLL}, WORD{SB_LINEUP}));
    EXPECT_EQ(step(100, 90, true, true), std::make_pair(UINT{WM_VSCROLL}, WORD{SB_LINEDOWN}));
    EXPECT_EQ(step(100, 89, true, true), std::make_pair(UINT{0}, WORD{0}));
    EXPECT_EQ(step(9, 50, true, true), std::make_pair(UINT{WM_HSCROLL}, WORD{SB_LINELEFT}));
    EXPECT_EQ(step(195, 50, true, false), std::make_pair(UINT{WM_HSCROLL}, WORD{SB_LINERIGHT}));
    EXPECT_EQ(step(100, 5, true, false), std::make_pair(UINT{0}, WORD{0}));  // no vertical scroll bar
    EXPECT_EQ(step(5, 50, false, true), std::make_pair(UINT{0}, WORD{0}));   // no horizontal one
}

class DropTargetTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string lines;
        for (int i = 0; i < 200; ++i) lines += "line\r\n";
        edit_ = ::CreateWindowExA(0, "EDIT", lines.c_str(), WS_POPUP | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE, 100,
                                  100, 300, 200, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(edit_, nullptr);
        ASSERT_EQ(target_.RegisterTarget(edit_), 0u);
        data_ = CreateTextDataObject("dropped");
    }
    void TearDown() override {
        if (data_) data_->Release();
        target_.UnregisterTarget();
        ::DestroyWindow(edit_);
    }
    POINTL ScreenPoint(int x, int y) const {
        POINT point{x, y};
        ::ClientToScreen(edit_, &point);
        return {point.x, point.y};
    }
    int FirstVisibleLine() const { return static_cast<int>(::SendMessageA(edit_, EM_GETFIRSTVISIBLELINE, 0, 0)); }

    test::ComApartment apartment_;
    HWND edit_ = nullptr;
    TDropTextTarget target_;
    IDataObject* data_ = nullptr;
};

TEST_F(DropTargetTest, ScrollsWhileTheDragRestsNearTheBottomAndStopsAwayFromIt) {
    DWORD effect = DROPEFFECT_COPY;
    ASSERT_EQ(target_.DragEnter(data_, 0, ScreenPoint(150, 100), &effect), S_OK);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));
    effect = DROPEFFECT_COPY;
    target_.DragOver(0, ScreenPoint(150, 195), &effect);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY | DROPEFFECT_SCROLL));
    EXPECT_TRUE(target_.Scrolling());
    test::PumpMessages(450);
    const int scrolled = FirstVisibleLine();
    EXPECT_GE(scrolled, 2);

    effect = DROPEFFECT_COPY;
    target_.DragOver(0, ScreenPoint(150, 100), &effect);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));
    EXPECT_FALSE(target_.Scrolling());
    test::PumpMessages(250);
    EXPECT_EQ(FirstVisibleLine(), scrolled);

    effect = DROPEFFECT_COPY;
    target_.DragOver(0, ScreenPoint(150, 2), &effect);
    test::PumpMessages(250);
    EXPECT_LT(FirstVisibleLine(), scrolled);
    target_.DragLeave();
    EXPECT_FALSE(target_.Scrolling());
}

TEST_F(DropTargetTest, TheDropNeverCarriesTheScrollFlagAndStopsTheTimer) {
    std::string dropped;
    DWORD droppedEffect = 0;
    target_.OnDrop = [&](const std::string& text, POINT, DWORD effect) {
        dropped = text;
        droppedEffect = effect;
    };
    DWORD effect = DROPEFFECT_COPY;
    target_.DragEnter(data_, 0, ScreenPoint(150, 195), &effect);
    target_.DragOver(0, ScreenPoint(150, 195), &effect);
    EXPECT_TRUE(target_.Scrolling());
    effect = DROPEFFECT_COPY;
    target_.Drop(data_, 0, ScreenPoint(150, 195), &effect);
    EXPECT_FALSE(target_.Scrolling());
    EXPECT_EQ(dropped, "dropped");
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));
    EXPECT_EQ(droppedEffect, static_cast<DWORD>(DROPEFFECT_COPY));
}

TEST_F(DropTargetTest, TheOwnerMayDecideTheEffectAndTheTextMayBeFetchedOnEntering) {
    DropTargetTest::TearDown();
    TDropTextTarget target(dtCopy | dtMove);
    edit_ = ::CreateWindowExA(0, "EDIT", "", WS_POPUP | WS_VISIBLE, 0, 0, 200, 30, nullptr, nullptr, nullptr, nullptr);
    ASSERT_EQ(target.RegisterTarget(edit_), 0u);
    data_ = CreateTextDataObject("first");
    DWORD asked = 0;
    target.OnGetDropEffect = [&](DWORD, POINT, DWORD allowed) {
        asked = allowed;
        return static_cast<DWORD>(DROPEFFECT_MOVE);
    };
    target.GetDataOnEnter = true;
    std::string dropped;
    target.OnDrop = [&](const std::string& text, POINT, DWORD) { dropped = text; };
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
    target.DragEnter(data_, 0, ScreenPoint(10, 10), &effect);
    EXPECT_EQ(asked, static_cast<DWORD>(DROPEFFECT_COPY | DROPEFFECT_MOVE));
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_MOVE));  // no scroll bars: never the scroll flag
    // The text was taken on entering: a drop of other data delivers it.
    IDataObject* other = CreateTextDataObject("second");
    effect = DROPEFFECT_COPY;
    target.Drop(other, 0, ScreenPoint(10, 10), &effect);
    other->Release();
    EXPECT_EQ(dropped, "first");
    target.UnregisterTarget();
}

}  // namespace
}  // namespace zem
