#include "ui/file_dialog.h"

#include "base/strings.h"

namespace zem {

FileDialog::FileDialog(HWND owner, UINT titleId, UINT filterId, DWORD flags, const std::string& proposedName)
    : name_(proposedName), filter_(ResFilterString(filterId)), title_(ResString(titleId)) {
    // Room for any path the dialog may return.
    name_.resize(32768, '\0');
    settings_.lStructSize = sizeof(settings_);
    settings_.hwndOwner = owner;
    settings_.lpstrFilter = filter_.c_str();
    settings_.nFilterIndex = 1;
    settings_.lpstrFile = name_.data();
    settings_.nMaxFile = static_cast<DWORD>(name_.size());
    settings_.lpstrTitle = title_.c_str();
    settings_.Flags = flags | OFN_EXPLORER;
}

}  // namespace zem
