// One record per special folder: what the special-folder listing is built from.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "catalogue/csidl_catalogue.h"

namespace zem {

// Where folders and their paths come from.
enum class FolderSource {
    KnownFolderManager,  // Windows Vista and later
    CsidlTable,          // earlier systems: the built-in table and the CSIDL path calls
};

// The source the running system supports: Windows NT 6 or later has the known-folder manager.
FolderSource SystemFolderSource();

class TZemCSIDLGUIDList2 {
public:
    explicit TZemCSIDLGUIDList2(FolderSource source = SystemFolderSource()) : source_(source) {}

    // Window passed as owner to the CSIDL path call.
    HWND OwnerWindow = nullptr;

    // Adds every folder the source knows; the number of records afterwards.
    int LoadFolders();
    // Deletes every record of the category; the number left.
    int RemoveCategory(uint8_t category);
    // Ascending by category; records of one category do not keep their loading order.
    void SortByCategory();

    int Count() const { return static_cast<int>(records_.size()); }
    // A copy of the record; an all-zero record for an index outside the list.
    TZemCSIDLGUIDRec GetItem(int index) const;
    // The new record's index, or -1 when there was no memory for it.
    int AddItem(const TZemCSIDLGUIDRec& record);
    void DeleteItem(int index);

    // The folder's current and default path; empty when it has none or the index is outside.
    std::string CurrentPath(int index) const;
    std::string DefaultPath(int index) const;
    // The same in UTF-16, as the system gives them.
    std::wstring CurrentWidePath(int index) const { return FolderPath(index, false); }
    std::wstring DefaultWidePath(int index) const { return FolderPath(index, true); }

private:
    bool ValidIndex(int index) const { return index >= 0 && index < Count(); }
    void LoadKnownFolders();
    std::wstring FolderPath(int index, bool defaultPath) const;
    void Sort(int left, int right);

    FolderSource source_;
    std::vector<TZemCSIDLGUIDRec> records_;
};

}  // namespace zem
