// The main window's controls: creation, initial states and layout.
#include "app/main_window.h"

#include "app/help_contexts.h"
#include "base/system.h"
#include "resource.h"
#include "base/window.h"

namespace zem {

namespace {

constexpr char kPanelClass[] = "TZemPanel";

// The panels' measures in pixels at 96 dots per inch; they grow with the screen's.
struct PanelMeasures {
    int panelHeight = ScaledPixels(34);
    int margin = ScaledPixels(6);
    int buttonWidth = ScaledPixels(75);
    int controlHeight = ScaledPixels(23);
    int smallButtonWidth = ScaledPixels(23);
    int labelWidth = ScaledPixels(36);
    int labelOffset = ScaledPixels(4);  // a label's text lines up with the box's text
    int boxWidth = ScaledPixels(90);
    int dropDownHeight = ScaledPixels(200);
};

// A container whose children's notifications reach the main window.
LRESULT CALLBACK PanelProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN:
            return ::SendMessageA(::GetParent(panel), message, wParam, lParam);
    }
    return ::DefWindowProcA(panel, message, wParam, lParam);
}

void Place(HWND control, int x, int y, int width, int height) {
    ::MoveWindow(control, x, y, width > 0 ? width : 0, height > 0 ? height : 0, TRUE);
}

}  // namespace

HWND TForm1::CreateChild(HWND parent, const char* className, const std::string& text, DWORD style, int id,
                         DWORD exStyle) {
    HWND child = ::CreateWindowExA(exStyle, className, text.c_str(), WS_CHILD | style, 0, 0, 0, 0, parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleA(nullptr),
                                   nullptr);
    ::SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    ::SetWindowContextHelpId(child, HelpContextOfControl(id));
    return child;
}

// The output editor: a rich-edit control in plain-text mode, in the tab order after the path panel.
void TForm1::CreateMemo() { memo_ = CreateEditorControl(WS_VISIBLE); }

void TForm1::CreateControls() {
    INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&classes);
    RegisterWindowClass(kPanelClass, PanelProc, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    const DWORD visibleTab = WS_VISIBLE | WS_TABSTOP;
    const DWORD comboStyle = visibleTab | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL;

    // The path panel is shown when the window is first shown.
    panel_ = CreateChild(Handle(), kPanelClass, "", WS_CLIPSIBLINGS, IDC_PANEL1, WS_EX_CONTROLPARENT);
    pathLabel_ = CreateChild(panel_, "STATIC", ResString(IDS_PATH_LABEL), WS_VISIBLE | SS_LEFT, IDC_PATHLABEL);
    fileNameComboBox_ = CreateChild(panel_, "COMBOBOX", "", comboStyle, IDC_FILENAMECOMBOBOX1);
    browseButton_ = CreateChild(panel_, "BUTTON", ResString(IDS_BROWSE_BUTTON), visibleTab | BS_PUSHBUTTON,
                                IDC_BROWSEBUTTON1);
    convertButton_ = CreateChild(panel_, "BUTTON", ResString(IDS_CONVERT_BUTTON),
                                 visibleTab | BS_PUSHBUTTON | WS_DISABLED, IDC_CONVERTBUTTON1);

    richEditLibrary_ = LoadSystemLibrary("riched20.dll");
    memoFont_.Reset(::CreateFontA(-ScaledPixels(11), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                                  "Tahoma"));
    CreateMemo();

    // The find panel, hidden at start.
    findPanel_ = CreateChild(Handle(), kPanelClass, "", WS_CLIPSIBLINGS, IDC_FINDPANEL1, WS_EX_CONTROLPARENT);
    findLabel_ = CreateChild(findPanel_, "STATIC", ResString(IDS_FIND_LABEL), WS_VISIBLE | SS_LEFT, IDC_FINDLABEL1);
    findEdit_ = CreateChild(findPanel_, "COMBOBOX", "", comboStyle, IDC_FINDEDIT1);
    searchDownButton_ = CreateChild(findPanel_, "BUTTON", ResString(IDS_NEXT_BUTTON),
                                    visibleTab | BS_PUSHBUTTON | WS_DISABLED, IDC_SEARCHDIRDOWNBUTTON1);
    searchUpButton_ = CreateChild(findPanel_, "BUTTON", ResString(IDS_PREV_BUTTON),
                                  visibleTab | BS_PUSHBUTTON | WS_DISABLED, IDC_SEARCHDIRUPBUTTON1);
    caseSensitiveCheckBox_ = CreateChild(findPanel_, "BUTTON", ResString(IDS_MATCH_CASE),
                                         visibleTab | BS_AUTOCHECKBOX, IDC_CASESENSITIVECHECKBOX1);
    closeFindButton_ = CreateChild(findPanel_, "BUTTON", ResString(IDS_CLOSE_PANEL_BUTTON),
                                   visibleTab | BS_PUSHBUTTON, IDC_CLOSEFINDBARBUTTON1);

    // The go-to panel, hidden at start.
    goToPanel_ = CreateChild(Handle(), kPanelClass, "", WS_CLIPSIBLINGS, IDC_GOTOPANEL1, WS_EX_CONTROLPARENT);
    goToButton_ = CreateChild(goToPanel_, "BUTTON", ResString(IDS_GOTO_BUTTON),
                              visibleTab | BS_PUSHBUTTON | WS_DISABLED, IDC_GOTOLINETNUMBUTTON1);
    lineNumComboBox_ = CreateChild(goToPanel_, "COMBOBOX", "", comboStyle, IDC_LINENUMCOMBOBOX1);
    lineNumTextEdit_ = CreateChild(goToPanel_, "EDIT", "", visibleTab | ES_AUTOHSCROLL | ES_READONLY,
                                   IDC_LINENUMTEXTEDIT1, WS_EX_CLIENTEDGE);
    closeGoToButton_ = CreateChild(goToPanel_, "BUTTON", ResString(IDS_CLOSE_PANEL_BUTTON),
                                   visibleTab | BS_PUSHBUTTON, IDC_CLOSEGOTOPANELBUTTON1);

    // The status bar: Line, Col, match count (width 0 while the find panel is closed), Path.
    statusBar_ = CreateChild(Handle(), STATUSCLASSNAMEA, "", WS_VISIBLE | SBARS_SIZEGRIP, IDC_STATUSBAR1);
    int edges[] = {80, 160, 160, -1};
    ::SendMessageA(statusBar_, SB_SETPARTS, 4, reinterpret_cast<LPARAM>(edges));
    StatusBar1().SetText(0, ResString(IDS_STATUS_LINE));
    StatusBar1().SetText(1, ResString(IDS_STATUS_COL));
    StatusBar1().SetText(2, ResString(IDS_STATUS_NO_MATCHES));
    StatusBar1().SetText(3, ResString(IDS_STATUS_PATH));

    for (const HWND box : {fileNameComboBox_, findEdit_, lineNumComboBox_}) ComboBox(box).LimitText(kLongestFieldText);
    ::SendMessageW(lineNumTextEdit_, EM_LIMITTEXT, kLongestFieldText, 0);

    currentBasePathItem_.Attach(mainMenu_, MMCurrentBasePath);
    shortcuts_.Load(IDR_ACCELERATORS);
}

