#include "base/window.h"

#include <exception>

namespace zem {

namespace {

std::string& TitleStorage() {
    static std::string title;
    return title;
}

}  // namespace

void SetApplicationTitle(const std::string& title) { TitleStorage() = title; }

const std::string& ApplicationTitle() { return TitleStorage(); }

void ShowPlainMessage(const std::string& text) {
    ::MessageBoxA(::GetActiveWindow(), text.c_str(), ApplicationTitle().c_str(), MB_OK);
}

void ShowMessageWithHelp(HWND owner, const std::string& text, const std::string& title, UINT icon,
                         DWORD helpContext) {
    MSGBOXPARAMSA box{};
    box.cbSize = sizeof(box);
    box.hwndOwner = owner;
    box.lpszText = text.c_str();
    box.lpszCaption = title.c_str();
    box.dwStyle = MB_OK | MB_HELP | icon;
    box.dwContextHelpId = helpContext;
    ::MessageBoxIndirectA(&box);
}

void ShowErrorReport(const std::string& text) {
    ::MessageBoxA(::GetActiveWindow(), text.c_str(), ApplicationTitle().c_str(), MB_OK | MB_ICONERROR);
}

void RunGuarded(const std::function<void()>& action) noexcept {
    try {
        action();
    } catch (const std::exception& error) {
        ShowErrorReport(error.what());
    } catch (...) {
        ShowErrorReport("Unknown error");
    }
}

void RunEachGuarded(std::initializer_list<std::function<void()>> steps) noexcept {
    for (const auto& step : steps) RunGuarded(step);
}

bool RegisterWindowClass(const char* className, WNDPROC procedure, HBRUSH background, HICON icon, UINT style) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = style;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.hIcon = icon;
    windowClass.hIconSm = icon;
    windowClass.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = className;
    return ::RegisterClassExA(&windowClass) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool Window::RegisterClass(const char* className, HICON icon, HBRUSH background, UINT style) {
    return RegisterWindowClass(className, &Window::StaticWndProc, background, icon, style);
}

HWND Window::CreateWindowHandle(DWORD exStyle, const char* className, const char* caption, DWORD style, int x,
                                int y, int width, int height, HWND parent, HMENU menu) {
    return ::CreateWindowExA(exStyle, className, caption, style, x, y, width, height, parent, menu,
                             ::GetModuleHandleA(nullptr), this);
}

LRESULT CALLBACK Window::StaticWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        auto* self = static_cast<Window*>(create->lpCreateParams);
        self->hwnd_ = hwnd;
        ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self) return ::DefWindowProcA(hwnd, message, wParam, lParam);

    LRESULT result = 0;
    bool handled = false;
    RunGuarded([&] {
        result = self->HandleMessage(message, wParam, lParam);
        handled = true;
    });
    if (!handled) result = ::DefWindowProcA(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        self->OnHandleDestroyed();
    }
    return result;
}

int ScaledPixels(int pixels) {
    static const int dpi = [] {
        const HDC screen = ::GetDC(nullptr);
        const int value = screen ? ::GetDeviceCaps(screen, LOGPIXELSY) : 96;
        if (screen) ::ReleaseDC(nullptr, screen);
        return value > 0 ? value : 96;
    }();
    return ::MulDiv(pixels, dpi, 96);
}

}  // namespace zem
