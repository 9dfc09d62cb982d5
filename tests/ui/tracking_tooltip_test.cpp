// The tracking balloon over a control: lazy window, its one tool, title, text, showing and moving.
#include <gtest/gtest.h>
#include <windowsx.h>

#include "test_support.h"
#include "ui/tracking_tooltip.h"

namespace zem::test {
namespace {

class TrackingToolTipTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Tracking balloons only show over a visible window.
        parent_ = ::CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 500, 300, nullptr,
                                    nullptr, nullptr, nullptr);
        control_ = ::CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_MULTILINE, 10, 10, 300, 120, parent_,
                                     nullptr, nullptr, nullptr);
        ASSERT_TRUE(control_);
    }
    void TearDown() override {
        ::DestroyWindow(parent_);
        PumpMessages();
    }
    // A tip ready to show: window, tool, title and text.
    void Prepare(TZemTrackingToolTip& tip) {
        ASSERT_TRUE(tip.EnsureWindow());
        ASSERT_TRUE(tip.AddTool());
        tip.SetTitleIcon(TTI_WARNING);
        tip.SetTitle("Path");
        tip.SetText("Not found");
    }
    SIZE BalloonSize(const TZemTrackingToolTip& tip) {
        RECT rect{};
        ::GetWindowRect(tip.Window(), &rect);
        return SIZE{rect.right - rect.left, rect.bottom - rect.top};
    }
    std::string ToolText(const TZemTrackingToolTip& tip) {
        char buffer[100] = {};
        TTTOOLINFOA info = tip.ToolInfo();
        info.lpszText = buffer;
        ::SendMessageA(tip.Window(), TTM_GETTEXTA, sizeof(buffer), reinterpret_cast<LPARAM>(&info));
        return buffer;
    }

    HWND parent_ = nullptr;
    HWND control_ = nullptr;
};

