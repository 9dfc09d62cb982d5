#include "engine/folder_listings.h"

#include <windows.h>

#include <vector>

#include "base/strings.h"
#include "base/unicode.h"
#include "base/unique.h"
#include "engine/path_input.h"

namespace zem {

namespace {

using WideStringList = std::vector<std::wstring>;

// The names of a plain absolute drive path ("C:", then one per folder level); empty for any
// other form, which the listings leave to the system.
WideStringList DrivePathNames(const std::wstring& path) {
    if (path.size() < 4 || path.size() >= MAX_PATH || path[1] != L':' || path[2] != L'\\') return {};
    WideStringList names;
    size_t start = 0;
    for (size_t end = path.find(L'\\'); start <= path.size(); end = path.find(L'\\', start)) {
        if (end == std::wstring::npos) end = path.size();
        names.push_back(path.substr(start, end - start));
        if (names.back().empty() || names.back() == L"." || names.back() == L".." ||
            names.back().find_first_of(L"/*?") != std::wstring::npos) {
            return {};
        }
        start = end + 1;
    }
    return names;
}

std::optional<std::string> InAnsi(const std::optional<std::wstring>& path) {
    return path ? WideToAnsiExactly(*path) : std::nullopt;
}

}  // namespace

bool FolderListings::ConfirmShortForm(const std::wstring& shortPath, const std::wstring& path) {
    const WideStringList shortNames = DrivePathNames(shortPath);
    const WideStringList longNames = DrivePathNames(path);
    if (longNames.empty() || shortNames.size() != longNames.size()) return false;
    if (!SameTextNoCase(shortNames[0], longNames[0])) return false;
    std::wstring folder = longNames[0];
    for (size_t i = 1; i < longNames.size(); ++i) {
        // A name that is its own short name is found by its long name first.
        if (!SameTextNoCase(shortNames[i], longNames[i]) && !NameLeadsTo(folder, shortNames[i], longNames[i])) {
            return false;
        }
        folder += L"\\" + longNames[i];
    }
    return true;
}

std::optional<std::wstring> FolderListings::LongForm(const std::wstring& path) {
    const WideStringList names = DrivePathNames(path);
    if (names.empty()) return std::nullopt;
    std::wstring longPath = names[0];
    for (size_t i = 1; i < names.size(); ++i) {
        // The system keeps a name that is long already as it is written.
        if (IsLongNameComponent(names[i])) return std::nullopt;
        const Entry* entry = OnlyEntryNamed(longPath, names[i]);
        if (!entry) return std::nullopt;
        longPath += L"\\" + entry->longName;
    }
    return longPath;
}

std::optional<std::wstring> FolderListings::ShortForm(const std::wstring& path) {
    const WideStringList names = DrivePathNames(path);
    if (names.size() < 2 || !IsLongNameComponent(names.back())) return std::nullopt;
    const std::wstring folder = path.substr(0, path.size() - names.back().size() - 1);
    const Entry* entry = OnlyEntryNamed(folder, names.back());
    if (!entry || entry->shortName.empty()) return std::nullopt;
    const auto [known, isNew] = shortFolders_.try_emplace(UpperCaseKey(folder));
    if (isNew) {
        wchar_t shortFolder[MAX_PATH] = {};
        const DWORD length = ::GetShortPathNameW(folder.c_str(), shortFolder, MAX_PATH);
        if (length > 0 && length < MAX_PATH) known->second.assign(shortFolder, length);
    }
    if (known->second.empty()) return std::nullopt;
    return known->second + L"\\" + entry->shortName;
}

bool FolderListings::ConfirmShortForm(const std::string& shortPath, const std::string& path) {
    return ConfirmShortForm(MultiByteToWide(shortPath), MultiByteToWide(path));
}

std::optional<std::string> FolderListings::LongForm(const std::string& path) {
    return InAnsi(LongForm(MultiByteToWide(path)));
}

std::optional<std::string> FolderListings::ShortForm(const std::string& path) {
    return InAnsi(ShortForm(MultiByteToWide(path)));
}

bool FolderListings::NameLeadsTo(const std::wstring& folder, const std::wstring& shortName,
                                 const std::wstring& longName) {
    const Entry* entry = OnlyEntryNamed(folder, shortName);
    return entry && SameTextNoCase(entry->longName, longName);
}

const FolderListings::Entry* FolderListings::OnlyEntryNamed(const std::wstring& folder, const std::wstring& name) {
    const Listing& listing = ListingOf(folder);
    const auto found = listing.find(UpperCaseKey(name));
    return found != listing.end() && found->second.count == 1 ? &found->second : nullptr;
}

const FolderListings::Listing& FolderListings::ListingOf(const std::wstring& folder) {
    const std::wstring key = UpperCaseKey(folder);
    const auto known = folders_.find(key);
    if (known != folders_.end()) return known->second;
    Listing& listing = folders_[key];
    WIN32_FIND_DATAW data{};
    const UniqueFindHandle search(::FindFirstFileW((folder + L"\\*").c_str(), &data));
    if (!search) return listing;
    const auto add = [&listing, &data](const std::wstring& name) {
        Entry& entry = listing[name];
        if (entry.count++ == 0) {
            entry.longName = data.cFileName;
            entry.shortName = data.cAlternateFileName;
        }
    };
    do {
        // The system finds an entry by either name, so either may be shared with another entry.
        const std::wstring longKey = UpperCaseKey(data.cFileName);
        add(longKey);
        const std::wstring shortKey = UpperCaseKey(data.cAlternateFileName);
        if (!shortKey.empty() && shortKey != longKey) add(shortKey);
    } while (::FindNextFileW(search.Get(), &data));
    return listing;
}

}  // namespace zem
