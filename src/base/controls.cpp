#include "base/controls.h"

#include <algorithm>

namespace zem {

// Unicode windows (the common controls of version 6) are read and written through the wide
// calls: the system's conversion of some ANSI messages copies into fixed-size buffers.
std::string WindowText(HWND window) {
    if (!::IsWindowUnicode(window)) {
        const int length = ::GetWindowTextLengthA(window);
        if (length <= 0) return {};
        std::string text(static_cast<size_t>(length) + 1, '\0');
        const int copied = ::GetWindowTextA(window, text.data(), length + 1);
        text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
        return text;
    }
    const int length = ::GetWindowTextLengthW(window);
    if (length <= 0) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int copied = ::GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return WideToMultiByte(text);
}

void SetWindowTextString(HWND window, const std::string& text) {
    if (::IsWindowUnicode(window)) {
        ::SetWindowTextW(window, MultiByteToWide(text).c_str());
    } else {
        ::SetWindowTextA(window, text.c_str());
    }
}

RedrawSuspended::RedrawSuspended(HWND window)
    : window_(window), visible_((::GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) != 0) {
    if (visible_) ::SendMessageA(window_, WM_SETREDRAW, FALSE, 0);
}

RedrawSuspended::~RedrawSuspended() {
    if (!visible_) return;
    ::SendMessageA(window_, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(window_, nullptr, TRUE);
}

void InsertTab(HWND tabs, int index, std::string caption) {
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = caption.data();
    ::SendMessageA(tabs, TCM_INSERTITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

void EditField::GetSelection(DWORD& start, DWORD& end) const {
    start = end = 0;
    ::SendMessageA(handle_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
}

HWND ComboBox::EditHandle() const {
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    return ::GetComboBoxInfo(handle_, &info) ? info.hwndItem : nullptr;
}

std::string ComboBox::Item(int index) const {
    const LRESULT length = ::SendMessageW(handle_, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR || length <= 0) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied =
        ::SendMessageW(handle_, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == CB_ERR ? 0 : std::min(static_cast<size_t>(copied), static_cast<size_t>(length)));
    return WideToMultiByte(text);
}

StringList ComboBox::Items() const {
    StringList items;
    const int count = Count();
    items.reserve(static_cast<size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i) items.push_back(Item(i));
    return items;
}

void ComboBox::Add(const std::string& text) const {
    ::SendMessageW(handle_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(MultiByteToWide(text).c_str()));
}

void ComboBox::Insert(int index, const std::string& text) const {
    ::SendMessageW(handle_, CB_INSERTSTRING, static_cast<WPARAM>(index),
                   reinterpret_cast<LPARAM>(MultiByteToWide(text).c_str()));
}

void ComboBox::LimitText(int characters) const {
    ::SendMessageW(handle_, CB_LIMITTEXT, static_cast<WPARAM>(characters), 0);
}

int RichEdit::TextLength() const {
    GETTEXTLENGTHEX request{GTL_NUMCHARS | GTL_PRECISE, CP_ACP};
    return static_cast<int>(::SendMessageA(handle_, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&request), 0));
}

namespace {

// The text or the selection in UTF-16: the code page is named, whichever class the control has.
std::wstring WideTextOf(HWND editor, size_t length, DWORD flags) {
    std::wstring text(length + 1, L'\0');
    GETTEXTEX request{static_cast<DWORD>(text.size() * sizeof(wchar_t)), flags, 1200, nullptr, nullptr};
    const auto copied = static_cast<size_t>(
        ::SendMessageA(editor, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&request), reinterpret_cast<LPARAM>(text.data())));
    text.resize(std::min(copied, length));
    return text;
}

// The whole text in UTF-16, with each paragraph's CR as CR LF when `crLf`.
std::wstring WholeWideText(HWND editor, bool crLf) {
    GETTEXTLENGTHEX request{GTL_NUMCHARS | GTL_PRECISE | (crLf ? GTL_USECRLF : 0u), 1200};
    const auto length =
        static_cast<size_t>(::SendMessageA(editor, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&request), 0));
    return WideTextOf(editor, length, crLf ? GT_USECRLF : GT_DEFAULT);
}

}  // namespace

std::wstring RichEdit::WideText() const { return WholeWideText(handle_, false); }

std::wstring RichEdit::FileText() const { return WholeWideText(handle_, true); }

std::wstring RichEdit::SelectedWideText() const {
    CHARRANGE range{};
    GetSelection(range);
    if (range.cpMax <= range.cpMin) return {};
    return WideTextOf(handle_, static_cast<size_t>(range.cpMax - range.cpMin), GT_SELECTION);
}

void RichEdit::SetSelection(LONG start, LONG end) const {
    CHARRANGE range{start, end};
    ::SendMessageA(handle_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
}

uint32_t RichEdit::Zoom() const {
    int numerator = 0, denominator = 0;
    if (!::SendMessageA(handle_, EM_GETZOOM, reinterpret_cast<WPARAM>(&numerator), reinterpret_cast<LPARAM>(&denominator)))
        return 0;
    return (static_cast<uint32_t>(denominator & 0xFFFF) << 16) | static_cast<uint32_t>(numerator & 0xFFFF);
}

bool RichEdit::SetZoom(uint32_t packed) const {
    return ::SendMessageA(handle_, EM_SETZOOM, packed & 0xFFFF, packed >> 16) != 0;
}

void StatusBar::SetText(int panel, const std::string& text) const {
    ::SendMessageA(handle_, SB_SETTEXTA, static_cast<WPARAM>(panel), reinterpret_cast<LPARAM>(text.c_str()));
}

std::string StatusBar::Text(int panel) const {
    const LRESULT info = ::SendMessageA(handle_, SB_GETTEXTLENGTHA, static_cast<WPARAM>(panel), 0);
    std::string text(LOWORD(info) + 1, '\0');
    ::SendMessageA(handle_, SB_GETTEXTA, static_cast<WPARAM>(panel), reinterpret_cast<LPARAM>(text.data()));
    text.resize(LOWORD(info));
    return text;
}

}  // namespace zem
