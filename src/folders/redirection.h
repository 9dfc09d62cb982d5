// WOW64 file-system redirection of the user-interface thread: switching it off and on again
// from the "File System Redirection" submenu, with the reports of each switch.
#pragma once

#include <windows.h>

#include "base/strings.h"

namespace zem {

class ReportOutput;

// An entry point of `module` looked up by name. Null with the last error 6 for no module
// (0 or all ones), 120 when the module has no such entry.
FARPROC FsRedirectionEntry(HMODULE module, const char* name);

// The system's Wow64DisableWow64FsRedirection and Wow64RevertWow64FsRedirection, looked up in
// the loaded Kernel32 at each call. False with the last error as the lookup or the call left it
// (1 in a process that is not WOW64).
bool DisableFsRedirection(PVOID& oldValue);
bool RevertFsRedirection(PVOID oldValue);

// The four lines appended after switching off and after switching on again.
StringList RedirectionDisabledReport();
StringList RedirectionEnabledReport();

// The system calls a switch uses; tests put their own in.
struct FsRedirectionCalls {
    bool (*disable)(PVOID& oldValue) = DisableFsRedirection;
    bool (*revert)(PVOID oldValue) = RevertFsRedirection;
};

// Switched: the system changed the state and the report was appended. Failed: the system
// refused; nothing appended. Unchanged: the state already was the one asked for, the system
// was not called and nothing appended.
enum class RedirSwitch { Switched, Failed, Unchanged };

struct RedirOutcome {
    RedirSwitch result;
    // The radio item that describes the state now: MMOptionsFSRedirDisabled or MMOptionsFSRedirEnabled.
    UINT checkItem;
};

// The redirection state of the thread that uses it (the user-interface thread). Every
// successful switch-off is matched by exactly one switch-on with the value the system handed
// back; asking for the state there already is calls nothing.
class FileSysRedirection {
public:
    explicit FileSysRedirection(FsRedirectionCalls calls = {}) : calls_(calls) {}

    RedirOutcome DisableFileSysRedir(ReportOutput& output);
    RedirOutcome EnableFileSysRedir(ReportOutput& output);

    // True between a successful switch-off and the matching switch-on.
    bool RedirectionDisabled() const { return disabled_; }
    // What the system handed back at the switch-off; null while redirection is on.
    PVOID FsRedirOldValue() const { return fsRedirOldValue_; }

private:
    FsRedirectionCalls calls_;
    PVOID fsRedirOldValue_ = nullptr;
    bool disabled_ = false;
};

}  // namespace zem
