// The dialogs' rich-text view: appended lines, link text, and link clicks reported with the
// link's exact text.
#include <gtest/gtest.h>

#include "base/window.h"
#include "test_support.h"
#include "ui/link_view.h"

namespace zem {
namespace {

TZemRichEdit* g_view = nullptr;

LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NOTIFY && g_view && g_view->HandleNotify(*reinterpret_cast<const NMHDR*>(lParam))) return 0;
    return ::DefWindowProcA(window, message, wParam, lParam);
}

class LinkViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterWindowClass("ZemLinkViewTestParent", ParentProc, nullptr);
        parent_ = ::CreateWindowExA(0, "ZemLinkViewTestParent", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 500, 300,
                                    nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
        ASSERT_TRUE(view_.Create(parent_, 100, WS_VISIBLE | ES_MULTILINE | ES_READONLY, 0, RECT{0, 0, 480, 260}));
        g_view = &view_;
    }
    void TearDown() override {
        g_view = nullptr;
        ::DestroyWindow(parent_);
    }

    // Clicks at the character position `at` of the view.
    void ClickAt(LONG at) {
        POINTL point{};
        ::SendMessageA(view_.Handle(), EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&point), at);
        const LPARAM where = MAKELPARAM(point.x + 2, point.y + 4);
        ::SendMessageA(view_.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, where);
        ::SendMessageA(view_.Handle(), WM_LBUTTONUP, 0, where);
        test::PumpMessages();
    }

    HWND parent_ = nullptr;
    TZemRichEdit view_;
};

TEST_F(LinkViewTest, AppendedLinesReportTheirLineIndex) {
    EXPECT_STREQ(TZemRichEdit::ClassName(), "RichEdit20A");
    EXPECT_EQ(view_.AppendLineGetIndex("first"), 0);
    EXPECT_EQ(view_.AppendLineGetIndex("second"), 1);
    EXPECT_EQ(view_.AppendLineGetIndex("third"), 2);
    EXPECT_EQ(view_.GetLinkText(0, 5), "first");
    EXPECT_EQ(view_.GetLinkText(5, 5), "");
    EXPECT_EQ(view_.GetLinkText(5, 2), "");
}

TEST_F(LinkViewTest, AClickOnALinkReportsItsExactTextAndElsewhereNothing) {
    view_.SetAutoUrlDetect(true);
    view_.SetLinkNotifications(true);
    EXPECT_NE(::SendMessageA(view_.Handle(), EM_GETEVENTMASK, 0, 0) & ENM_LINK, 0);
    const std::string link = "https://www.example.com/en/help.htm";
    ::SetWindowTextA(view_.Handle(), ("Read more at " + link + " today").c_str());
    std::vector<std::string> clicked;
    view_.OnLinkLeftBtnDown = [&](TZemRichEdit&, const std::string& text) { clicked.push_back(text); };
    ClickAt(3);  // plain text
    EXPECT_TRUE(clicked.empty());
    ClickAt(20);  // inside the link
    ASSERT_EQ(clicked.size(), 1u);
    EXPECT_EQ(clicked[0], link);

    view_.SetLinkNotifications(false);
    EXPECT_EQ(::SendMessageA(view_.Handle(), EM_GETEVENTMASK, 0, 0) & ENM_LINK, 0);
}

}  // namespace
}  // namespace zem
