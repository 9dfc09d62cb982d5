// tarv: the console companion of Zem Tarvelix. Converts paths between their long form and
// their short 8.3 form for scripts, and checks the search path.
#include <windows.h>
#include <objbase.h>

#include <exception>
#include <string>
#include <vector>

#include "base/system.h"
#include "console/tarv_run.h"

int wmain(int argc, wchar_t** argv) {
    zem::RestrictDllSearchPath();
    // The multithreaded apartment needs no window, so no desktop is ever started for tarv.
    const HRESULT com = ::CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    int exitCode = zem::kExitFailure;
    const zem::StandardHandles handles{::GetStdHandle(STD_INPUT_HANDLE), ::GetStdHandle(STD_OUTPUT_HANDLE),
                                       ::GetStdHandle(STD_ERROR_HANDLE)};
    const auto report = [&handles](const std::string& what) {
        const std::string text = "tarv: " + what + "\r\n";
        DWORD written = 0;
        ::WriteFile(handles.error, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    };
    try {
        exitCode = zem::RunTarv(std::vector<std::wstring>(argv + 1, argv + argc), handles);
    } catch (const std::exception& failure) {
        report(failure.what());
    } catch (...) {
        report("unexpected failure");
    }
    if (SUCCEEDED(com)) ::CoUninitialize();
    return exitCode;
}
