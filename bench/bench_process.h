// Driving windows from outside: a started process and its window, a poll until the window answers
// with a given text shown, and the answer to a file dialog.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

#include "bare_window.h"
#include "base/unique.h"

namespace zem::bench {

// A process started from an exe and its arguments; ended (terminated) when the object goes.
class ChildProcess {
public:
    ChildProcess(const std::string& exe, const std::string& arguments);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    bool Started() const { return process_.Valid(); }
    bool Running() const;
    DWORD Id() const { return id_; }
    // When CreateProcess was called, in NowMs() time.
    double StartedAt() const { return startedAt_; }

private:
    UniqueHandle process_;
    DWORD id_ = 0;
    double startedAt_ = 0;
};

// The full path of an exe in the folder of this one.
std::string ExeBesideThisOne(const char* name);

// The visible top-level window of class `windowClass` that the process owns; null when none.
HWND FindProcessWindow(DWORD processId, const char* windowClass);

// What a start showed: the span from CreateProcess until the window answered with at least the
// wanted number of characters in its visible editor (negative: never), and the characters then.
struct ShownText {
    double milliseconds = -1;
    size_t characters = 0;
};

// Starts `exe arguments` and polls its window of class `windowClass` until its visible editor
// (child id IDC_MEMO1) answers with at least `minCharacters` characters; `inspect` then looks at
// the window, and the process ends.
ShownText MeasureStart(const std::string& exe, const std::string& arguments, const char* windowClass,
                       size_t minCharacters, const std::function<void(HWND)>& inspect = {});

// The bare editor program, started without a file and asked to work with WM_COPYDATA requests, so
// that the anchors run in a process of their own, as the program does.
class BareEditorProcess {
public:
    BareEditorProcess();
    BareEditorProcess(const BareEditorProcess&) = delete;
    BareEditorProcess& operator=(const BareEditorProcess&) = delete;
    // The visible editor (a load request renews it); null when the bare editor did not start.
    HWND Editor() const;
    // Sends a request (see BareRequest) and waits until the bare editor answers again; the span in
    // milliseconds (negative on failure) and the request's answer.
    double Request(ULONG_PTR request, const std::string& text, LRESULT& answer) const;

private:
    ChildProcess process_;
    HWND window_ = nullptr;
};

// Answers the next file dialog that `owner` opens: puts `path` into its file-name field and
// presses its default button (Open or Save). Runs on a thread of its own.
class FileDialogAnswer {
public:
    FileDialogAnswer(HWND owner, std::string path);
    ~FileDialogAnswer();
    FileDialogAnswer(const FileDialogAnswer&) = delete;
    FileDialogAnswer& operator=(const FileDialogAnswer&) = delete;
    // Waits for the answer; when the dialog was gone after its button was pressed, in NowMs() time;
    // negative: no dialog came or it did not close.
    double ClosedAt();
    // How long the dialog took to go after its button was pressed (Wine without a window manager
    // waits 2 s for every top-level window it hides).
    double ClosingMs() const { return closedAt_ - pressedAt_; }

private:
    void Answer() noexcept;

    HWND owner_;
    std::string path_;
    std::atomic<double> pressedAt_{-1};
    std::atomic<double> closedAt_{-1};
    std::thread thread_;
};

}  // namespace zem::bench
