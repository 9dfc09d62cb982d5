#include "bare_window.h"

#include <richedit.h>

#include <string>
#include <vector>

#include "resource.h"

namespace zem::bench {
namespace {

// The program's window: 640 x 421 pixels with a menu bar; its editor sits between the path panel
// (34 pixels at 96 dots per inch) and the status bar.
constexpr int kWindowWidth = 640;
constexpr int kWindowHeight = 421;
constexpr int kPanelHeight = 34;
constexpr int kStatusBarHeight = 20;

int Scaled(int pixels) {
    const HDC screen = ::GetDC(nullptr);
    const int dpi = screen ? ::GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen) ::ReleaseDC(nullptr, screen);
    return ::MulDiv(pixels, dpi > 0 ? dpi : 96, 96);
}

struct StreamSource {
    HANDLE file;
    bool unicode;
};

// Reads the next chunk; a chunk never ends with a CR (the control would split CR LF into two
// line breaks): the CR is read again with the next chunk.
DWORD CALLBACK ReadChunk(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* read) {
    const auto* source = reinterpret_cast<const StreamSource*>(cookie);
    DWORD count = 0;
    if (!::ReadFile(source->file, buffer, static_cast<DWORD>(size), &count, nullptr)) return 1;
    const LONG unit = source->unicode ? 2 : 1;
    const bool endsWithCr = count >= static_cast<DWORD>(unit) && buffer[count - unit] == '\r' &&
                            (unit == 1 || buffer[count - 1] == 0);
    if (endsWithCr && count > static_cast<DWORD>(unit)) {
        count -= unit;
        ::SetFilePointer(source->file, -unit, nullptr, FILE_CURRENT);
    }
    *read = static_cast<LONG>(count);
    return 0;
}

}  // namespace

BareEditorWindow::BareEditorWindow(bool quitOnDestroy) : quitOnDestroy_(quitOnDestroy) {
    richEdit_.Reset(::LoadLibraryExA("riched20.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
    font_.Reset(::CreateFontA(-Scaled(11), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                              CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "Tahoma"));
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kBareWindowClass;
    ::RegisterClassExA(&windowClass);
    // No menu bar: the window is lower by its height, so that the client area is the program's.
    window_ = ::CreateWindowExA(0, kBareWindowClass, "Bare editor", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                                CW_USEDEFAULT, CW_USEDEFAULT, kWindowWidth,
                                kWindowHeight - ::GetSystemMetrics(SM_CYMENU), nullptr, nullptr,
                                ::GetModuleHandleA(nullptr), nullptr);
    ::SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    editor_ = CreateEditor();
    ::ShowWindow(window_, SW_SHOWNORMAL);
    ::UpdateWindow(window_);
}

BareEditorWindow::~BareEditorWindow() {
    if (::IsWindow(window_)) ::DestroyWindow(window_);
}

LRESULT CALLBACK BareEditorWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<BareEditorWindow*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self && message == WM_COPYDATA) {
        try {
            return self->OnRequest(*reinterpret_cast<const COPYDATASTRUCT*>(lParam));
        } catch (...) {
            return -1;
        }
    }
    if (self && message == WM_DESTROY && self->quitOnDestroy_) ::PostQuitMessage(0);
    return ::DefWindowProcA(window, message, wParam, lParam);
}

LRESULT BareEditorWindow::OnRequest(const COPYDATASTRUCT& request) {
    const std::string text(static_cast<const char*>(request.lpData), request.cbData > 0 ? request.cbData - 1 : 0);
    switch (request.dwData) {
        case kBareLoad:
            RenewEditor();
            return StreamIn(text) ? ::SendMessageA(editor_, WM_GETTEXTLENGTH, 0, 0) : -1;
        case kBareSaveAnsi: return FetchAndWrite(editor_, text, false);
        case kBareSaveUnicode: return FetchAndWrite(editor_, text, true);
        case kBareCountMatches: return static_cast<LRESULT>(FetchAndCount(editor_, text));
    }
    return -1;
}

