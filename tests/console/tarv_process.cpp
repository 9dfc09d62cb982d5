#include "tarv_process.h"

#include <set>
#include <thread>

#include "base/unicode.h"
#include "base/unique.h"
#include "catalogue/environment.h"

namespace zem::test {

namespace {

struct Pipe {
    UniqueHandle read;
    UniqueHandle write;
};

// One end is handed to the child, so it is inheritable; ours is not.
Pipe MakePipe(bool childReads) {
    SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
    Pipe pipe;
    ::CreatePipe(pipe.read.Put(), pipe.write.Put(), &inherit, 0);
    ::SetHandleInformation(childReads ? pipe.write.Get() : pipe.read.Get(), HANDLE_FLAG_INHERIT, 0);
    return pipe;
}

std::string ReadAll(HANDLE handle) {
    std::string bytes;
    char buffer[65536];
    DWORD read = 0;
    while (::ReadFile(handle, buffer, sizeof(buffer), &read, nullptr) && read > 0) bytes.append(buffer, read);
    return bytes;
}

std::wstring QuotedArgument(const std::wstring& argument) {
    std::wstring quoted = L"\"";
    size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    return quoted.append(backslashes * 2, L'\\') + L"\"";
}

std::wstring NameKey(const std::wstring& entry) { return UpperCaseKey(entry.substr(0, entry.find(L'=', 1))); }

// This process's environment with the `added` entries in place of any of the same name.
std::wstring EnvironmentBlock(const std::vector<std::wstring>& added) {
    std::set<std::wstring> names;
    std::wstring block;
    for (const std::wstring& entry : added) {
        names.insert(NameKey(entry));
        block.append(entry).push_back(L'\0');
    }
    for (const std::wstring& entry : WideEnvironmentEntries()) {
        if (names.count(NameKey(entry)) == 0) block.append(entry).push_back(L'\0');
    }
    return block + L'\0';
}

}  // namespace

std::wstring TarvExePath() {
    wchar_t own[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, own, MAX_PATH);
    std::wstring folder(own);
    folder.erase(folder.rfind(L'\\'));          // tests
    folder.erase(folder.rfind(L'\\') + 1);      // the build folder
    return folder + L"bin\\tarv.exe";
}

TarvResult RunTarvExe(const TarvRun& run) {
    Pipe input = MakePipe(true);
    Pipe output = MakePipe(false);
    Pipe errors = MakePipe(false);
    if (run.output == OutputEnd::Closed) output.read.Reset();  // every write finds no reader
    std::wstring commandLine = QuotedArgument(TarvExePath());
    for (const std::wstring& argument : run.arguments) commandLine += L" " + QuotedArgument(argument);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = input.read.Get();
    startup.hStdOutput = output.write.Get();
    startup.hStdError = errors.write.Get();
    std::wstring environment = run.environment.empty() ? std::wstring() : EnvironmentBlock(run.environment);
    PROCESS_INFORMATION process{};
    TarvResult result;
    if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE,
                          CREATE_NO_WINDOW | CREATE_UNICODE_ENVIRONMENT,
                          environment.empty() ? nullptr : environment.data(), nullptr, &startup, &process)) {
        result.exitCode = 0xDEAD;
        return result;
    }
    const UniqueHandle processHandle(process.hProcess);
    const UniqueHandle threadHandle(process.hThread);
    input.read.Reset();
    output.write.Reset();
    errors.write.Reset();
    std::thread writer([&input, &run] {
        DWORD written = 0;
        if (!run.input.empty()) {
            ::WriteFile(input.write.Get(), run.input.data(), static_cast<DWORD>(run.input.size()), &written, nullptr);
        }
        input.write.Reset();
    });
    std::thread errorReader([&errors, &result] { result.errors = ReadAll(errors.read.Get()); });
    if (output.read) result.output = ReadAll(output.read.Get());
    writer.join();
    errorReader.join();
    ::WaitForSingleObject(process.hProcess, 60000);
    ::GetExitCodeProcess(process.hProcess, &result.exitCode);
    return result;
}

TarvResult RunTarvExe(const std::vector<std::wstring>& arguments, const std::string& input) {
    return RunTarvExe(TarvRun{arguments, input, OutputEnd::Pipe, {}});
}

std::string Utf8(const std::wstring& text) { return WideToUtf8(text); }
std::string Utf8Line(const std::wstring& text) { return WideToUtf8(text) + "\r\n"; }

std::wstring SystemShortFormW(const std::wstring& path) {
    wchar_t buffer[MAX_PATH * 4] = {};
    const DWORD length = ::GetShortPathNameW(path.c_str(), buffer, MAX_PATH * 4);
    return length > 0 && length < MAX_PATH * 4 ? std::wstring(buffer, length) : std::wstring();
}

std::wstring SystemLongFormW(const std::wstring& path) {
    wchar_t buffer[MAX_PATH * 4] = {};
    const DWORD length = ::GetLongPathNameW(path.c_str(), buffer, MAX_PATH * 4);
    return length > 0 && length < MAX_PATH * 4 ? std::wstring(buffer, length) : std::wstring();
}

}  // namespace zem::test
