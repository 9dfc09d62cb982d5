#include "ui/auto_complete.h"

#include <shlobj.h>
#include <shlguid.h>

#include "base/unique.h"

namespace zem {
namespace {

using Microsoft::WRL::ComPtr;

// The list's options interface; the headers give it no compiler-known identifier.
constexpr IID kIID_IACList2 = {0x470141A0, 0x5186, 0x11D2, {0xBB, 0xB6, 0x00, 0x60, 0x97, 0x7B, 0x46, 0x4C}};

uint32_t AsCode(HRESULT result) { return static_cast<uint32_t>(result); }

}  // namespace

uint32_t PathAutoComplete::AttachAutoComplete(HWND edit, DWORD listOptions, DWORD autoCompleteOptions, int rootFolder) {
    if (autoComplete_ || sourceList_) return ErrAutoCompleteExists;
    HRESULT result = ::CoCreateInstance(CLSID_AutoComplete, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&autoComplete_));
    if (SUCCEEDED(result)) {
        result = ::CoCreateInstance(CLSID_ACListISF, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                    reinterpret_cast<void**>(sourceList_.GetAddressOf()));
    }
    if (FAILED(result)) return AsCode(result);
    PIDLIST_ABSOLUTE root = nullptr;
    result = ::SHGetSpecialFolderLocation(edit, rootFolder, &root);
    const UniquePidl rootList(root);
    if (FAILED(result)) return AsCode(result);
    ComPtr<IPersistFolder> folder;
    result = sourceList_.As(&folder);
    if (SUCCEEDED(result)) result = folder->Initialize(rootList.Get());
    if (FAILED(result)) return AsCode(result);
    ComPtr<IACList2> listSettings;
    result = sourceList_->QueryInterface(kIID_IACList2, reinterpret_cast<void**>(listSettings.GetAddressOf()));
    if (SUCCEEDED(result)) result = listSettings->SetOptions(listOptions);
    ComPtr<IAutoComplete2> settings;
    if (SUCCEEDED(result)) result = autoComplete_.As(&settings);
    if (SUCCEEDED(result)) result = settings->SetOptions(autoCompleteOptions);
    if (FAILED(result)) return AsCode(result);
    if (!::IsWindow(edit)) return ErrInvalidEditHandle;
    result = autoComplete_->Init(edit, sourceList_.Get(), nullptr, nullptr);
    if (FAILED(result)) return AsCode(result);
    ready_ = true;
    return 0;
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
