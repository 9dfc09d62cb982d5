#include "base/system.h"

namespace zem {

namespace {

std::string SystemFolder() {
    char buffer[MAX_PATH] = {};
    const UINT length = ::GetSystemDirectoryA(buffer, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::string(buffer, length) : std::string();
}

}  // namespace

void RestrictDllSearchPath() {
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
    auto setDirectories =
        LookUp<SetDefaultDllDirectoriesFn>(::GetModuleHandleA("kernel32.dll"), "SetDefaultDllDirectories");
    if (setDirectories) setDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    ::SetDllDirectoryA("");  // the current folder is never searched
}

UniqueHModule LoadSystemLibrary(const char* name) {
    const std::string folder = SystemFolder();
    if (folder.empty()) return UniqueHModule();
    return UniqueHModule(::LoadLibraryExA((folder + "\\" + name).c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
}

bool QueryIsWow64() {
    const UINT previousMode = ::SetErrorMode(SEM_FAILCRITICALERRORS);
    const DWORD previousError = ::GetLastError();
    BOOL wow64 = FALSE;
    using IsWow64ProcessFn = BOOL(WINAPI*)(HANDLE, PBOOL);
    auto isWow64Process = LookUp<IsWow64ProcessFn>(::GetModuleHandleA("kernel32.dll"), "IsWow64Process");
    if (!isWow64Process || !isWow64Process(::GetCurrentProcess(), &wow64)) wow64 = FALSE;
    ::SetLastError(previousError);
    ::SetErrorMode(previousMode);
    return wow64 != FALSE;
}

std::string CurrentDirectory() {
    const DWORD size = ::GetCurrentDirectoryA(0, nullptr);
    if (size == 0) return {};
    std::string buffer(size, '\0');
    const DWORD length = ::GetCurrentDirectoryA(size, buffer.data());
    return length > 0 && length < size ? buffer.substr(0, length) : std::string();
}

bool FileExists(const std::string& path) {
    ::SetLastError(0);
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool FolderExists(const std::string& path) {
    ::SetLastError(0);
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::string ExecutablePath() {
    char buffer[MAX_PATH * 2] = {};
    const DWORD length = ::GetModuleFileNameA(nullptr, buffer, sizeof(buffer));
    return std::string(buffer, length);
}

std::string ExecutableFolder() {
    const std::string path = ExecutablePath();
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

}  // namespace zem
