#include "folders/redirection.h"

#include "editor/report_output.h"
#include "resource.h"

namespace zem {

namespace {

using DisableFn = BOOL(WINAPI*)(PVOID*);
using RevertFn = BOOL(WINAPI*)(PVOID);

// Looked up anew at each call, in the module already loaded: never loaded by the program.
template <class Function>
Function Kernel32Entry(const char* name) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(FsRedirectionEntry(::GetModuleHandleA("Kernel32.dll"), name)));
}

std::string StarRule() { return std::string(79, '*'); }

void Append(ReportOutput& output, const StringList& lines) {
    ReportBatch batch(output);
    output.AppendOutputLines(lines);
    batch.Finish();
}

}  // namespace

FARPROC FsRedirectionEntry(HMODULE module, const char* name) {
    if (module == nullptr || module == reinterpret_cast<HMODULE>(INVALID_HANDLE_VALUE)) {
        ::SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    const FARPROC entry = ::GetProcAddress(module, name);
    if (!entry) ::SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
    return entry;
}

bool DisableFsRedirection(PVOID& oldValue) {
    const auto disable = Kernel32Entry<DisableFn>("Wow64DisableWow64FsRedirection");
    return disable && disable(&oldValue) != FALSE;
}

bool RevertFsRedirection(PVOID oldValue) {
    const auto revert = Kernel32Entry<RevertFn>("Wow64RevertWow64FsRedirection");
    return revert && revert(oldValue) != FALSE;
}

StringList RedirectionDisabledReport() {
    return {ResString(IDS_REDIR_REPORT_HEAD), ResString(IDS_REDIR_DISABLED), ResString(IDS_REDIR_DISABLED_NOTE),
            StarRule()};
}

StringList RedirectionEnabledReport() {
    return {ResString(IDS_REDIR_REPORT_HEAD), ResString(IDS_REDIR_ENABLED), ResString(IDS_REDIR_ENABLED_NOTE),
            StarRule()};
}

RedirOutcome FileSysRedirection::DisableFileSysRedir(ReportOutput& output) {
    if (disabled_) return {RedirSwitch::Unchanged, MMOptionsFSRedirDisabled};
    PVOID oldValue = nullptr;
    if (!calls_.disable(oldValue)) return {RedirSwitch::Failed, MMOptionsFSRedirEnabled};
    fsRedirOldValue_ = oldValue;
    disabled_ = true;
    Append(output, RedirectionDisabledReport());
    return {RedirSwitch::Switched, MMOptionsFSRedirDisabled};
}

RedirOutcome FileSysRedirection::EnableFileSysRedir(ReportOutput& output) {
    if (!disabled_) return {RedirSwitch::Unchanged, MMOptionsFSRedirEnabled};
    if (!calls_.revert(fsRedirOldValue_)) return {RedirSwitch::Failed, MMOptionsFSRedirDisabled};
    fsRedirOldValue_ = nullptr;
    disabled_ = false;
    Append(output, RedirectionEnabledReport());
    return {RedirSwitch::Switched, MMOptionsFSRedirEnabled};
}

}  // namespace zem
