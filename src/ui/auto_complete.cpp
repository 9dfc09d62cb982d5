#include "ui/auto_complete.h"

#include <shlguid.h>
#include <shlobj.h>

#include "base/unique.h"
#include "ui/folder_entry_list.h"

namespace zem {
namespace {

using Microsoft::WRL::ComPtr;

uint32_t AsCode(HRESULT result) { return static_cast<uint32_t>(result); }

// The shell's folder-based list, rooted at a special folder.
HRESULT CreateRootedShellList(HWND edit, int rootFolder, ComPtr<IUnknown>& list) {
    HRESULT result = ::CoCreateInstance(CLSID_ACListISF, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                        reinterpret_cast<void**>(list.GetAddressOf()));
    if (FAILED(result)) return result;
    PIDLIST_ABSOLUTE root = nullptr;
    result = ::SHGetSpecialFolderLocation(edit, rootFolder, &root);
    const UniquePidl rootList(root);
    if (FAILED(result)) return result;
    ComPtr<IPersistFolder> folder;
    result = list.As(&folder);
    return SUCCEEDED(result) ? folder->Initialize(rootList.Get()) : result;
}

}  // namespace

uint32_t PathAutoComplete::AttachAutoComplete(HWND edit, DWORD listOptions, DWORD autoCompleteOptions, int rootFolder) {
    if (autoComplete_ || sourceList_) return ErrAutoCompleteExists;
    HRESULT result = ::CoCreateInstance(CLSID_AutoComplete, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&autoComplete_));
    if (SUCCEEDED(result)) result = CreateSourceList(edit, rootFolder);
    if (SUCCEEDED(result)) result = SetOptions(listOptions, autoCompleteOptions);
    if (FAILED(result)) return AsCode(result);
    if (!::IsWindow(edit)) return ErrInvalidEditHandle;
    result = autoComplete_->Init(edit, sourceList_.Get(), nullptr, nullptr);
    if (FAILED(result)) return AsCode(result);
    ready_ = true;
    return 0;
}

// Where the shell's list cannot be made or rooted, the program's own list of the folder
// being typed takes its place, so that completion works on every system.
HRESULT PathAutoComplete::CreateSourceList(HWND edit, int rootFolder) {
    if (SUCCEEDED(CreateRootedShellList(edit, rootFolder, sourceList_))) return S_OK;
    sourceList_.Reset();
    return CreateFolderEntryList(IID_IUnknown, reinterpret_cast<void**>(sourceList_.GetAddressOf()));
}

HRESULT PathAutoComplete::SetOptions(DWORD listOptions, DWORD autoCompleteOptions) const {
    ComPtr<IACList2> listSettings;
    HRESULT result = sourceList_->QueryInterface(IID_IACList2, reinterpret_cast<void**>(listSettings.GetAddressOf()));
    if (SUCCEEDED(result)) result = listSettings->SetOptions(listOptions);
    ComPtr<IAutoComplete2> settings;
    if (SUCCEEDED(result)) result = autoComplete_.As(&settings);
    return SUCCEEDED(result) ? settings->SetOptions(autoCompleteOptions) : result;
}

bool PathAutoComplete::Enable(bool enabled) {
    return ready_ && SUCCEEDED(autoComplete_->Enable(enabled ? TRUE : FALSE));
}

void PathAutoComplete::Release() {
    autoComplete_.Reset();
    sourceList_.Reset();
    ready_ = false;
}

}  // namespace zem
