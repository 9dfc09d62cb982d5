// Facts about the running system and safe loading of its libraries.
#pragma once

#include <windows.h>

#include <string>

#include "base/unique.h"

namespace zem {

// Restricts the DLL search path to the system folder where the system supports it.
void RestrictDllSearchPath();

// Loads a system library from the system folder only; empty when it cannot be loaded.
UniqueHModule LoadSystemLibrary(const char* name);

// An entry point of a loaded module looked up by name; null when the module or the entry is missing.
template <class Function>
Function LookUp(HMODULE module, const char* name) {
    return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(module, name))) : nullptr;
}

// Whether this 32-bit process runs under WOW64 (on 64-bit Windows). Asked with critical-error
// dialogs suppressed; the error mode and the thread's last-error value are restored. False when
// the system cannot answer.
bool QueryIsWow64();

// The running executable's full path.
std::string ExecutablePath();

// The folder of the running executable, without a trailing backslash.
std::string ExecutableFolder();

// The process's current directory; empty when it cannot be read.
std::string CurrentDirectory();

// The path names an existing file, or an existing folder. The thread's last error is cleared
// first, so that a failure leaves the system's own code.
bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);

}  // namespace zem
