#include "test_support.h"

#include <dlgs.h>

#include <cstring>
#include <map>

#include "base/strings.h"
#include "base/unique.h"
#include "config/app_config.h"

namespace zem::test {

void DeleteUserKey(const std::string& key) { ::RegDeleteTreeA(HKEY_CURRENT_USER, key.c_str()); ::RegDeleteKeyA(HKEY_CURRENT_USER, key.c_str()); }

CleanAppKey::CleanAppKey() { DeleteUserKey(kAppRegistryKey); }

CleanAppKey::~CleanAppKey() { DeleteUserKey(kAppRegistryKey); }

namespace {

// Wide calls, so that names outside the ANSI code page go too.
void RemoveTree(const std::wstring& path) {
    WIN32_FIND_DATAW data{};
    const UniqueFindHandle search(::FindFirstFileW((path + L"\\*").c_str(), &data));
    if (search) {
        do {
            const std::wstring name = data.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring child = path + L"\\" + name;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(child);
            } else {
                ::SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                ::DeleteFileW(child.c_str());
            }
        } while (::FindNextFileW(search.Get(), &data));
    }
    ::RemoveDirectoryW(path.c_str());
}

}  // namespace

TempFolder::TempFolder() {
    char base[MAX_PATH + 1] = {};
    ::GetTempPathA(MAX_PATH, base);
    static unsigned counter = 0;
    do {
        path_ = std::string(base) + "zem-test-" + std::to_string(::GetCurrentProcessId()) + "-" +
                std::to_string(++counter);
    } while (!::CreateDirectoryA(path_.c_str(), nullptr));
}

// The prefix lets the removal reach below MAX_PATH.
TempFolder::~TempFolder() { RemoveTree(L"\\\\?\\" + MultiByteToWide(path_)); }

std::string TempFolder::MakeFolder(const std::string& relative) const {
    std::string full = path_;
    size_t start = 0;
    while (start <= relative.size()) {
        size_t end = relative.find('\\', start);
        if (end == std::string::npos) end = relative.size();
        full.append("\\").append(relative, start, end - start);
        ::CreateDirectoryA(full.c_str(), nullptr);
        start = end + 1;
    }
    return full;
}

