// Starts a program and waits until it shows a top-level window of the given class, then asks
// it to close, or with --keep leaves it running. Exit code 0 when the window came within the
// time, 1 when not, 2 on bad usage.
//   window_check.exe <program> <window class> [seconds [--keep]]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/unique.h"
#include "test_support.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: window_check <program> <window class> [seconds]\n");
        return 2;
    }
    const int seconds = argc > 3 ? std::atoi(argv[3]) : 60;
    const bool keep = argc > 4 && std::string(argv[4]) == "--keep";
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
    HWND found = nullptr;
    for (int waited = 0; !found && waited < seconds * 10; ++waited) {
        found = zem::test::VisibleTopLevelWindow(process.dwProcessId, argv[2]);
        if (!found) ::Sleep(100);
    }
    if (found) {
        char caption[256] = {};
        ::GetWindowTextA(found, caption, sizeof(caption));
        std::printf("shown: %s window \"%s\"\n", argv[2], caption);
        if (keep) return 0;
        ::PostMessageA(found, WM_CLOSE, 0, 0);
        if (::WaitForSingleObject(running.Get(), 10000) != WAIT_OBJECT_0) ::TerminateProcess(running.Get(), 1);
    } else {
        std::printf("no %s window within %d s\n", argv[2], seconds);
        ::TerminateProcess(running.Get(), 1);
    }
    return found ? 0 : 1;
}
