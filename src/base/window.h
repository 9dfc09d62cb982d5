// The window base class and the application-wide message boxes.
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>

namespace zem {

// The application's title: the caption of its message boxes.
void SetApplicationTitle(const std::string& title);
const std::string& ApplicationTitle();

// A plain message box with an OK button, owned by the active window.
void ShowPlainMessage(const std::string& text);

// A message box with OK and Help; Help sends WM_HELP with `helpContext` to `owner`.
void ShowMessageWithHelp(HWND owner, const std::string& text, const std::string& title, UINT icon,
                         DWORD helpContext);

// The application's general error report: a message box with the error's text.
void ShowErrorReport(const std::string& text);

// Pixels at 96 dots per inch in the screen's pixels: layouts grow with the fonts.
int ScaledPixels(int pixels);

// Runs `action`; an exception it raises is shown in the general error report and stops there.
void RunGuarded(const std::function<void()>& action) noexcept;

// Runs every step in turn, each guarded on its own: a failing step is reported and the next
// one still runs.
void RunEachGuarded(std::initializer_list<std::function<void()>> steps) noexcept;

// The value `read` yields; nothing when it raised an error, which is then reported as
// RunGuarded reports it.
template <class Read>
auto ReadGuarded(Read read) noexcept -> std::optional<decltype(read())> {
    std::optional<decltype(read())> value;
    RunGuarded([&] { value = read(); });
    return value;
}

// Registers a window class of this module with the arrow cursor; true also when it is
// registered already.
bool RegisterWindowClass(const char* className, WNDPROC procedure, HBRUSH background, HICON icon = nullptr,
                         UINT style = 0);

// Base of the program's own windows: routes messages to HandleMessage and never lets
// an exception leave the window procedure.
class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window() = default;

    HWND Handle() const { return hwnd_; }

    // Registers a window class whose procedure dispatches to Window objects.
    static bool RegisterClass(const char* className, HICON icon, HBRUSH background, UINT style = 0);

protected:
    // Creates the window; `this` receives its messages from WM_NCCREATE on.
    HWND CreateWindowHandle(DWORD exStyle, const char* className, const char* caption, DWORD style, int x, int y,
                            int width, int height, HWND parent, HMENU menu);

    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
        return ::DefWindowProcA(hwnd_, message, wParam, lParam);
    }
    // Called after WM_NCDESTROY; the handle is gone.
    virtual void OnHandleDestroyed() {}

private:
    static LRESULT CALLBACK StaticWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

    HWND hwnd_ = nullptr;
};

}  // namespace zem