std::string TempFolder::MakeFile(const std::string& relative, const std::string& content) const {
    const size_t slash = relative.rfind('\\');
    if (slash != std::string::npos) MakeFolder(relative.substr(0, slash));
    const std::string full = path_ + "\\" + relative;
    const UniqueFileHandle file(::CreateFileA(full.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                              FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    if (file) ::WriteFile(file.Get(), content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    return full;
}

ScopedVariable::ScopedVariable(std::string name, const char* value) : name_(std::move(name)) {
    std::string buffer(32768, '\0');
    const DWORD length = ::GetEnvironmentVariableA(name_.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length > 0 && length < buffer.size()) old_ = buffer.substr(0, length);
    ::SetEnvironmentVariableA(name_.c_str(), value);
}

ScopedVariable::~ScopedVariable() { ::SetEnvironmentVariableA(name_.c_str(), old_ ? old_->c_str() : nullptr); }

std::string SystemShortForm(const std::string& path) {
    char buffer[MAX_PATH * 4] = {};
    const DWORD length = ::GetShortPathNameA(path.c_str(), buffer, sizeof(buffer));
    return length > 0 && length < sizeof(buffer) ? std::string(buffer, length) : std::string();
}

std::string SystemRoundTrip(const std::string& path) {
    char longForm[MAX_PATH] = {};
    ::GetLongPathNameA(SystemShortForm(path).c_str(), longForm, MAX_PATH);
    return longForm;
}

bool MakeEmptyFile(const std::string& path) {
    return UniqueFileHandle(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr)).Valid();
}

namespace {

std::string AlternateName(const std::string& path) {
    WIN32_FIND_DATAA data{};
    const UniqueFindHandle found(::FindFirstFileA(path.c_str(), &data));
    return found ? UpperCaseKey(data.cAlternateFileName) : std::string();
}

}  // namespace

std::optional<CollidingShortNames> MakeCollidingShortNames(const std::string& folder) {
    constexpr int kMostFiles = 2000;  // Wine's first collision comes within a hundred files
    std::map<std::string, std::string> byShortName;
    for (int number = 0; number < kMostFiles; ++number) {
        const std::string path = folder + Format("\\Report document version %04d final.txt", number);
        if (!MakeEmptyFile(path)) break;
        const auto [earlier, isNew] = byShortName.emplace(AlternateName(path), path);
        if (isNew) continue;
        CollidingShortNames pair;
        for (const std::string& file : {earlier->second, path}) {
            (SystemRoundTrip(file) == file ? pair.reached : pair.misled) = file;
        }
        return pair;
    }
    return std::nullopt;
}

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

struct WindowSearch {
    DWORD processId;
    const char* className;
    HWND found;
};

BOOL CALLBACK InspectWindow(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<WindowSearch*>(parameter);
    DWORD processId = 0;
    ::GetWindowThreadProcessId(window, &processId);
    char className[256] = {};
    ::GetClassNameA(window, className, sizeof(className));
    if (processId == search->processId && std::string(className) == search->className && ::IsWindowVisible(window)) {
        search->found = window;
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

HWND VisibleTopLevelWindow(DWORD processId, const char* className) {
    WindowSearch search{processId, className, nullptr};
    ::EnumWindows(InspectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void PutTextOnClipboard(const char* text) {
    if (!::OpenClipboard(nullptr)) return;
    ::EmptyClipboard();
    if (text) {
        const size_t size = std::strlen(text) + 1;
        HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, size);
        std::memcpy(::GlobalLock(memory), text, size);
        ::GlobalUnlock(memory);
        ::SetClipboardData(CF_TEXT, memory);
    }
    ::CloseClipboard();
}

MessageBoxAnswerer::MessageBoxAnswerer(int button, std::chrono::milliseconds timeout)
    : MessageBoxAnswerer(std::vector<int>{button}, timeout) {}

MessageBoxAnswerer::MessageBoxAnswerer(std::vector<int> buttons, std::chrono::milliseconds timeout)
    : buttons_(std::move(buttons)), timeout_(timeout), watcher_([this] { Watch(); }) {}

MessageBoxAnswerer::~MessageBoxAnswerer() {
    if (watcher_.joinable()) watcher_.join();
}

bool MessageBoxAnswerer::Wait() {
    if (watcher_.joinable()) watcher_.join();
    return answered_;
}

void MessageBoxAnswerer::Watch() {
    const auto deadline = std::chrono::steady_clock::now() + timeout_;
    size_t pressed = 0;
    while (pressed < buttons_.size() && std::chrono::steady_clock::now() < deadline) {
        const HWND box = VisibleTopLevelWindow(::GetCurrentProcessId(), "#32770");
        if (!box) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            continue;
        }
        // The message text is the box's static control with id 0xFFFF.
        texts_.push_back(TextOf(::GetDlgItem(box, 0xFFFF)));
        if (pressed == 0) {
            caption_ = TextOf(box);
            text_ = texts_.back();
        }
        if (buttons_[pressed] == kAskForHelp) {
            constexpr UINT kKeyF1Message = 0x004D;  // WM_KEYF1, which the system turns into WM_HELP
            ::PostMessageA(box, kKeyF1Message, 0, 0);
        } else {
            ::PostMessageA(box, WM_COMMAND, MAKEWPARAM(buttons_[pressed], BN_CLICKED), 0);
        }
        ++pressed;
        // The next button waits until this box has closed, or has had time to act.
        for (int i = 0; i < 25 && ::IsWindow(box) && ::IsWindowVisible(box); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }
    answered_ = pressed == buttons_.size();
}

SentMessageWatch::SentMessageWatch(std::function<void(const CWPSTRUCT&)> onSent)
    : onSent_(std::move(onSent)), hook_(::SetWindowsHookExA(WH_CALLWNDPROC, &Hook, nullptr, ::GetCurrentThreadId())) {
    active_ = this;
}

SentMessageWatch::~SentMessageWatch() {
    ::UnhookWindowsHookEx(hook_);
    active_ = nullptr;
}

LRESULT CALLBACK SentMessageWatch::Hook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && active_ != nullptr) active_->onSent_(*reinterpret_cast<const CWPSTRUCT*>(lParam));
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

FileDialogAnswerer::FileDialogAnswerer(std::string title, std::string path)
    : wantedTitle_(std::move(title)), path_(std::move(path)), watcher_([this] { Watch(); }) {}

FileDialogAnswerer::~FileDialogAnswerer() { Title(); }

const std::string& FileDialogAnswerer::Title() {
    if (watcher_.joinable()) watcher_.join();
    return title_;
}

void FileDialogAnswerer::Watch() {
    for (int i = 0; i < 500; ++i) {
        const HWND dialog = ::FindWindowA("#32770", wantedTitle_.c_str());
        if (dialog && ::IsWindowVisible(dialog)) {
            title_ = TextOf(dialog);
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            ::SendMessageA(::GetDlgItem(dialog, cmb13), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path_.c_str()));
            ::SendMessageA(::GetDlgItem(dialog, edt1), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path_.c_str()));
            ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

}  // namespace zem::test
