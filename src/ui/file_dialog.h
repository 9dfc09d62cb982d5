// The system's open and save dialogs with the texts their settings point into.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <string>

namespace zem {

class FileDialog {
public:
    // Title and filter ("name|pattern|...") are string resources; `flags` are the OFN_ flags.
    FileDialog(HWND owner, UINT titleId, UINT filterId, DWORD flags, const std::string& proposedName = {});
    FileDialog(const FileDialog&) = delete;
    FileDialog& operator=(const FileDialog&) = delete;

    // The rest of the settings (filter index, default extension, hook) before the dialog runs.
    OPENFILENAMEA& Settings() { return settings_; }
    // Runs the dialog; false when the user cancels or it fails.
    bool Open() { return ::GetOpenFileNameA(&settings_) != FALSE; }
    bool Save() { return ::GetSaveFileNameA(&settings_) != FALSE; }

    std::string Path() const { return name_.c_str(); }
    DWORD FilterIndex() const { return settings_.nFilterIndex; }

private:
    std::string name_;
    std::string filter_;
    std::string title_;
    OPENFILENAMEA settings_{};
};

}  // namespace zem