TEST_F(TrackingToolTipTest, CreatesItsBalloonWindowOnlyWhenAsked) {
    TZemTrackingToolTip tip(control_);
    EXPECT_EQ(tip.Window(), nullptr);
    EXPECT_FALSE(tip.SetTitle("Title"));
    EXPECT_EQ(tip.Title(), "");
    ASSERT_TRUE(tip.EnsureWindow());
    const HWND window = tip.Window();
    char className[64] = {};
    ::GetClassNameA(window, className, sizeof(className));
    EXPECT_STREQ(className, TOOLTIPS_CLASSA);
    EXPECT_EQ(static_cast<DWORD>(::GetWindowLongA(window, GWL_STYLE)) & (WS_POPUP | TTS_BALLOON),
              static_cast<DWORD>(WS_POPUP | TTS_BALLOON));
    EXPECT_TRUE(::GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(::GetWindow(window, GW_OWNER), parent_);
    EXPECT_TRUE(tip.EnsureWindow());
    EXPECT_EQ(tip.Window(), window);
}

TEST_F(TrackingToolTipTest, DestroysItsWindowWithTheObject) {
    HWND window = nullptr;
    {
        TZemTrackingToolTip tip(control_);
        ASSERT_TRUE(tip.EnsureWindow());
        window = tip.Window();
    }
    EXPECT_FALSE(::IsWindow(window));
}

TEST_F(TrackingToolTipTest, RegistersTheControlAsItsOneTool) {
    TZemTrackingToolTip tip(control_);
    ASSERT_TRUE(tip.EnsureWindow());
    ASSERT_TRUE(tip.AddTool());
    EXPECT_EQ(::SendMessageA(tip.Window(), TTM_GETTOOLCOUNT, 0, 0), 1);
    const TTTOOLINFOA& info = tip.ToolInfo();
    // 44 bytes in the 32-bit program; the pointers of the 64-bit twin make it 64.
    EXPECT_EQ(info.cbSize, sizeof(void*) == 4 ? 44u : 64u);
    EXPECT_EQ(info.uFlags, 0x1A1u);
    EXPECT_EQ(info.hwnd, control_);
    EXPECT_EQ(info.uId, reinterpret_cast<UINT_PTR>(control_));
    RECT client{};
    ::GetClientRect(control_, &client);
    EXPECT_TRUE(::EqualRect(&info.rect, &client));
}

TEST_F(TrackingToolTipTest, TextReachesTheToolAndReplacesTheEarlierOne) {
    TZemTrackingToolTip tip(control_);
    Prepare(tip);
    EXPECT_EQ(ToolText(tip), "Not found");
    tip.SetText("Access denied");
    EXPECT_EQ(tip.Text(), "Access denied");
    EXPECT_EQ(ToolText(tip), "Access denied");
}

// Wine 8's tooltip has no TTM_GETTITLE, so the title is seen in the balloon's size instead.
TEST_F(TrackingToolTipTest, TitleIsKeptAndShapesTheBalloon) {
    TZemTrackingToolTip tip(control_);
    ASSERT_TRUE(tip.EnsureWindow());
    ASSERT_TRUE(tip.AddTool());
    tip.SetText("Not found");
    tip.Activate();
    const POINT stem{300, 300};
    tip.TrackAt(stem);
    const SIZE plain = BalloonSize(tip);
    tip.SetTitleIcon(TTI_WARNING);
    EXPECT_TRUE(tip.SetTitle("Path"));
    EXPECT_EQ(tip.Title(), "Path");
    EXPECT_EQ(tip.TitleIcon(), TTI_WARNING);
    tip.TrackAt(stem);
    const SIZE titled = BalloonSize(tip);
    EXPECT_GT(titled.cy, plain.cy);
    EXPECT_TRUE(tip.SetTitle("A title much wider than the text below it"));
    EXPECT_EQ(tip.Title(), "A title much wider than the text below it");
    tip.TrackAt(stem);
    EXPECT_GT(BalloonSize(tip).cx, titled.cx);
}

TEST_F(TrackingToolTipTest, DelaysAndWidthReachTheBalloon) {
    TZemTrackingToolTip tip(control_);
    ASSERT_TRUE(tip.EnsureWindow());
    tip.SetMaxWidth(250);
    tip.SetAutoPopDelay(9000);
    tip.SetInitialDelay(300);
    tip.SetReshowDelay(70);
    const HWND window = tip.Window();
    EXPECT_EQ(::SendMessageA(window, TTM_GETMAXTIPWIDTH, 0, 0), 250);
    EXPECT_EQ(::SendMessageA(window, TTM_GETDELAYTIME, TTDT_AUTOPOP, 0), 9000);
    EXPECT_EQ(::SendMessageA(window, TTM_GETDELAYTIME, TTDT_INITIAL, 0), 300);
    EXPECT_EQ(::SendMessageA(window, TTM_GETDELAYTIME, TTDT_RESHOW, 0), 70);
}

TEST_F(TrackingToolTipTest, ActivateShowsBelowTheControlAndDeactivateHides) {
    TZemTrackingToolTip tip(control_);
    Prepare(tip);
    EXPECT_FALSE(tip.IsActive());
    tip.Activate();
    EXPECT_TRUE(tip.IsActive());
    RECT client{}, balloon{};
    ::GetClientRect(control_, &client);
    POINT stem{client.right / 2, client.bottom};
    ::ClientToScreen(control_, &stem);
    ::GetWindowRect(tip.Window(), &balloon);
    EXPECT_LE(balloon.left, stem.x);
    EXPECT_GE(balloon.right, stem.x);
    tip.Deactivate();
    EXPECT_FALSE(tip.IsActive());
    tip.Deactivate();
    EXPECT_FALSE(tip.IsActive());
}

TEST_F(TrackingToolTipTest, TrackAtKeepsThePointAndMovesTheBalloon) {
    TZemTrackingToolTip tip(control_);
    Prepare(tip);
    tip.Activate();
    RECT before{}, after{};
    ::GetWindowRect(tip.Window(), &before);
    tip.TrackAt(POINT{before.left + 150, before.top + 100});
    EXPECT_EQ(tip.TrackingPoint().x, before.left + 150);
    EXPECT_EQ(tip.TrackingPoint().y, before.top + 100);
    ::GetWindowRect(tip.Window(), &after);
    EXPECT_EQ(after.left - before.left, 150);
    EXPECT_TRUE(tip.IsActive());
}

TEST(TrackPositionPacking, KeepsNegativeCoordinatesAsSignedWords) {
    const LPARAM packed = PackTrackPosition(POINT{-1280, -20});
    EXPECT_EQ(GET_X_LPARAM(packed), -1280);
    EXPECT_EQ(GET_Y_LPARAM(packed), -20);
    const LPARAM ordinary = PackTrackPosition(POINT{1279, 1023});
    EXPECT_EQ(LOWORD(ordinary), 1279);
    EXPECT_EQ(HIWORD(ordinary), 1023);
}

}  // namespace
}  // namespace zem::test
