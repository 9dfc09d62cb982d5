#include "bench_process.h"

#include <commdlg.h>
#include <dlgs.h>

#include <cstring>

#include "base/strings.h"
#include "bench_support.h"
#include "resource.h"

namespace zem::bench {
namespace {

constexpr double kStartTimeoutMs = 300000;
constexpr double kDialogTimeoutMs = 60000;
constexpr UINT kAnswerTimeoutMs = 1000;

struct WindowSearch {
    HWND parent;  // the parent or owner wanted
    DWORD processId;
    const char* windowClass;
    HWND found;
};

bool HasClass(HWND window, const char* windowClass) {
    char name[64] = {};
    ::GetClassNameA(window, name, sizeof(name));
    return std::strcmp(name, windowClass) == 0;
}

BOOL CALLBACK MatchEditor(HWND child, LPARAM data) {
    auto* search = reinterpret_cast<WindowSearch*>(data);
    if (::GetParent(child) != search->parent || ::GetDlgCtrlID(child) != IDC_MEMO1 || !::IsWindowVisible(child))
        return TRUE;
    search->found = child;
    return FALSE;
}

BOOL CALLBACK MatchOwnedDialog(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<WindowSearch*>(data);
    if (::GetWindow(window, GW_OWNER) != search->parent || !::IsWindowVisible(window) || !HasClass(window, "#32770"))
        return TRUE;
    search->found = window;
    return FALSE;
}

BOOL CALLBACK MatchProcessWindow(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<WindowSearch*>(data);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !::IsWindowVisible(window) || !HasClass(window, search->windowClass)) return TRUE;
    search->found = window;
    return FALSE;
}

// The visible child with the editor's id; the program keeps a hidden one while it loads.
HWND VisibleEditor(HWND window) {
    WindowSearch search{window, 0, nullptr, nullptr};
    ::EnumChildWindows(window, MatchEditor, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// A visible dialog box that `owner` owns; null when none.
HWND OwnedDialog(HWND owner) {
    WindowSearch search{owner, 0, nullptr, nullptr};
    ::EnumWindows(MatchOwnedDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

ChildProcess::ChildProcess(const std::string& exe, const std::string& arguments) {
    std::string commandLine = Quoted(exe) + (arguments.empty() ? "" : " " + arguments);
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    startedAt_ = NowMs();
    if (!::CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &info)) {
        return;
    }
    ::CloseHandle(info.hThread);
    process_.Reset(info.hProcess);
    id_ = info.dwProcessId;
}

ChildProcess::~ChildProcess() {
    if (!process_) return;
    // Ended without closing: the program would ask to save, and its store must stay untouched.
    ::TerminateProcess(process_.Get(), 0);
    ::WaitForSingleObject(process_.Get(), 10000);
}

bool ChildProcess::Running() const { return process_ && ::WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT; }

std::string ExeBesideThisOne(const char* name) {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\') + 1) + name;
}

HWND FindProcessWindow(DWORD processId, const char* windowClass) {
    WindowSearch search{nullptr, processId, windowClass, nullptr};
    ::EnumWindows(MatchProcessWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

ShownText MeasureStart(const std::string& exe, const std::string& arguments, const char* windowClass,
                       size_t minCharacters, const std::function<void(HWND)>& inspect) {
    const ChildProcess child(exe, arguments);
    ShownText shown;
    while (child.Running() && NowMs() - child.StartedAt() < kStartTimeoutMs) {
        const HWND window = FindProcessWindow(child.Id(), windowClass);
        const HWND editor = window ? VisibleEditor(window) : nullptr;
        DWORD_PTR length = 0;
        // The window's thread answers only between its tasks: an answer means it is idle.
        if (editor && ::SendMessageTimeoutA(editor, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, kAnswerTimeoutMs, &length)) {
            shown.characters = length;
            if (length >= minCharacters) {
                shown.milliseconds = NowMs() - child.StartedAt();
                if (inspect) inspect(window);
                break;
            }
        }
        ::Sleep(1);
    }
    return shown;
}

BareEditorProcess::BareEditorProcess() : process_(ExeBesideThisOne("ZemBareEditor.exe"), "") {
    while (!Editor() && process_.Running() && NowMs() - process_.StartedAt() < kStartTimeoutMs) {
        window_ = FindProcessWindow(process_.Id(), kBareWindowClass);
        ::Sleep(5);
    }
}

HWND BareEditorProcess::Editor() const { return window_ ? VisibleEditor(window_) : nullptr; }

double BareEditorProcess::Request(ULONG_PTR request, const std::string& text, LRESULT& answer) const {
    COPYDATASTRUCT data{request, static_cast<DWORD>(text.size() + 1), const_cast<char*>(text.c_str())};
    DWORD_PTR result = 0;
    DWORD_PTR length = 0;
    const double start = NowMs();
    const bool answered =
        ::SendMessageTimeoutA(window_, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_NORMAL, 600000, &result) &&
        ::SendMessageTimeoutA(Editor(), WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 600000, &length);
    const double span = NowMs() - start;
    answer = static_cast<LRESULT>(result);
    return answered && answer >= 0 ? span : -1;
}

FileDialogAnswer::FileDialogAnswer(HWND owner, std::string path)
    : owner_(owner), path_(std::move(path)), thread_([this] { Answer(); }) {}

FileDialogAnswer::~FileDialogAnswer() {
    if (thread_.joinable()) thread_.join();
}

double FileDialogAnswer::ClosedAt() {
    if (thread_.joinable()) thread_.join();
    return closedAt_;
}

void FileDialogAnswer::Answer() noexcept {
    try {
        const double start = NowMs();
        HWND dialog = nullptr;
        while (!dialog && NowMs() - start < kDialogTimeoutMs) {
            dialog = OwnedDialog(owner_);
            ::Sleep(5);
        }
        if (!dialog) return;
        HWND field = ::GetDlgItem(dialog, cmb13);
        if (!field) field = ::GetDlgItem(dialog, edt1);
        ::SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path_.c_str()));
        pressedAt_ = NowMs();
        ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDOK)));
        while (::IsWindow(dialog) && NowMs() - pressedAt_ < kDialogTimeoutMs) ::Sleep(1);
        if (!::IsWindow(dialog)) {
            closedAt_ = NowMs();
            return;
        }
        // The dialog refused the name: cancel whatever it shows, then the dialog itself.
        if (const HWND box = OwnedDialog(dialog)) ::PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
        ::Sleep(500);
        ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    } catch (...) {
        closedAt_ = -1;
    }
}

}  // namespace zem::bench
