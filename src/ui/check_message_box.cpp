#include "ui/check_message_box.h"

#include <algorithm>
#include <climits>
#include <utility>
#include <vector>

#include "base/strings.h"
#include "base/unique.h"
#include "base/window.h"
#include "base/window_dc.h"
#include "ui/dialog.h"
#include "resource.h"

namespace zem {

namespace {

struct BoxButton {
    int id;
    UINT textId;
};

std::vector<BoxButton> ButtonsOf(UINT style) {
    switch (style & MB_TYPEMASK) {
        case MB_OKCANCEL: return {{IDOK, IDS_CHECKBOX_OK}, {IDCANCEL, IDS_CHECKBOX_CANCEL}};
        case MB_YESNOCANCEL:
            return {{IDYES, IDS_CHECKBOX_YES}, {IDNO, IDS_CHECKBOX_NO}, {IDCANCEL, IDS_CHECKBOX_CANCEL}};
        case MB_YESNO: return {{IDYES, IDS_CHECKBOX_YES}, {IDNO, IDS_CHECKBOX_NO}};
        default: return {{IDOK, IDS_CHECKBOX_OK}};
    }
}

// The system icon of the style's icon flag; null for none.
LPCSTR IconNameOf(UINT style) {
    switch (style & MB_ICONMASK) {
        case MB_ICONHAND: return IDI_HAND;
        case MB_ICONQUESTION: return IDI_QUESTION;
        case MB_ICONEXCLAMATION: return IDI_EXCLAMATION;
        case MB_ICONASTERISK: return IDI_ASTERISK;
        default: return nullptr;
    }
}

// The measures of the system's message box, in dialog units.
constexpr int kMargin = 7;
constexpr int kGap = 7;
constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 14;
constexpr int kButtonGap = 4;
constexpr int kButtonPadding = 8;
constexpr int kCheckHeight = 10;
constexpr int kCheckGap = 4;

// Pixels per dialog unit of a font, as the dialog manager computes them.
struct DialogUnits {
    int baseX;
    int baseY;
    int X(int units) const { return ::MulDiv(units, baseX, 4); }
    int Y(int units) const { return ::MulDiv(units, baseY, 8); }
};

// A window's device context with a font selected, for measuring text; both are put back.
class MeasuringDc {
public:
    MeasuringDc(HWND window, HFONT font) : dc_(window, font) {}

    DialogUnits Units() const {
        TEXTMETRICA metrics{};
        ::GetTextMetricsA(dc_.Get(), &metrics);
        static constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
        SIZE size{};
        ::GetTextExtentPoint32A(dc_.Get(), kAlphabet, 52, &size);
        return {std::max(1, static_cast<int>((size.cx / 26 + 1) / 2)), std::max(1, static_cast<int>(metrics.tmHeight))};
    }

    SIZE Measure(const std::string& text, UINT format, int maxWidth) const {
        RECT bounds{0, 0, maxWidth, 0};
        ::DrawTextA(dc_.Get(), text.c_str(), static_cast<int>(text.size()), &bounds, format | DT_CALCRECT);
        return {bounds.right - bounds.left, bounds.bottom - bounds.top};
    }

private:
    WindowFontDc dc_;
};

// How a left-aligned static control of `style` draws its text, the flags derived as the control
// derives them: words too long for a line are broken, as in the system's box.
UINT StaticTextFormat(LONG style) {
    UINT format = DT_LEFT | DT_EXPANDTABS | DT_WORDBREAK;
    if (style & SS_NOPREFIX) format |= DT_NOPREFIX;
    if (style & SS_EDITCONTROL) format |= DT_EDITCONTROL;
    return format;
}

// The size a control needs for `text`, measured in its own device context with the font it
// draws with: the measure is the control's, whatever font the dialog meant it to have.
SIZE ControlTextSize(HWND control, const std::string& text, UINT format, int maxWidth) {
    const MeasuringDc dc(control, reinterpret_cast<HFONT>(::SendMessageA(control, WM_GETFONT, 0, 0)));
    return dc.Measure(text, format, maxWidth);
}

// A dialog template with no controls: the box adds its controls itself, sized to the text.
struct alignas(4) EmptyTemplate {
    DLGTEMPLATE header;
    WORD menu;
    WORD windowClass;
    WORD title;
};

class CheckMessageBox : public Dialog {
public:
    CheckMessageBox(std::string text, std::string title, UINT style)
        : text_(std::move(text)), title_(std::move(title)), style_(style), buttons_(ButtonsOf(style)) {}

