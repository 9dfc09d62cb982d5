#include "test_support.h"

#include "config/app_config.h"

namespace zem::test {

void DeleteUserKey(const std::string& key) { ::RegDeleteTreeA(HKEY_CURRENT_USER, key.c_str()); ::RegDeleteKeyA(HKEY_CURRENT_USER, key.c_str()); }

CleanAppKey::CleanAppKey() { DeleteUserKey(kAppRegistryKey); }

CleanAppKey::~CleanAppKey() { DeleteUserKey(kAppRegistryKey); }

void PumpMessages(int milliseconds) {
    const DWORD until = ::GetTickCount() + static_cast<DWORD>(milliseconds);
    do {
        MSG message{};
        while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) continue;
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
        if (milliseconds > 0) ::Sleep(5);
    } while (static_cast<LONG>(until - ::GetTickCount()) > 0);
}

namespace {

struct FoundBox {
    DWORD processId;
    HWND box;
};

BOOL CALLBACK FindDialog(HWND window, LPARAM parameter) {
    auto* found = reinterpret_cast<FoundBox*>(parameter);
    DWORD processId = 0;
    ::GetWindowThreadProcessId(window, &processId);
    char className[64] = {};
    ::GetClassNameA(window, className, sizeof(className));
    if (processId == found->processId && std::string(className) == "#32770" && ::IsWindowVisible(window)) {
        found->box = window;
        return FALSE;
    }
    return TRUE;
}

std::string TextOf(HWND window) {
    char buffer[4096] = {};
    ::GetWindowTextA(window, buffer, sizeof(buffer));
    return buffer;
}

}  // namespace

MessageBoxAnswerer::MessageBoxAnswerer(int button, std::chrono::milliseconds timeout)
    : button_(button), timeout_(timeout), watcher_([this] { Watch(); }) {}

MessageBoxAnswerer::~MessageBoxAnswerer() {
    if (watcher_.joinable()) watcher_.join();
}

bool MessageBoxAnswerer::Wait() {
    if (watcher_.joinable()) watcher_.join();
    return answered_;
}

void MessageBoxAnswerer::Watch() {
    const auto deadline = std::chrono::steady_clock::now() + timeout_;
    while (std::chrono::steady_clock::now() < deadline) {
        FoundBox found{::GetCurrentProcessId(), nullptr};
        ::EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&found));
        if (found.box) {
            caption_ = TextOf(found.box);
            // The message text is the box's static control with id 0xFFFF.
            text_ = TextOf(::GetDlgItem(found.box, 0xFFFF));
            ::PostMessageA(found.box, WM_COMMAND, MAKEWPARAM(button_, BN_CLICKED), 0);
            answered_ = true;
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

}  // namespace zem::test
