// Helpers shared by the tests: a clean configuration store, temporary folders, answering
// modal message boxes from another thread, and message pumping.
#pragma once

#include <windows.h>
#include <objbase.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace zem::test {

// Removes HKEY_CURRENT_USER\<key> with everything below it.
void DeleteUserKey(const std::string& key);

// The application's key is removed when the scope starts and when it ends.
class CleanAppKey {
public:
    CleanAppKey();
    ~CleanAppKey();
};

// A fresh, empty folder in the temporary folder, removed with everything in it at the end.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder's path, without a trailing backslash.
    const std::string& Path() const { return path_; }
    // Creates a folder (and its parents) or a file below the folder; the full path.
    std::string MakeFolder(const std::string& relative) const;
    std::string MakeFile(const std::string& relative, const std::string& content = "x") const;

private:
    std::string path_;
};

// Sets an environment variable of this process for the scope (null removes it) and puts the
// old state back afterwards.
class ScopedVariable {
public:
    ScopedVariable(std::string name, const char* value);
    ScopedVariable(std::string name, const std::string& value) : ScopedVariable(std::move(name), value.c_str()) {}
    ~ScopedVariable();
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    std::string name_;
    std::optional<std::string> old_;
};

// The system's own short form of a path, empty when it has none: what tests expect.
std::string SystemShortForm(const std::string& path);

// Where the system's short form of the path leads back to.
std::string SystemRoundTrip(const std::string& path);

bool MakeEmptyFile(const std::string& path);

// Two files whose short names collide (Wine makes short names from a hash of the long name,
// so similar names in one folder soon share one; Windows keeps them unique): the one the
// shared short name leads to, and the one whose short form leads to the other.
struct CollidingShortNames {
    std::string reached;
    std::string misled;
};
// Makes empty files of similar names in `folder` until two collide; nothing when none do.
// `misled` is empty when both short forms lead back to their own files.
std::optional<CollidingShortNames> MakeCollidingShortNames(const std::string& folder);

// Counts the windows this thread tries to create while it lives, and refuses them: a box shown
// in error then fails at once instead of waiting for an answer that never comes.
class WindowCounter {
public:
    WindowCounter() : hook_(::SetWindowsHookExA(WH_CBT, &Hook, nullptr, ::GetCurrentThreadId())) { count_ = 0; }
    ~WindowCounter() { ::UnhookWindowsHookEx(hook_); }
    WindowCounter(const WindowCounter&) = delete;
    WindowCounter& operator=(const WindowCounter&) = delete;
    int Count() const { return count_; }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        if (code != HCBT_CREATEWND) return ::CallNextHookEx(nullptr, code, wParam, lParam);
        ++count_;
        return 1;
    }
    static inline int count_ = 0;
    HHOOK hook_;
};

// COM initialised on this thread while the object lives.
class ComApartment {
public:
    ComApartment() { ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
    ~ComApartment() { ::CoUninitialize(); }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
};

// Puts `text` on the clipboard as plain text; null leaves the clipboard empty.
void PutTextOnClipboard(const char* text);

// A visible top-level window of the process with the window class, or null.
HWND VisibleTopLevelWindow(DWORD processId, const char* className);

// Processes every queued message of this thread, as the program's message loop does,
// for at least `milliseconds`.
void PumpMessages(int milliseconds = 0);

// Watches for a modal message box of this process, records its caption and text and
// presses a button; gives up after `timeout` so that a test never hangs.
class MessageBoxAnswerer {
public:
    explicit MessageBoxAnswerer(int button = IDOK, std::chrono::milliseconds timeout = std::chrono::seconds(10));
    // Asks the box for help as the F1 key does, in place of a button.
    static constexpr int kAskForHelp = -1;
    // Presses the buttons in turn, each on the box shown at that moment (a button that does not
    // close its box, as Help, leaves it for the next one).
    explicit MessageBoxAnswerer(std::vector<int> buttons, std::chrono::milliseconds timeout = std::chrono::seconds(10));
    ~MessageBoxAnswerer();

    // Waits for the watcher to finish; true when every button was pressed.
    bool Wait();
    // The first box's caption and text, and the texts of all boxes in the order met.
    const std::string& Caption() const { return caption_; }
    const std::string& Text() const { return text_; }
    const std::vector<std::string>& Texts() const { return texts_; }

private:
    void Watch();

    std::vector<int> buttons_;
    std::chrono::milliseconds timeout_;
    std::string caption_;
    std::string text_;
    std::vector<std::string> texts_;
    std::atomic<bool> answered_{false};
    std::thread watcher_;
};

// Hands every message sent on this thread while it lives to `onSent` (a WH_CALLWNDPROC hook):
// a test counts what a window is asked. One watch at a time.
class SentMessageWatch {
public:
    explicit SentMessageWatch(std::function<void(const CWPSTRUCT&)> onSent);
    ~SentMessageWatch();
    SentMessageWatch(const SentMessageWatch&) = delete;
    SentMessageWatch& operator=(const SentMessageWatch&) = delete;

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);

    static inline SentMessageWatch* active_ = nullptr;
    std::function<void(const CWPSTRUCT&)> onSent_;
    HHOOK hook_;
};

// Answers the file dialog of this title with `path` once it appears, as typing the name and
// pressing the default button does; gives up after ten seconds.
class FileDialogAnswerer {
public:
    FileDialogAnswerer(std::string title, std::string path);
    ~FileDialogAnswerer();
    // Waits for the watcher; the dialog's title, empty when none appeared.
    const std::string& Title();

private:
    void Watch();

    std::string wantedTitle_;
    std::string path_;
    std::string title_;
    std::thread watcher_;
};

}  // namespace zem::test