    CheckMessageBoxAnswer Show(HWND owner);

private:
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnInitDialog();
    void OnCommand(int id);

    HFONT Font() const;
    HWND AddControl(const char* className, const std::string& text, DWORD style, int id);
    void CreateControls();
    void Move(int id, int x, int y, int width, int height) const;
    // Places the controls for a work area and returns the client size they need.
    SIZE Layout(const RECT& work);
    int LayoutButtons(const DialogUnits& units, int buttonWidth, int y, int clientWidth);
    int ButtonWidth(const MeasuringDc& dc, const DialogUnits& units) const;
    void PlaceWindow(SIZE client, const RECT& work);
    RECT WorkArea() const;

    bool HasButton(int id) const;
    int DefaultButton() const;

    std::string text_;
    std::string title_;
    UINT style_;
    std::vector<BoxButton> buttons_;
    UniqueGdiObject font_;
    UniqueHIcon icon_;
    bool ready_ = false;
    bool dontShowAgain_ = false;
};

CheckMessageBoxAnswer CheckMessageBox::Show(HWND owner) {
    EmptyTemplate dialog{};
    dialog.header.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_3DLOOK;
    dialog.header.cx = 100;
    dialog.header.cy = 50;
    const INT_PTR result = RunModal(owner, dialog.header);
    // 0 means an invalid owner; both that and -1 mean that nothing was shown.
    if (result <= 0) return {};
    return {static_cast<int>(result), dontShowAgain_};
}

INT_PTR CheckMessageBox::HandleMessage(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            OnInitDialog();
            // A box that could not be built answers as a failed message box does.
            if (!ready_) Close(-1);
            return FALSE;  // the focus is on the default button already
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED) OnCommand(LOWORD(wParam));
            return TRUE;
        case WM_HELP:
            return TRUE;  // the box has no help; F1 must not reach the owner's help either
        default: return FALSE;
    }
}

void CheckMessageBox::OnInitDialog() {
    ::SetWindowTextA(hwnd_, title_.c_str());
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof(metrics);
    if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
        font_.Reset(::CreateFontIndirectA(&metrics.lfMessageFont));
    }
    if (LPCSTR iconName = IconNameOf(style_)) {
        // Not shared, so that it is ours to destroy.
        icon_.Reset(static_cast<HICON>(::LoadImageA(nullptr, iconName, IMAGE_ICON, 0, 0, LR_DEFAULTSIZE)));
    }
    CreateControls();
    const RECT work = WorkArea();
    PlaceWindow(Layout(work), work);
    // As in the system's box, a Yes/No question cannot be closed without an answer.
    if ((style_ & MB_TYPEMASK) == MB_YESNO) {
        ::EnableMenuItem(::GetSystemMenu(hwnd_, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
    }
    const int defaultId = DefaultButton();
    ::SendMessageA(hwnd_, DM_SETDEFID, static_cast<WPARAM>(defaultId), 0);
    ::SetFocus(::GetDlgItem(hwnd_, defaultId));
    ready_ = true;
}

void CheckMessageBox::OnCommand(int id) {
    int answer = id;
    if (id == IDCANCEL && !HasButton(IDCANCEL)) {
        if (!HasButton(IDOK)) return;  // Escape or the close box in a Yes/No question
        answer = IDOK;
    }
    if (!HasButton(answer)) return;
    dontShowAgain_ = ::IsDlgButtonChecked(hwnd_, IDC_CHECKBOX_DONTSHOW) == BST_CHECKED;
    Close(answer);
}

HFONT CheckMessageBox::Font() const {
    return font_ ? static_cast<HFONT>(font_.Get()) : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
}

HWND CheckMessageBox::AddControl(const char* className, const std::string& text, DWORD style, int id) {
    HWND control = ::CreateWindowExA(0, className, text.c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, hwnd_,
                                     reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), ::GetModuleHandleA(nullptr),
                                     nullptr);
    ::SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), FALSE);
    return control;
}

