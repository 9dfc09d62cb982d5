// The shell's auto-complete on an edit field, with the folder-based list of file-system names,
// or where that list cannot be rooted, the program's own list of the folder being typed.
#pragma once

#include <windows.h>
#include <shldisp.h>
#include <wrl/client.h>

#include <cstdint>

namespace zem {

// Asked to attach while the objects already exist.
inline constexpr uint32_t ErrAutoCompleteExists = 0xA000FFF8;
// The edit window to attach to is not a window.
inline constexpr uint32_t ErrInvalidEditHandle = 0x80000006;

// The settings the program uses: file-system items only, suggested and appended, with the
// list rooted at the computer's drives.
inline constexpr DWORD kFileSystemOnlyList = 16;
inline constexpr DWORD kSuggestAndAppend = 3;
inline constexpr int kDrivesFolder = 0x11;

class PathAutoComplete {
public:
    // Creates the objects, roots the list at a special folder and attaches both to `edit`. A
    // list that cannot be made or rooted is replaced by the program's own (see
    // ui/folder_entry_list.h). Any other failing step ends with its code; the objects made so
    // far are kept.
    uint32_t AttachAutoComplete(HWND edit, DWORD listOptions, DWORD autoCompleteOptions, int rootFolder);
    // Switches a working auto-complete on or off; false when there is none to switch.
    bool Enable(bool enabled);
    // Attaches with the program's settings (see above).
    uint32_t AttachToPathField(HWND edit) {
        return AttachAutoComplete(edit, kFileSystemOnlyList, kSuggestAndAppend, kDrivesFolder);
    }
    bool Exists() const { return static_cast<bool>(autoComplete_); }
    // Attached to its edit field and so able to work.
    bool Ready() const { return ready_; }
    void Release();

private:
    HRESULT CreateSourceList(HWND edit, int rootFolder);
    HRESULT SetOptions(DWORD listOptions, DWORD autoCompleteOptions) const;

    Microsoft::WRL::ComPtr<IAutoComplete> autoComplete_;
    Microsoft::WRL::ComPtr<IUnknown> sourceList_;
    bool ready_ = false;
};

}  // namespace zem
