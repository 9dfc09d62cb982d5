// The system's open and save dialogs with the texts their settings point into.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <functional>
#include <string>

namespace zem {

class FileDialog {
public:
    // Title and filter ("name|pattern|...") are string resources; `flags` are the OFN_ flags.
    // With OFN_SHOWHELP the dialog's Help button asks the owner for help (FileDialogHelpMessage);
    // a hook watches the button, as no system passes the click on reliably by itself.
    FileDialog(HWND owner, UINT titleId, UINT filterId, DWORD flags, const std::string& proposedName = {});
    FileDialog(const FileDialog&) = delete;
    FileDialog& operator=(const FileDialog&) = delete;

    // The rest of the settings (filter index, default extension) before the dialog runs.
    OPENFILENAMEA& Settings() { return settings_; }
    // Called while the dialog runs whenever another file is selected in it.
    using SelectionHandler = std::function<void(HWND dialog, OPENFILENAMEA& settings)>;
    void OnSelectionChange(SelectionHandler handler);
    // Runs the dialog; false when the user cancels or it fails.
    bool Open() { return ::GetOpenFileNameA(&settings_) != FALSE; }
    bool Save() { return ::GetSaveFileNameA(&settings_) != FALSE; }

    std::string Path() const { return name_.c_str(); }
    DWORD FilterIndex() const { return settings_.nFilterIndex; }

private:
    static UINT_PTR CALLBACK Hook(HWND child, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    void OnNotify(HWND dialog, UINT code);
    void UseHook();

    std::string name_;
    std::string filter_;
    std::string title_;
    OPENFILENAMEA settings_{};
    SelectionHandler onSelectionChange_;
};

// The registered message by which a file dialog's Help button asks the dialog's owner for help.
UINT FileDialogHelpMessage();

}  // namespace zem