// The program's editor control: the same style, text mode, limit, font and event mask.
HWND BareEditorWindow::CreateEditor() const {
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
                        ES_NOHIDESEL | ES_WANTRETURN | ES_SAVESEL;
    RECT client{};
    ::GetClientRect(window_, &client);
    const int top = Scaled(kPanelHeight);
    const HWND editor = ::CreateWindowExA(WS_EX_CLIENTEDGE, RICHEDIT_CLASSA, "", style, 0, top, client.right,
                                          client.bottom - top - kStatusBarHeight, window_,
                                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_MEMO1)),
                                          ::GetModuleHandleA(nullptr), nullptr);
    ::SendMessageA(editor, EM_SETTEXTMODE, TM_PLAINTEXT | TM_MULTILEVELUNDO | TM_MULTICODEPAGE, 0);
    ::SendMessageA(editor, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
    ::SendMessageA(editor, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
    ::SendMessageA(editor, EM_SETEVENTMASK, 0, ENM_CHANGE | ENM_SELCHANGE);
    return editor;
}

void BareEditorWindow::RenewEditor() {
    ::DestroyWindow(editor_);
    editor_ = CreateEditor();
}

bool BareEditorWindow::StreamIn(const std::string& path) const {
    const UniqueFileHandle file(
        ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file) return false;
    unsigned char mark[2] = {};
    DWORD read = 0;
    ::ReadFile(file.Get(), mark, 2, &read, nullptr);
    const bool unicode = read == 2 && mark[0] == 0xFF && mark[1] == 0xFE;
    if (!unicode) ::SetFilePointer(file.Get(), 0, nullptr, FILE_BEGIN);
    StreamSource source{file.Get(), unicode};
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&source), 0, ReadChunk};
    ::SendMessageA(editor_, EM_STREAMIN, unicode ? (SF_TEXT | SF_UNICODE) : SF_TEXT, reinterpret_cast<LPARAM>(&stream));
    return stream.dwError == 0;
}

LRESULT FetchAndWrite(HWND editor, const std::string& path, bool unicode) {
    const UINT codePage = unicode ? 1200 : CP_ACP;
    GETTEXTLENGTHEX length{GTL_USECRLF | GTL_PRECISE | GTL_NUMBYTES, codePage};
    const auto bytes = static_cast<size_t>(::SendMessageA(editor, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0));
    // Room for the mark in front and the terminating zero behind.
    std::vector<char> text(bytes + 4, '\0');
    const size_t markSize = unicode ? 2 : 0;
    GETTEXTEX request{static_cast<DWORD>(text.size() - markSize), GT_USECRLF, codePage, nullptr, nullptr};
    const auto fetched = static_cast<size_t>(::SendMessageA(editor, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&request),
                                                            reinterpret_cast<LPARAM>(text.data() + markSize)));
    if (unicode) {
        text[0] = '\xFF';
        text[1] = '\xFE';
    }
    const DWORD size = static_cast<DWORD>(markSize + fetched * (unicode ? 2 : 1));
    const UniqueFileHandle file(
        ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    return file && ::WriteFile(file.Get(), text.data(), size, &written, nullptr) && written == size ? written : -1;
}

size_t FetchAndCount(HWND editor, const std::string& needle) {
    GETTEXTLENGTHEX length{GTL_NUMCHARS | GTL_PRECISE, 1200};
    const auto size = static_cast<size_t>(::SendMessageA(editor, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0));
    std::wstring text(size + 1, L'\0');
    GETTEXTEX request{static_cast<DWORD>(text.size() * sizeof(wchar_t)), GT_DEFAULT, 1200, nullptr, nullptr};
    ::SendMessageA(editor, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&request), reinterpret_cast<LPARAM>(text.data()));
    const auto fold = [](wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c + 32) : c; };
    for (wchar_t& c : text) c = fold(c);
    std::wstring wanted(needle.begin(), needle.end());  // an ASCII text
    for (wchar_t& c : wanted) c = fold(c);
    size_t count = 0;
    for (size_t at = text.find(wanted); at != std::wstring::npos; at = text.find(wanted, at + wanted.size())) ++count;
    return count;
}

}  // namespace zem::bench
