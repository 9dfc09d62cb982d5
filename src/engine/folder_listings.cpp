#include "engine/folder_listings.h"

#include <windows.h>

#include "base/strings.h"
#include "base/unique.h"
#include "engine/path_input.h"

namespace zem {

namespace {

// The names of a plain absolute drive path ("C:", then one per folder level); empty for any
// other form, which the listings leave to the system.
StringList DrivePathNames(const std::string& path) {
    if (path.size() < 4 || path.size() >= MAX_PATH || path[1] != ':' || path[2] != '\\') return {};
    StringList names;
    size_t start = 0;
    for (size_t end = path.find('\\'); start <= path.size(); end = path.find('\\', start)) {
        if (end == std::string::npos) end = path.size();
        names.push_back(path.substr(start, end - start));
        if (names.back().empty() || names.back() == "." || names.back() == ".." ||
            names.back().find_first_of("/*?") != std::string::npos) {
            return {};
        }
        start = end + 1;
    }
    return names;
}

}  // namespace

bool FolderListings::ConfirmShortForm(const std::string& shortPath, const std::string& path) {
    const StringList shortNames = DrivePathNames(shortPath);
    const StringList longNames = DrivePathNames(path);
    if (longNames.empty() || shortNames.size() != longNames.size()) return false;
    if (!SameTextNoCase(shortNames[0], longNames[0])) return false;
    std::string folder = longNames[0];
    for (size_t i = 1; i < longNames.size(); ++i) {
        // A name that is its own short name is found by its long name first.
        if (!SameTextNoCase(shortNames[i], longNames[i]) && !NameLeadsTo(folder, shortNames[i], longNames[i])) {
            return false;
        }
        folder += "\\" + longNames[i];
    }
    return true;
}

std::optional<std::string> FolderListings::LongForm(const std::string& path) {
    const StringList names = DrivePathNames(path);
    if (names.empty()) return std::nullopt;
    std::string longPath = names[0];
    for (size_t i = 1; i < names.size(); ++i) {
        // The system keeps a name that is long already as it is written.
        if (IsLongNameComponent(names[i])) return std::nullopt;
        const Entry* entry = OnlyEntryNamed(longPath, names[i]);
        // A '?' stands for a character the code page lacks: that name only the system can give.
        if (!entry || entry->longName.find('?') != std::string::npos) return std::nullopt;
        longPath += "\\" + entry->longName;
    }
    return longPath;
}

std::optional<std::string> FolderListings::ShortForm(const std::string& path) {
    const StringList names = DrivePathNames(path);
    if (names.size() < 2 || !IsLongNameComponent(names.back())) return std::nullopt;
    const std::string folder = path.substr(0, path.size() - names.back().size() - 1);
    const Entry* entry = OnlyEntryNamed(folder, names.back());
    if (!entry || entry->shortName.empty()) return std::nullopt;
    const auto [known, isNew] = shortFolders_.try_emplace(UpperCaseKey(folder));
    if (isNew) {
        char shortFolder[MAX_PATH] = {};
        const DWORD length = ::GetShortPathNameA(folder.c_str(), shortFolder, MAX_PATH);
        if (length > 0 && length < MAX_PATH) known->second.assign(shortFolder, length);
    }
    if (known->second.empty()) return std::nullopt;
    return known->second + "\\" + entry->shortName;
}

bool FolderListings::NameLeadsTo(const std::string& folder, const std::string& shortName, const std::string& longName) {
    const Entry* entry = OnlyEntryNamed(folder, shortName);
    return entry && SameTextNoCase(entry->longName, longName);
}

const FolderListings::Entry* FolderListings::OnlyEntryNamed(const std::string& folder, const std::string& name) {
    const Listing& listing = ListingOf(folder);
    const auto found = listing.find(UpperCaseKey(name));
    return found != listing.end() && found->second.count == 1 ? &found->second : nullptr;
}

const FolderListings::Listing& FolderListings::ListingOf(const std::string& folder) {
    const std::string key = UpperCaseKey(folder);
    const auto known = folders_.find(key);
    if (known != folders_.end()) return known->second;
    Listing& listing = folders_[key];
    WIN32_FIND_DATAA data{};
    const UniqueFindHandle search(::FindFirstFileA((folder + "\\*").c_str(), &data));
    if (!search) return listing;
    const auto add = [&listing, &data](const std::string& name) {
        Entry& entry = listing[name];
        if (entry.count++ == 0) {
            entry.longName = data.cFileName;
            entry.shortName = data.cAlternateFileName;
        }
    };
    do {
        // The system finds an entry by either name, so either may be shared with another entry.
        const std::string longKey = UpperCaseKey(data.cFileName);
        add(longKey);
        const std::string shortKey = UpperCaseKey(data.cAlternateFileName);
        if (!shortKey.empty() && shortKey != longKey) add(shortKey);
    } while (::FindNextFileA(search.Get(), &data));
    return listing;
}

}  // namespace zem
