// The message box with the "do not show me this dialog box" check box, alone and as the
// suppressible dialogs show it: buttons, icon, keyboard, size, owner, and the ticked box.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>
#include <tuple>
#include <utility>
#include <vector>

#include "base/unique.h"
#include "base/window_dc.h"
#include "config/suppressible_dialogs.h"
#include "resource.h"
#include "test_support.h"
#include "ui/check_message_box.h"

namespace zem::test {
namespace {

// What the box shows when the driver finds it; rectangles in client coordinates.
struct BoxView {
    std::string caption, text, checkText;
    std::vector<int> buttons;  // left to right
    std::vector<std::string> buttonTexts;
    RECT textRect{}, checkRect{}, iconRect{}, buttonsRect{}, client{}, window{};
    bool hasIcon = false;
    int defaultId = 0;
    HWND owner = nullptr;
    bool ownerEnabled = true;
};

BOOL CALLBACK FindBox(HWND window, LPARAM parameter) {
    DWORD processId = 0;
    ::GetWindowThreadProcessId(window, &processId);
    char className[16] = {};
    ::GetClassNameA(window, className, sizeof(className));
    if (processId != ::GetCurrentProcessId() || std::string(className) != "#32770" || !::IsWindowVisible(window)) {
        return TRUE;
    }
    *reinterpret_cast<HWND*>(parameter) = window;
    return FALSE;
}

std::string TextOf(HWND window) {
    char buffer[4096] = {};
    ::GetWindowTextA(window, buffer, sizeof(buffer));
    return buffer;
}

RECT RectOf(HWND box, int id) {
    RECT rect{};
    ::GetWindowRect(::GetDlgItem(box, id), &rect);
    ::MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

int FocusId(HWND box) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    ::GetGUIThreadInfo(::GetWindowThreadProcessId(box, nullptr), &info);
    return ::GetDlgCtrlID(info.hwndFocus);
}

BoxView Look(HWND box) {
    BoxView view;
    view.caption = TextOf(box);
    view.text = TextOf(::GetDlgItem(box, IDC_CHECKBOX_TEXT));
    view.checkText = TextOf(::GetDlgItem(box, IDC_CHECKBOX_DONTSHOW));
    for (int id : {IDOK, IDCANCEL, IDYES, IDNO}) {
        if (::IsWindowVisible(::GetDlgItem(box, id))) view.buttons.push_back(id);
    }
    std::sort(view.buttons.begin(), view.buttons.end(),
              [box](int a, int b) { return RectOf(box, a).left < RectOf(box, b).left; });
    for (int id : view.buttons) view.buttonTexts.push_back(TextOf(::GetDlgItem(box, id)));
    if (!view.buttons.empty()) {
        view.buttonsRect = RectOf(box, view.buttons.front());
        view.buttonsRect.right = RectOf(box, view.buttons.back()).right;
    }
    view.textRect = RectOf(box, IDC_CHECKBOX_TEXT);
    view.checkRect = RectOf(box, IDC_CHECKBOX_DONTSHOW);
    view.hasIcon = ::SendDlgItemMessageA(box, IDC_CHECKBOX_ICON, STM_GETICON, 0, 0) != 0;
    if (view.hasIcon) view.iconRect = RectOf(box, IDC_CHECKBOX_ICON);
    ::GetClientRect(box, &view.client);
    ::GetWindowRect(box, &view.window);
    view.defaultId = LOWORD(::SendMessageA(box, DM_GETDEFID, 0, 0));
    view.owner = ::GetWindow(box, GW_OWNER);
    view.ownerEnabled = ::IsWindowEnabled(view.owner);
    return view;
}

// A key as the keyboard sends it to the focused control; the box's message loop sees it.
void PressKey(HWND box, WPARAM key) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    ::GetGUIThreadInfo(::GetWindowThreadProcessId(box, nullptr), &info);
    const LPARAM scanCode = static_cast<LPARAM>(::MapVirtualKeyA(static_cast<UINT>(key), MAPVK_VK_TO_VSC)) << 16;
    ::PostMessageA(info.hwndFocus ? info.hwndFocus : box, WM_KEYDOWN, key, scanCode | 1);
    std::this_thread::sleep_for(std::chrono::milliseconds(80));
    ::PostMessageA(info.hwndFocus ? info.hwndFocus : box, WM_KEYUP, key, scanCode | static_cast<LPARAM>(0xC0000001u));
    std::this_thread::sleep_for(std::chrono::milliseconds(80));
}

void Click(HWND box, int id) { ::PostMessageA(::GetDlgItem(box, id), BM_CLICK, 0, 0); }
void Tick(HWND box) { ::SendDlgItemMessageA(box, IDC_CHECKBOX_DONTSHOW, BM_CLICK, 0, 0); }
bool Ticked(HWND box) { return ::IsDlgButtonChecked(box, IDC_CHECKBOX_DONTSHOW) == BST_CHECKED; }

using Action = std::function<void(HWND box)>;

// Runs `show` while a second thread finds the box, records what it shows and runs `act` on it.
// The driver gives up after ten seconds so that a test never hangs.
BoxView Drive(const std::function<void()>& show, const Action& act) {
    BoxView view;
    bool found = false;
    std::thread driver([&] {
        for (int i = 0; i < 500 && !found; ++i) {
            HWND box = nullptr;
            ::EnumWindows(FindBox, reinterpret_cast<LPARAM>(&box));
            if (!box) {
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
                continue;
            }
            view = Look(box);
            found = true;
            act(box);
        }
    });
    show();
    driver.join();
    EXPECT_TRUE(found) << "no box appeared";
    return view;
}

BoxView ShowBox(UINT style, const Action& act, CheckMessageBoxAnswer& answer, const std::string& text = "Text",
                HWND owner = nullptr) {
    return Drive([&] { answer = ShowCheckMessageBox(owner, text, "Title", style); }, act);
}

TEST(CheckMessageBoxTest, ShowsTheTextIconAndButtonsOfTheStyle) {
    const std::string text = "Lead\r\n\r\n\x95 One\r\n\x95Two & more\r\n\r\nSuppress line";
    const std::tuple<UINT, std::vector<int>, std::vector<std::string>> cases[] = {
        {MB_OK | MB_ICONINFORMATION, {IDOK}, {"OK"}},
        {MB_OKCANCEL | MB_ICONEXCLAMATION, {IDOK, IDCANCEL}, {"OK", "Cancel"}},
        {MB_YESNOCANCEL | MB_ICONQUESTION, {IDYES, IDNO, IDCANCEL}, {"&Yes", "&No", "Cancel"}},
        {MB_YESNO | MB_ICONHAND, {IDYES, IDNO}, {"&Yes", "&No"}},
        {MB_YESNO, {IDYES, IDNO}, {"&Yes", "&No"}},
    };
    for (const auto& [style, buttons, texts] : cases) {
        for (int pressed : buttons) {
            CheckMessageBoxAnswer answer;
            const BoxView view = ShowBox(style, [pressed = pressed](HWND box) { Click(box, pressed); }, answer, text);
            EXPECT_EQ(view.caption, "Title");
            EXPECT_EQ(view.text, text);
            EXPECT_EQ(view.checkText, "&In future, do not show me this dialog box");
            EXPECT_EQ(view.buttons, buttons) << "style " << style;
            EXPECT_EQ(view.buttonTexts, texts) << "style " << style;
            EXPECT_EQ(view.hasIcon, (style & MB_ICONMASK) != 0) << "style " << style;
            EXPECT_EQ(answer.button, pressed) << "style " << style;
            EXPECT_FALSE(answer.dontShowAgain);
        }
    }
}

TEST(CheckMessageBoxTest, DefaultButtonFollowsTheStyleHasTheFocusAndAnswersEnter) {
    const std::pair<UINT, int> cases[] = {
        {MB_YESNOCANCEL, IDYES},  {MB_YESNOCANCEL | MB_DEFBUTTON2, IDNO}, {MB_YESNOCANCEL | MB_DEFBUTTON3, IDCANCEL},
        {MB_OKCANCEL, IDOK},      {MB_OKCANCEL | MB_DEFBUTTON2, IDCANCEL}, {MB_YESNO | MB_DEFBUTTON2, IDNO},
        {MB_OK | MB_DEFBUTTON3, IDOK},
    };
    for (const auto& [style, expected] : cases) {
        CheckMessageBoxAnswer answer;
        int focus = 0;
        const BoxView view = ShowBox(style, [&focus](HWND box) {
            focus = FocusId(box);
            PressKey(box, VK_RETURN);
        }, answer);
        EXPECT_EQ(view.defaultId, expected) << "style " << style;
        EXPECT_EQ(focus, expected) << "style " << style;
        EXPECT_EQ(answer.button, expected) << "style " << style;
    }
}

TEST(CheckMessageBoxTest, EscapeAnswersCancelOrALoneOkAndAYesNoQuestionWaits) {
    const std::pair<UINT, int> cases[] = {{MB_YESNOCANCEL, IDCANCEL}, {MB_OKCANCEL, IDCANCEL}, {MB_OK, IDOK}};
    for (const auto& [style, expected] : cases) {
        CheckMessageBoxAnswer answer;
        ShowBox(style, [](HWND box) { PressKey(box, VK_ESCAPE); }, answer);
        EXPECT_EQ(answer.button, expected) << "style " << style;
    }
    CheckMessageBoxAnswer answer;
    bool stillShown = false;
    ShowBox(MB_YESNO | MB_ICONQUESTION, [&stillShown](HWND box) {
        PressKey(box, VK_ESCAPE);
        ::PostMessageA(box, WM_CLOSE, 0, 0);
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        stillShown = ::IsWindowVisible(box);
        Click(box, IDNO);
    }, answer);
    EXPECT_TRUE(stillShown);
    EXPECT_EQ(answer.button, IDNO);
}

TEST(CheckMessageBoxTest, TabWalksButtonsAndCheckBoxSpaceTicksAndEnterPresses) {
    CheckMessageBoxAnswer answer;
    std::vector<int> focus;
    bool ticked = false;
    ShowBox(MB_YESNOCANCEL | MB_ICONQUESTION, [&](HWND box) {
        focus.push_back(FocusId(box));
        for (int i = 0; i < 3; ++i) {
            PressKey(box, VK_TAB);
            focus.push_back(FocusId(box));
        }
        PressKey(box, VK_SPACE);
        ticked = Ticked(box);
        PressKey(box, VK_TAB);
        PressKey(box, VK_TAB);
        focus.push_back(FocusId(box));
        PressKey(box, VK_RETURN);
    }, answer);
    EXPECT_EQ(focus, (std::vector<int>{IDYES, IDNO, IDCANCEL, IDC_CHECKBOX_DONTSHOW, IDNO}));
    EXPECT_TRUE(ticked);
    EXPECT_EQ(answer.button, IDNO) << "Enter presses the focused button";
    EXPECT_TRUE(answer.dontShowAgain);

    // Enter on the check box answers the default button; ticking twice is no tick.
    ShowBox(MB_OKCANCEL | MB_DEFBUTTON2, [](HWND box) {
        PressKey(box, VK_TAB);
        Tick(box);
        Tick(box);
        PressKey(box, VK_RETURN);
    }, answer);
    EXPECT_EQ(answer.button, IDCANCEL);
    EXPECT_FALSE(answer.dontShowAgain);
}

bool Inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

// The control's own device context with the font it draws with.
class ControlFontDc : public WindowFontDc {
public:
    explicit ControlFontDc(HWND control)
        : WindowFontDc(control, reinterpret_cast<HGDIOBJ>(::SendMessageA(control, WM_GETFONT, 0, 0))) {}
};

// The height the text needs at the width of its control, in the control's font.
int NeededHeight(HWND box, const std::string& text) {
    HWND control = ::GetDlgItem(box, IDC_CHECKBOX_TEXT);
    RECT bounds = RectOf(box, IDC_CHECKBOX_TEXT);
    bounds = {0, 0, bounds.right - bounds.left, 0};
    const ControlFontDc dc(control);
    ::DrawTextA(dc.Get(), text.c_str(), -1, &bounds,
                DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX | DT_EDITCONTROL);
    return bounds.bottom;
}

// The text's widest line and its width in the control's font.
std::pair<std::string, int> WidestLine(HWND box, const std::string& text) {
    const ControlFontDc dc(::GetDlgItem(box, IDC_CHECKBOX_TEXT));
    std::pair<std::string, int> widest{{}, -1};
    size_t start = 0;
    while (start <= text.size()) {
        const size_t end = std::min(text.find("\r\n", start), text.size());
        const std::string line = text.substr(start, end - start);
        SIZE size{};
        ::GetTextExtentPoint32A(dc.Get(), line.c_str(), static_cast<int>(line.size()), &size);
        if (size.cx > widest.second) widest = {line, size.cx};
        start = end + 2;
    }
    return widest;
}

// Text, check box and buttons stacked inside the client area with even margins; text not cut.
BoxView ShowLaidOut(UINT style, const std::string& text) {
    CheckMessageBoxAnswer answer;
    int needed = 0;
    const BoxView view = ShowBox(style, [&](HWND box) {
        needed = NeededHeight(box, text);
        PressKey(box, VK_RETURN);
    }, answer, text);
    const RECT& first = view.hasIcon ? view.iconRect : view.textRect;
    EXPECT_GE(view.textRect.bottom - view.textRect.top, needed);
    EXPECT_GT(view.checkRect.top, std::max(view.textRect.bottom, view.iconRect.bottom));
    EXPECT_EQ(view.checkRect.left, view.textRect.left);
    EXPECT_GT(view.buttonsRect.top, view.checkRect.bottom);
    for (const RECT& part : {view.textRect, view.checkRect, view.buttonsRect}) EXPECT_TRUE(Inside(part, view.client));
    const LONG right = std::max({view.textRect.right, view.checkRect.right, view.buttonsRect.right});
    EXPECT_EQ(view.client.right - right, first.left) << "right margin";
    EXPECT_EQ(view.client.bottom - view.buttonsRect.bottom, first.top) << "bottom margin";
    EXPECT_LE(std::abs(view.buttonsRect.left - (view.client.right - view.buttonsRect.right)), 1) << "centred";
    return view;
}

TEST(CheckMessageBoxTest, IsSizedToItsText) {
    RECT work{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const BoxView small = ShowLaidOut(MB_OK | MB_ICONINFORMATION, "Short.");
    EXPECT_LT(small.textRect.right, small.checkRect.right) << "as wide as the check box needs";

    const BoxView wide = ShowLaidOut(MB_YESNOCANCEL | MB_ICONQUESTION, std::string(110, 'W') + "\r\nend");
    EXPECT_GT(wide.client.right, small.client.right);
    EXPECT_TRUE(Inside(wide.window, work)) << "a word too long for a line is broken";

    std::string words;
    for (int i = 0; i < 60; ++i) words += "word" + std::to_string(i) + " ";
    const BoxView wrapped = ShowLaidOut(MB_OKCANCEL, words);
    EXPECT_LE(wrapped.textRect.right - wrapped.textRect.left, (work.right - work.left) * 3 / 4);
    EXPECT_GT(wrapped.textRect.bottom - wrapped.textRect.top, small.textRect.bottom - small.textRect.top);
    EXPECT_TRUE(Inside(wrapped.window, work));
}

// The box is as wide as its text in the font the text is drawn with: no line loses its end.
TEST(CheckMessageBoxTest, TheWidestLineKeepsItsLastCharacter) {
    const std::string text = SaveQuestionBody(SuppressibleDialog::CloseApp, true);
    CheckMessageBoxAnswer answer;
    std::pair<std::string, int> widest;
    RECT client{};
    ShowBox(MB_YESNOCANCEL | MB_ICONQUESTION, [&](HWND box) {
        widest = WidestLine(box, text);
        ::GetClientRect(::GetDlgItem(box, IDC_CHECKBOX_TEXT), &client);
        PressKey(box, VK_RETURN);
    }, answer, text);
    EXPECT_EQ(widest.first,
              "To suppress this dialog when the application is closed in future, check the check box below.");
    EXPECT_GE(client.right, widest.second);
}

TEST(CheckMessageBoxTest, IsModalOverItsOwnerAndCentredOnIt) {
    HWND owner = ::CreateWindowExA(0, "STATIC", "Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 80, 600, 400,
                                   nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(owner, nullptr);
    CheckMessageBoxAnswer answer;
    const BoxView view = ShowBox(MB_OKCANCEL, [](HWND box) { Click(box, IDOK); }, answer, "Owned.", owner);
    EXPECT_EQ(view.owner, owner);
    EXPECT_FALSE(view.ownerEnabled) << "the owner is disabled while the box is up";
    EXPECT_TRUE(::IsWindowEnabled(owner));
    RECT around{};
    ::GetWindowRect(owner, &around);
    EXPECT_LE(std::abs((view.window.left + view.window.right) - (around.left + around.right)), 2);
    EXPECT_LE(std::abs((view.window.top + view.window.bottom) - (around.top + around.bottom)), 2);
    ::DestroyWindow(owner);

    answer = ShowCheckMessageBox(reinterpret_cast<HWND>(static_cast<UINT_PTR>(0x7654320)), "Text", "Title", MB_OK);
    EXPECT_EQ(answer.button, -1) << "an invalid owner shows nothing";
}

// The suppressible dialogs, shown against the real DontShowMeThisDialogAgain key.
class SuppressibleDialogShowTest : public ::testing::Test {
protected:
    void SetUp() override { Clear(); }
    void TearDown() override { Clear(); }
    void Clear() {
        UniqueHKey key;
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, store_.KeyPath(StoreKey::DontShowAgain).c_str(), 0, KEY_WRITE,
                            key.Put()) != ERROR_SUCCESS) {
            return;
        }
        for (SuppressibleDialog dialog : kDialogs) ::RegDeleteValueA(key.Get(), SuppressionValueName(dialog));
    }
    // The value's data, "<missing>" or "<not text>".
    std::string Stored(SuppressibleDialog dialog) {
        char data[64] = {};
        DWORD size = sizeof(data) - 1, type = 0;
        if (::RegGetValueA(HKEY_CURRENT_USER, store_.KeyPath(StoreKey::DontShowAgain).c_str(),
                           SuppressionValueName(dialog), RRF_RT_ANY, &type, data, &size) != ERROR_SUCCESS) {
            return "<missing>";
        }
        return type == REG_SZ ? data : "<not text>";
    }

    static constexpr SuppressibleDialog kDialogs[] = {
        SuppressibleDialog::CloseApp,       SuppressibleDialog::NewFile, SuppressibleDialog::LoadFile,
        SuppressibleDialog::GoOnline,       SuppressibleDialog::No8Dot3ExceptSysVol,
        SuppressibleDialog::No8Dot3AllVols, SuppressibleDialog::Startup8Dot3Info};
    TTarvelixAppConfig store_;
};

// Each dialog through its own function, with the body that function composes.
std::pair<std::string, std::function<int()>> Dialog(SuppressibleDialog dialog) {
    switch (dialog) {
        case SuppressibleDialog::CloseApp:
            return {SaveQuestionBody(dialog, true), [] { return ShowCloseAppDlg(nullptr, true); }};
        case SuppressibleDialog::NewFile:
            return {SaveQuestionBody(dialog, false), [] { return ShowNewFileDlg(nullptr, false); }};
        case SuppressibleDialog::LoadFile:
            return {SaveQuestionBody(dialog, true), [] { return ShowLoadFileDlg(nullptr, true); }};
        case SuppressibleDialog::GoOnline:
            return {GoOnlineBody(OnlineStep::UpdateCheck),
                    [] { return ShowGoOnlineDlg(nullptr, OnlineStep::UpdateCheck); }};
        case SuppressibleDialog::No8Dot3ExceptSysVol:
            return {No8Dot3ExceptSysVolBody("\"C:\""), [] { return ShowNo8Dot3ExceptSysVolDlg(nullptr, "\"C:\""); }};
        case SuppressibleDialog::No8Dot3AllVols:
            return {No8Dot3AllVolsBody(), [] { return ShowNo8Dot3AllVolsDlg(nullptr); }};
        case SuppressibleDialog::Startup8Dot3Info:
            return {Startup8Dot3InfoBody(3, "C:"), [] { return ShowStartup8Dot3InfoDlg(nullptr, 3, "C:"); }};
    }
    return {};
}

const std::vector<int>& ButtonsOf(UINT style) {
    static const std::vector<int> yesNoCancel{IDYES, IDNO, IDCANCEL}, yesNo{IDYES, IDNO}, okCancel{IDOK, IDCANCEL},
        ok{IDOK};
    return style == 35 ? yesNoCancel : style == 36 ? yesNo : style == 49 ? okCancel : ok;
}

// One box per dialog keeps the test short; the dialogs take turns with the buttons, so that
// every answer of every style comes back once.
TEST_F(SuppressibleDialogShowTest, ShowsTitleBodyButtonsAndIconAndReturnsTheAnswer) {
    size_t turn = 0;
    for (SuppressibleDialog dialog : kDialogs) {
        const SuppressibleDialogInfo info = DialogInfo(dialog);
        const auto [body, show] = Dialog(dialog);
        const std::vector<int>& buttons = ButtonsOf(info.style);
        const int pressed = buttons[turn++ % buttons.size()];
        int result = 0;
        const BoxView view =
            Drive([&, show = show] { result = show(); }, [pressed](HWND box) { Click(box, pressed); });
        EXPECT_EQ(view.caption, info.title);
        EXPECT_EQ(view.text, body) << info.title;
        EXPECT_EQ(view.buttons, buttons) << info.title;
        EXPECT_TRUE(view.hasIcon) << info.title;
        EXPECT_EQ(result, pressed) << info.title;
        EXPECT_EQ(Stored(dialog), "<missing>") << "an unticked box stores nothing";
    }
}

TEST_F(SuppressibleDialogShowTest, TickedBoxStoresNoAndLaterCallsAnswerAtOnce) {
    for (SuppressibleDialog dialog : kDialogs) {
        const SuppressibleDialogInfo info = DialogInfo(dialog);
        const auto [body, show] = Dialog(dialog);
        const int pressed = ButtonsOf(info.style).back();  // Cancel, No, or the lone OK
        int result = 0;
        Drive([&, show = show] { result = show(); }, [pressed](HWND box) {
            Tick(box);
            Click(box, pressed);
        });
        EXPECT_EQ(result, pressed) << info.title;
        EXPECT_EQ(Stored(dialog), "NO") << info.title;
        EXPECT_TRUE(store_.DontShow(dialog)) << info.title;
        {
            test::WindowCounter windows;
            EXPECT_EQ(show(), info.defaultAnswer) << info.title;
            EXPECT_EQ(windows.Count(), 0) << info.title;
        }

        // Cleared through the store, the dialog is shown again (one dialog of each style). Escape
        // answers Cancel where there is one; a Yes/No question takes Enter for its default, Yes.
        store_.SetDontShow(dialog, false);
        if (dialog == SuppressibleDialog::NewFile || dialog == SuppressibleDialog::LoadFile ||
            dialog == SuppressibleDialog::No8Dot3ExceptSysVol) {
            continue;
        }
        const WPARAM key = info.style == 36 ? VK_RETURN : VK_ESCAPE;
        Drive([&, show = show] { result = show(); }, [key](HWND box) { PressKey(box, key); });
        EXPECT_EQ(result, info.style == 64 ? IDOK : info.style == 36 ? IDYES : IDCANCEL) << info.title;
    }
}

TEST_F(SuppressibleDialogShowTest, DataOtherThanNoShowsTheDialog) {
    const std::string key = store_.KeyPath(StoreKey::DontShowAgain);
    const char* name = SuppressionValueName(SuppressibleDialog::No8Dot3AllVols);
    const DWORD zero = 0;  // what Wine's own check box stores
    ::RegSetKeyValueA(HKEY_CURRENT_USER, key.c_str(), name, REG_DWORD, &zero, sizeof(zero));
    int result = 0;
    Drive([&] { result = ShowNo8Dot3AllVolsDlg(nullptr); }, [](HWND box) { Click(box, IDOK); });
    EXPECT_EQ(result, IDOK);
    ::RegSetKeyValueA(HKEY_CURRENT_USER, key.c_str(), name, REG_SZ, "YES", 4);
    Drive([&] { result = ShowNo8Dot3AllVolsDlg(nullptr); }, [](HWND box) { Click(box, IDOK); });
    EXPECT_EQ(result, IDOK);
}

}  // namespace
}  // namespace zem::test
