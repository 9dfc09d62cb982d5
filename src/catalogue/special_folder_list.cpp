#include "catalogue/special_folder_list.h"

#include <shlobj.h>

#include <new>
#include <utility>

#include "base/strings.h"
#include "catalogue/known_folders.h"

namespace zem {

FolderSource SystemFolderSource() {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof(version);
    const bool knownFolders =
        ::GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion >= 6;
    return knownFolders ? FolderSource::KnownFolderManager : FolderSource::CsidlTable;
}

int TZemCSIDLGUIDList2::LoadFolders() {
    if (source_ == FolderSource::KnownFolderManager) {
        LoadKnownFolders();
    } else {
        for (const TZemCSIDLGUIDRec& record : CSIDLGUIDDefaults) AddItem(record);
    }
    return Count();
}

// A folder is kept when its object and category can be had; one without a CSIDL keeps 0.
// A manager that cannot be created or enumerated leaves the list as it was.
void TZemCSIDLGUIDList2::LoadKnownFolders() {
    ComPtr<IKnownFolderManager> manager;
    std::vector<GUID> ids;
    if (CreateKnownFolderManager(manager) != 0 || KnownFolderIds(*manager.Get(), ids) != 0) return;
    for (const GUID& id : ids) {
        TZemCSIDLGUIDRec record;
        record.FolderID = id;
        int csidl = 0;
        if (SUCCEEDED(manager->FolderIdToCsidl(id, &csidl))) record.CSIDL = static_cast<uint16_t>(csidl);
        ComPtr<IKnownFolder> folder;
        KF_CATEGORY category{};
        if (FAILED(manager->GetFolder(id, &folder)) || !folder || FAILED(folder->GetCategory(&category))) continue;
        record.Category = static_cast<uint8_t>(category);
        AddItem(record);
    }
}

int TZemCSIDLGUIDList2::RemoveCategory(uint8_t category) {
    for (int index = Count() - 1; index >= 0; --index) {
        if (records_[static_cast<size_t>(index)].Category == category) DeleteItem(index);
    }
    return Count();
}

void TZemCSIDLGUIDList2::SortByCategory() {
    if (Count() > 0) Sort(0, Count() - 1);
}

// A quicksort with the middle record as pivot. It is not stable, and the special-folder
// listing shows the order it leaves within a category.
void TZemCSIDLGUIDList2::Sort(int left, int right) {
    int i = 0;
    do {
        i = left;
        int j = right;
        const uint8_t pivot = records_[static_cast<size_t>((left + right) / 2)].Category;
        do {
            while (records_[static_cast<size_t>(i)].Category < pivot) ++i;
            while (records_[static_cast<size_t>(j)].Category > pivot) --j;
            if (i <= j) {
                std::swap(records_[static_cast<size_t>(i)], records_[static_cast<size_t>(j)]);
                ++i;
                --j;
            }
        } while (i <= j);
        if (left < j) Sort(left, j);
        left = i;
    } while (i < right);
}

TZemCSIDLGUIDRec TZemCSIDLGUIDList2::GetItem(int index) const {
    return ValidIndex(index) ? records_[static_cast<size_t>(index)] : TZemCSIDLGUIDRec{};
}

int TZemCSIDLGUIDList2::AddItem(const TZemCSIDLGUIDRec& record) {
    try {
        records_.push_back(record);
    } catch (const std::bad_alloc&) {
        return -1;
    }
    return Count() - 1;
}

void TZemCSIDLGUIDList2::DeleteItem(int index) {
    if (ValidIndex(index)) records_.erase(records_.begin() + index);
}

std::string TZemCSIDLGUIDList2::CurrentPath(int index) const { return WideToMultiByte(FolderPath(index, false)); }

std::string TZemCSIDLGUIDList2::DefaultPath(int index) const { return WideToMultiByte(FolderPath(index, true)); }

std::wstring TZemCSIDLGUIDList2::FolderPath(int index, bool defaultPath) const {
    if (!ValidIndex(index)) return {};
    const TZemCSIDLGUIDRec& record = records_[static_cast<size_t>(index)];
    std::wstring path;
    if (source_ == FolderSource::KnownFolderManager) {
        const DWORD flags = defaultPath ? kKnownFolderDefaultPathFlags : 0;
        return KnownFolderPath(record.FolderID, flags, nullptr, path) == 0 ? path : std::wstring();
    }
    wchar_t buffer[MAX_PATH + 1] = {};
    const DWORD flags = defaultPath ? SHGFP_TYPE_DEFAULT : SHGFP_TYPE_CURRENT;
    return ::SHGetFolderPathW(OwnerWindow, record.CSIDL, nullptr, flags, buffer) == S_OK ? buffer : std::wstring();
}

}  // namespace zem
