// Starts a program and waits until it shows a top-level window of the given class, then asks
// it to close. Exit code 0 when the window came within the time, 1 when not, 2 on bad usage.
//   window_check.exe <program> <window class> [seconds]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/unique.h"

namespace {

struct Search {
    DWORD processId;
    const char* windowClass;
    HWND found;
};

BOOL CALLBACK Inspect(HWND window, LPARAM cookie) {
    auto* search = reinterpret_cast<Search*>(cookie);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    char name[256] = {};
    ::GetClassNameA(window, name, sizeof(name));
    if (owner != search->processId || std::string(name) != search->windowClass || !::IsWindowVisible(window)) {
        return TRUE;
    }
    search->found = window;
    return FALSE;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: window_check <program> <window class> [seconds]\n");
        return 2;
    }
    const int seconds = argc > 3 ? std::atoi(argv[3]) : 60;
    std::string commandLine = std::string("\"") + argv[1] + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!::CreateProcessA(argv[1], commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &process)) {
        std::printf("could not start %s: error %lu\n", argv[1], ::GetLastError());
        return 1;
    }
    const zem::UniqueHandle thread(process.hThread);
    const zem::UniqueHandle running(process.hProcess);
    Search search{process.dwProcessId, argv[2], nullptr};
    for (int waited = 0; !search.found && waited < seconds * 10; ++waited) {
        ::EnumWindows(Inspect, reinterpret_cast<LPARAM>(&search));
        if (!search.found) ::Sleep(100);
    }
    if (search.found) {
        char caption[256] = {};
        ::GetWindowTextA(search.found, caption, sizeof(caption));
        std::printf("shown: %s window \"%s\"\n", argv[2], caption);
        ::PostMessageA(search.found, WM_CLOSE, 0, 0);
        if (::WaitForSingleObject(running.Get(), 10000) != WAIT_OBJECT_0) ::TerminateProcess(running.Get(), 1);
    } else {
        std::printf("no %s window within %d s\n", argv[2], seconds);
        ::TerminateProcess(running.Get(), 1);
    }
    return search.found ? 0 : 1;
}