// The order of creation is the order of the Tab key: the buttons, then the check box.
void CheckMessageBox::CreateControls() {
    if (icon_) {
        HWND icon = AddControl("STATIC", {}, SS_ICON, IDC_CHECKBOX_ICON);
        ::SendMessageA(icon, STM_SETICON, reinterpret_cast<WPARAM>(icon_.Get()), 0);
    }
    AddControl("STATIC", text_, SS_LEFT | SS_NOPREFIX | SS_EDITCONTROL | WS_GROUP, IDC_CHECKBOX_TEXT);
    const int defaultId = DefaultButton();
    for (size_t i = 0; i < buttons_.size(); ++i) {
        const BoxButton& button = buttons_[i];
        DWORD style = WS_TABSTOP | (button.id == defaultId ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
        if (i == 0) style |= WS_GROUP;
        AddControl("BUTTON", ResString(button.textId), style, button.id);
    }
    AddControl("BUTTON", ResString(IDS_CHECKBOX_DONTSHOW), BS_AUTOCHECKBOX | WS_TABSTOP | WS_GROUP,
               IDC_CHECKBOX_DONTSHOW);
}

void CheckMessageBox::Move(int id, int x, int y, int width, int height) const {
    ::SetWindowPos(::GetDlgItem(hwnd_, id), nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

SIZE CheckMessageBox::Layout(const RECT& work) {
    const MeasuringDc dc(hwnd_, Font());
    const DialogUnits units = dc.Units();
    const int marginX = units.X(kMargin);
    const int marginY = units.Y(kMargin);
    int x = marginX;
    int iconSize = 0;
    if (icon_) {
        iconSize = ::GetSystemMetrics(SM_CXICON);
        Move(IDC_CHECKBOX_ICON, x, marginY, iconSize, iconSize);
        x += iconSize + units.X(kGap);
    }
    // Long lines wrap at three quarters of the work area, as in the system's box.
    const int maxTextWidth = std::max(units.X(100), static_cast<int>(work.right - work.left) * 3 / 4 - x - marginX);
    const HWND textControl = ::GetDlgItem(hwnd_, IDC_CHECKBOX_TEXT);
    const SIZE text =
        ControlTextSize(textControl, text_, StaticTextFormat(::GetWindowLongA(textControl, GWL_STYLE)), maxTextWidth);
    const int textY = marginY + std::max(0, static_cast<int>(iconSize - text.cy) / 2);
    Move(IDC_CHECKBOX_TEXT, x, textY, text.cx, text.cy);

    int y = std::max(textY + static_cast<int>(text.cy), marginY + iconSize) + units.Y(kGap);
    const SIZE check = ControlTextSize(::GetDlgItem(hwnd_, IDC_CHECKBOX_DONTSHOW), ResString(IDS_CHECKBOX_DONTSHOW),
                                       DT_SINGLELINE, INT_MAX / 2);
    const int checkWidth = ::GetSystemMetrics(SM_CXMENUCHECK) + units.X(kCheckGap) + check.cx;
    const int checkHeight = std::max(units.Y(kCheckHeight), static_cast<int>(check.cy));
    Move(IDC_CHECKBOX_DONTSHOW, x, y, checkWidth, checkHeight);
    y += checkHeight + units.Y(kGap);

    const int buttonWidth = ButtonWidth(dc, units);
    const int count = static_cast<int>(buttons_.size());
    const int rowWidth = count * buttonWidth + (count - 1) * units.X(kButtonGap);
    const int clientWidth =
        std::max({x + static_cast<int>(text.cx), x + checkWidth, marginX + rowWidth}) + marginX;
    y = LayoutButtons(units, buttonWidth, y, clientWidth);
    return {clientWidth, y + marginY};
}

// Centres the row of buttons at `y`; returns the row's bottom.
int CheckMessageBox::LayoutButtons(const DialogUnits& units, int width, int y, int clientWidth) {
    const int height = units.Y(kButtonHeight);
    const int gap = units.X(kButtonGap);
    const int count = static_cast<int>(buttons_.size());
    int x = (clientWidth - (count * width + (count - 1) * gap)) / 2;
    for (const BoxButton& button : buttons_) {
        Move(button.id, x, y, width, height);
        x += width + gap;
    }
    return y + height;
}

// All buttons are as wide as the widest caption needs, and at least the standard width.
int CheckMessageBox::ButtonWidth(const MeasuringDc& dc, const DialogUnits& units) const {
    int width = units.X(kButtonWidth);
    for (const BoxButton& button : buttons_) {
        const SIZE caption = dc.Measure(ResString(button.textId), DT_SINGLELINE, INT_MAX / 2);
        width = std::max(width, static_cast<int>(caption.cx) + units.X(kButtonPadding));
    }
    return width;
}

RECT CheckMessageBox::WorkArea() const {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    HWND owner = ::GetWindow(hwnd_, GW_OWNER);
    if (::GetMonitorInfoA(::MonitorFromWindow(owner ? owner : hwnd_, MONITOR_DEFAULTTONEAREST), &monitor)) {
        return monitor.rcWork;
    }
    RECT work{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    return work;
}

// Centres the box over a visible owner, else on the work area, and keeps it inside the work area.
void CheckMessageBox::PlaceWindow(SIZE client, const RECT& work) {
    RECT frame{0, 0, client.cx, client.cy};
    ::AdjustWindowRectEx(&frame, static_cast<DWORD>(::GetWindowLongA(hwnd_, GWL_STYLE)), FALSE,
                         static_cast<DWORD>(::GetWindowLongA(hwnd_, GWL_EXSTYLE)));
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    RECT around = work;
    HWND owner = ::GetWindow(hwnd_, GW_OWNER);
    if (owner && ::IsWindowVisible(owner) && !::IsIconic(owner)) ::GetWindowRect(owner, &around);
    int x = around.left + (around.right - around.left - width) / 2;
    int y = around.top + (around.bottom - around.top - height) / 2;
    x = std::max(static_cast<int>(work.left), std::min(x, static_cast<int>(work.right) - width));
    y = std::max(static_cast<int>(work.top), std::min(y, static_cast<int>(work.bottom) - height));
    ::SetWindowPos(hwnd_, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    // The frame may differ from the computed one by a pixel; the client area is what counts.
    RECT actual{};
    ::GetClientRect(hwnd_, &actual);
    const int dx = client.cx - actual.right;
    const int dy = client.cy - actual.bottom;
    if (dx != 0 || dy != 0) {
        ::SetWindowPos(hwnd_, nullptr, 0, 0, width + dx, height + dy, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    }
}

bool CheckMessageBox::HasButton(int id) const {
    return std::any_of(buttons_.begin(), buttons_.end(), [id](const BoxButton& button) { return button.id == id; });
}

int CheckMessageBox::DefaultButton() const {
    const size_t index = (style_ & MB_DEFMASK) >> 8;
    return buttons_[std::min(index, buttons_.size() - 1)].id;
}

}  // namespace

CheckMessageBoxAnswer ShowCheckMessageBox(HWND owner, const std::string& text, const std::string& title, UINT style) {
    CheckMessageBox box(text, title, style);
    return box.Show(owner);
}

}  // namespace zem
