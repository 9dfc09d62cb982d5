// Balloon tips and cue banners of edit fields and combo boxes, and the combo and check box wrappers.
#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/strings.h"
#include "base/window.h"
#include "test_support.h"
#include "ui/zem_controls.h"

namespace zem::test {
namespace {

constexpr int kComboId = 101;

// The owner's side of the wrappers: what the preferences dialog's procedure will do.
TZemComboBox* ownerCombo = nullptr;
TZemCheckBox* ownerCheckBox = nullptr;
std::vector<std::optional<LRESULT>> checkBoxAnswers;

LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && ownerCombo) ownerCombo->HandleParentCommand(wParam, lParam);
    if ((message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN) && ownerCheckBox) {
        const auto answer = ownerCheckBox->HandleCtlColor(reinterpret_cast<HWND>(lParam));
        if (reinterpret_cast<HWND>(lParam) == ownerCheckBox->Handle()) checkBoxAnswers.push_back(answer);
        if (answer) return *answer;
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
}

class EditControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterWindowClass("ZemUiTestOwner", OwnerProc, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
        parent_ = ::CreateWindowExA(0, "ZemUiTestOwner", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 500, 300,
                                    nullptr, nullptr, nullptr, nullptr);
        edit_ = Child("EDIT", ES_AUTOHSCROLL | WS_BORDER, 10, 24, 0);
        combo_ = Child("COMBOBOX", CBS_DROPDOWN, 40, 150, kComboId);
        list_ = Child("COMBOBOX", CBS_DROPDOWNLIST, 70, 150, 102);
        check_ = Child("BUTTON", BS_AUTOCHECKBOX, 100, 24, 103);
        ASSERT_TRUE(edit_ && combo_ && list_ && check_);
        comboEdit_ = EditFieldOf(combo_);
    }
    void TearDown() override {
        ownerCombo = nullptr;
        ownerCheckBox = nullptr;
        checkBoxAnswers.clear();
        ::DestroyWindow(parent_);
        PumpMessages();
    }
    HWND Child(const char* className, DWORD style, int y, int height, int id) {
        return ::CreateWindowExA(0, className, "", WS_CHILD | WS_VISIBLE | style, 10, y, 200, height,
                                 parent_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    }

    HWND parent_ = nullptr, edit_ = nullptr, combo_ = nullptr, list_ = nullptr, check_ = nullptr;
    HWND comboEdit_ = nullptr;
};

TEST_F(EditControlsTest, FindsTheEditFieldOfEachKindOfField) {
    EXPECT_EQ(EditFieldOf(edit_), edit_);
    char className[32] = {};
    ::GetClassNameA(comboEdit_, className, sizeof(className));
    EXPECT_STRCASEEQ(className, "Edit");
    EXPECT_EQ(::GetParent(comboEdit_), combo_);
    EXPECT_EQ(EditFieldOf(list_), nullptr);
}

// What reached an edit field's window procedure through EM_SHOWBALLOONTIP / EM_HIDEBALLOONTIP.
struct BalloonRequest {
    HWND window;
    UINT message;
    DWORD size;
    std::wstring title, text;
    int icon;
};

LRESULT CALLBACK BalloonSpy(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR seen) {
    if (message == EM_SHOWBALLOONTIP || message == EM_HIDEBALLOONTIP) {
        BalloonRequest request{window, message, 0, {}, {}, 0};
        if (const auto* tip = reinterpret_cast<const EDITBALLOONTIP*>(lParam); tip && message == EM_SHOWBALLOONTIP)
            request = {window, message, tip->cbStruct, tip->pszTitle, tip->pszText, tip->ttiIcon};
        reinterpret_cast<std::vector<BalloonRequest>*>(seen)->push_back(request);
    }
    return ::DefSubclassProc(window, message, wParam, lParam);
}

bool RunningOnWine() {
    return ::GetProcAddress(::GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
}

TEST_F(EditControlsTest, BalloonsGoToTheEditFieldInUnicode) {
    std::vector<BalloonRequest> seen;
    ::SetWindowSubclass(edit_, BalloonSpy, 1, reinterpret_cast<DWORD_PTR>(&seen));
    ::SetWindowSubclass(comboEdit_, BalloonSpy, 1, reinterpret_cast<DWORD_PTR>(&seen));
    const LRESULT onEdit = ShowEditBalloon(edit_, "Gr\xF6\xDF" "e", "Zu gro\xDF", btmtWarning);
    HideEditBalloon(edit_);
    const LRESULT onCombo = ShowEditBalloon(combo_, "Path", "Not found", btmtErrorLarge);
    HideEditBalloon(combo_);
    EXPECT_EQ(ShowEditBalloon(list_, "Path", "Not found", btmtInfo), 0);
    HideEditBalloon(list_);
    ::RemoveWindowSubclass(edit_, BalloonSpy, 1);
    ::RemoveWindowSubclass(comboEdit_, BalloonSpy, 1);

    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[0].window, edit_);
    EXPECT_EQ(seen[0].size, sizeof(void*) == 4 ? 16u : 32u);  // the 64-bit twin's pointers are wider
    EXPECT_EQ(seen[0].title, L"Gr\u00F6\u00DFe");
    EXPECT_EQ(seen[0].text, L"Zu gro\u00DF");
    EXPECT_EQ(seen[0].icon, TTI_WARNING);
    EXPECT_EQ(seen[1].window, edit_);
    EXPECT_EQ(seen[1].message, static_cast<UINT>(EM_HIDEBALLOONTIP));
    EXPECT_EQ(seen[2].window, comboEdit_);
    EXPECT_EQ(seen[2].icon, TTI_ERROR_LARGE);
    EXPECT_EQ(seen[3].window, comboEdit_);
    // Wine 8's edit control leaves EM_SHOWBALLOONTIP unimplemented: it answers 0 and shows nothing.
    EXPECT_EQ(onEdit != 0, !RunningOnWine());
    EXPECT_EQ(onCombo != 0, !RunningOnWine());
}

TEST_F(EditControlsTest, CueBannersRoundTripAndClear) {
    EXPECT_TRUE(SetCueBanner(edit_, "Type a path", false));
    EXPECT_EQ(CueBanner(edit_), "Type a path");
    EXPECT_TRUE(SetCueBanner(combo_, "Gr\xF6\xDF" "e w\xE4hlen", true));
    EXPECT_EQ(CueBanner(comboEdit_), "Gr\xF6\xDF" "e w\xE4hlen");
    const std::string longText(1500, 'c');
    EXPECT_TRUE(SetCueBanner(edit_, longText, false));
    EXPECT_EQ(CueBanner(edit_), longText);
    EXPECT_TRUE(SetCueBanner(combo_, "", false));
    EXPECT_EQ(CueBanner(combo_), "");
    EXPECT_FALSE(SetCueBanner(list_, "Nothing", false));
    EXPECT_EQ(CueBanner(list_), "");
}

TEST_F(EditControlsTest, ComboCueTextWaitsForItsWindow) {
    TZemComboBox box;
    EXPECT_FALSE(box.ShowCueWhenFocused());
    EXPECT_EQ(box.BalloonTipMsgType(), btmtNone);
    EXPECT_TRUE(box.SetCueBannerText("Folder"));
    EXPECT_EQ(box.CueBannerText(), "Folder");
    box.Attach(combo_);
    EXPECT_EQ(box.EditHandle(), comboEdit_);
    EXPECT_EQ(CueBanner(combo_), "Folder");
    EXPECT_TRUE(box.SetCueBannerText("File"));
    EXPECT_EQ(CueBanner(combo_), "File");
    EXPECT_TRUE(box.SetCueBannerText(""));
    EXPECT_EQ(CueBanner(combo_), "");
    EXPECT_EQ(box.CueBannerText(), "");
}

TEST_F(EditControlsTest, ComboWithoutEditFieldRefusesCueText) {
    TZemComboBox box(list_);
    EXPECT_FALSE(box.SetCueBannerText("Folder"));
    EXPECT_EQ(box.CueBannerText(), "");
}

std::string Describe(const char* action, TZemMouseButton button, WPARAM shift, POINT point) {
    static const char* const names[] = {"left", "right", "middle"};
    return Format("%s %s keys=%u at %ld,%ld", names[static_cast<int>(button)], action, static_cast<unsigned>(shift),
                  point.x, point.y);
}

TEST_F(EditControlsTest, MouseButtonsInTheEditFieldRaiseEventsThenActAsUsual) {
    std::vector<std::string> seen;
    {
        TZemComboBox box(combo_);
        box.OnMouseDown = [&](TZemMouseButton b, WPARAM s, POINT p) { seen.push_back(Describe("down", b, s, p)); };
        box.OnMouseUp = [&](TZemMouseButton b, WPARAM s, POINT p) { seen.push_back(Describe("up", b, s, p)); };
        ::SendMessageA(comboEdit_, WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(5, 6));
        EXPECT_EQ(::GetFocus(), comboEdit_);
        ::SendMessageA(comboEdit_, WM_LBUTTONUP, MK_SHIFT, MAKELPARAM(7, 8));
        ::SendMessageA(comboEdit_, WM_RBUTTONDOWN, MK_RBUTTON | MK_CONTROL, MAKELPARAM(9, 3));
        ::SendMessageA(comboEdit_, WM_MBUTTONUP, 0, MAKELPARAM(1, 2));
        ::SendMessageA(comboEdit_, WM_MOUSEMOVE, 0, MAKELPARAM(1, 2));
    }
    // Gone with the box: no more events.
    ::SendMessageA(comboEdit_, WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
    // MK_LBUTTON 1, MK_RBUTTON 2, MK_SHIFT 4, MK_CONTROL 8.
    EXPECT_EQ(seen, (std::vector<std::string>{"left down keys=5 at 5,6", "left up keys=4 at 7,8",
                                              "right down keys=10 at 9,3", "middle up keys=0 at 1,2"}));
}

TEST_F(EditControlsTest, FailingMouseHandlerIsReportedAndTheClickStillHandled) {
    TZemComboBox box(combo_);
    box.OnMouseDown = [](TZemMouseButton, WPARAM, POINT) { throw std::runtime_error("Handler failed"); };
    MessageBoxAnswerer answerer;
    ::SendMessageA(comboEdit_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    ASSERT_TRUE(answerer.Wait());
    EXPECT_EQ(answerer.Text(), "Handler failed");
    EXPECT_EQ(::GetFocus(), comboEdit_);
    ::SendMessageA(comboEdit_, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
}

TEST_F(EditControlsTest, DestroyedComboForgetsItsEditField) {
    TZemComboBox box(combo_);
    ::DestroyWindow(combo_);
    EXPECT_EQ(box.EditHandle(), nullptr);
}

TEST_F(EditControlsTest, OnlyThisBoxsCloseUpRaisesOnCloseUp) {
    TZemComboBox box(combo_);
    int closeUps = 0;
    box.OnCloseUp = [&] { ++closeUps; };
    const LPARAM comboParam = reinterpret_cast<LPARAM>(combo_);
    EXPECT_FALSE(box.HandleParentCommand(MAKEWPARAM(kComboId, CBN_CLOSEUP), comboParam));
    EXPECT_EQ(closeUps, 1);
    EXPECT_FALSE(box.HandleParentCommand(MAKEWPARAM(kComboId, CBN_DROPDOWN), comboParam));
    EXPECT_FALSE(box.HandleParentCommand(MAKEWPARAM(102, CBN_CLOSEUP), reinterpret_cast<LPARAM>(list_)));
    EXPECT_EQ(closeUps, 1);
    // The real notification, through the owner's procedure.
    ownerCombo = &box;
    ::SendMessageA(combo_, CB_SHOWDROPDOWN, TRUE, 0);
    ::SendMessageA(combo_, CB_SHOWDROPDOWN, FALSE, 0);
    EXPECT_EQ(closeUps, 2);
}

TEST_F(EditControlsTest, CheckBoxAnswersNoBrushOnlyWhileAskedAndOnlyForItself) {
    TZemCheckBox box(check_);
    EXPECT_FALSE(box.HandleCtlColor(check_).has_value());
    box.SetAnswerNoBrush(true);
    ASSERT_TRUE(box.HandleCtlColor(check_).has_value());
    EXPECT_EQ(*box.HandleCtlColor(check_), 0);
    EXPECT_FALSE(box.HandleCtlColor(edit_).has_value());
    EXPECT_FALSE(box.HandleCtlColor(nullptr).has_value());
    box.SetAnswerNoBrush(false);
    EXPECT_FALSE(box.HandleCtlColor(check_).has_value());
}

TEST_F(EditControlsTest, OwnerAnswersTheCheckBoxsColourMessageWithNoBrush) {
    TZemCheckBox box(check_);
    ownerCheckBox = &box;
    box.SetAnswerNoBrush(true);
    ::RedrawWindow(check_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    ASSERT_FALSE(checkBoxAnswers.empty());
    EXPECT_EQ(checkBoxAnswers.back(), std::optional<LRESULT>(0));
}

}  // namespace
}  // namespace zem::test