void TForm1::LayoutControls() {
    RECT client{};
    ::GetClientRect(Handle(), &client);
    const int width = client.right;
    ::SendMessageA(statusBar_, WM_SIZE, 0, 0);
    RECT statusRect{};
    ::GetWindowRect(statusBar_, &statusRect);
    int bottom = client.bottom - (statusRect.bottom - statusRect.top);

    static const PanelMeasures m;
    const int inner = (m.panelHeight - m.controlHeight) / 2;
    for (HWND bottomPanel : {findPanel_, goToPanel_}) {
        if (!::IsWindowVisible(bottomPanel)) continue;
        bottom -= m.panelHeight;
        Place(bottomPanel, 0, bottom, width, m.panelHeight);
    }
    int top = 0;
    if (::IsWindowVisible(panel_)) {
        Place(panel_, 0, 0, width, m.panelHeight);
        top = m.panelHeight;
    }
    Place(memo_, 0, top, width, bottom - top);

    // Path panel: label, path box, Browse, Convert.
    const int labelTop = inner + m.labelOffset;
    const int labelHeight = m.controlHeight - m.labelOffset;
    const int buttonsLeft = width - m.margin - 2 * m.buttonWidth - m.margin;
    Place(pathLabel_, m.margin, labelTop, m.labelWidth, labelHeight);
    Place(fileNameComboBox_, m.margin + m.labelWidth, inner, buttonsLeft - m.margin - m.labelWidth - m.margin,
          m.dropDownHeight);
    Place(browseButton_, buttonsLeft, inner, m.buttonWidth, m.controlHeight);
    Place(convertButton_, buttonsLeft + m.buttonWidth + m.margin, inner, m.buttonWidth, m.controlHeight);

    // Find panel: label, search box, Next, Prev., Match case, close.
    const int closeLeft = width - m.margin - m.smallButtonWidth;
    const int checkLeft = closeLeft - m.margin - m.boxWidth;
    const int prevLeft = checkLeft - m.margin - m.buttonWidth;
    const int nextLeft = prevLeft - m.margin - m.buttonWidth;
    Place(findLabel_, m.margin, labelTop, m.labelWidth, labelHeight);
    Place(findEdit_, m.margin + m.labelWidth, inner, nextLeft - m.margin - m.labelWidth - m.margin, m.dropDownHeight);
    Place(searchDownButton_, nextLeft, inner, m.buttonWidth, m.controlHeight);
    Place(searchUpButton_, prevLeft, inner, m.buttonWidth, m.controlHeight);
    Place(caseSensitiveCheckBox_, checkLeft, inner, m.boxWidth, m.controlHeight);
    Place(closeFindButton_, closeLeft, inner, m.smallButtonWidth, m.controlHeight);

    // Go-to panel: Go to: button, line-number box, line preview, close.
    Place(goToButton_, m.margin, inner, m.buttonWidth, m.controlHeight);
    Place(lineNumComboBox_, m.margin * 2 + m.buttonWidth, inner, m.boxWidth, m.dropDownHeight);
    const int previewLeft = m.margin * 3 + m.buttonWidth + m.boxWidth;
    Place(lineNumTextEdit_, previewLeft, inner, closeLeft - m.margin - previewLeft, m.controlHeight);
    Place(closeGoToButton_, closeLeft, inner, m.smallButtonWidth, m.controlHeight);
}

}  // namespace zem
