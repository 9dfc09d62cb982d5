#include "ui/link_view.h"

#include <commctrl.h>

#include "base/system.h"
#include "base/unique.h"
#include "base/window.h"

namespace zem {
namespace {

// Loaded once per process and kept: every view of the process uses it.
struct RichEditLibrary {
    UniqueHModule module;
    bool newer = false;

    RichEditLibrary() {
        module = LoadSystemLibrary("riched20.dll");
        newer = static_cast<bool>(module);
        if (!newer) module = LoadSystemLibrary("riched32.dll");
    }
};

const RichEditLibrary& Library() {
    static const RichEditLibrary library;
    return library;
}

}  // namespace

const char* TZemRichEdit::ClassName() { return Library().newer ? RICHEDIT_CLASSA : "RICHEDIT"; }

TZemRichEdit::~TZemRichEdit() {
    if (handle_ && ::IsWindow(handle_)) ::RemoveWindowSubclass(handle_, PaintGuard, 0);
}

bool TZemRichEdit::Create(HWND parent, int id, DWORD style, DWORD exStyle, const RECT& bounds) {
    if (!Library().module) return false;
    handle_ = ::CreateWindowExA(exStyle, ClassName(), "", WS_CHILD | style, bounds.left, bounds.top,
                                bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleA(nullptr), nullptr);
    if (!handle_) return false;
    ::SetWindowSubclass(handle_, PaintGuard, 0, 0);
    return true;
}

LRESULT CALLBACK TZemRichEdit::PaintGuard(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                          DWORD_PTR) {
    if (message != WM_PAINT) return ::DefSubclassProc(window, message, wParam, lParam);
    LRESULT result = 0;
    try {
        result = ::DefSubclassProc(window, message, wParam, lParam);
    } catch (...) {
        ::ValidateRect(window, nullptr);  // a failed paint is not retried without end
    }
    return result;
}

int TZemRichEdit::AppendLineGetIndex(const std::string& text) {
    ::SendMessageA(handle_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
    CHARRANGE selection{};
    ::SendMessageA(handle_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    const auto line = static_cast<int>(::SendMessageA(handle_, EM_EXLINEFROMCHAR, 0, selection.cpMin));
    ::SendMessageA(handle_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("\r\n"));
    return line;
}

void TZemRichEdit::SetAutoUrlDetect(bool on) { ::SendMessageA(handle_, EM_AUTOURLDETECT, on ? 1 : 0, 0); }

void TZemRichEdit::SetLinkNotifications(bool on) {
    const auto mask = static_cast<DWORD>(::SendMessageA(handle_, EM_GETEVENTMASK, 0, 0));
    ::SendMessageA(handle_, EM_SETEVENTMASK, 0, on ? (mask | ENM_LINK) : (mask & ~static_cast<DWORD>(ENM_LINK)));
}

std::string TZemRichEdit::GetLinkText(LONG start, LONG end) const {
    if (end <= start) return {};
    std::string text(static_cast<size_t>(end - start) + 1, '\0');
    TEXTRANGEA range{{start, end}, text.data()};
    text.resize(static_cast<size_t>(::SendMessageA(handle_, EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range))));
    return text;
}

const TZemRichEdit::LinkEvent* TZemRichEdit::EventFor(UINT mouseMessage) const {
    switch (mouseMessage) {
        case WM_SETCURSOR: return &OnLinkSetCursor;
        case WM_MOUSEMOVE: return &OnLinkMouseMove;
        case WM_LBUTTONDOWN: return &OnLinkLeftBtnDown;
        case WM_LBUTTONUP: return &OnLinkLeftBtnUp;
        case WM_LBUTTONDBLCLK: return &OnLinkLeftBtnDoubleClick;
        case WM_RBUTTONDOWN: return &OnLinkRightBtnDown;
        case WM_RBUTTONUP: return &OnLinkRightBtnUp;
        case WM_RBUTTONDBLCLK: return &OnLinkRightBtnDoubleClick;
        default: return nullptr;
    }
}

bool TZemRichEdit::HandleNotify(const NMHDR& header) {
    if (header.hwndFrom != handle_ || header.code != EN_LINK) return false;
    const auto& link = reinterpret_cast<const ENLINK&>(header);
    const LinkEvent* event = EventFor(link.msg);
    if (event && *event) {
        const std::string text = GetLinkText(link.chrg.cpMin, link.chrg.cpMax);
        RunGuarded([&] { (*event)(*this, text); });
    }
    return true;
}

}  // namespace zem
