// The entries of folders, each folder listed once: tells whether a short name leads back to
// the one file it was made for, without the folder scan the system makes for every name.
#pragma once

#include <optional>
#include <string>
#include <unordered_map>

namespace zem {

class FolderListings {
public:
    // True when the listings show that every name of `shortPath` leads to the same entry as
    // the corresponding name of `path`, an absolute drive path. False when they cannot tell:
    // the caller then asks the system.
    bool ConfirmShortForm(const std::wstring& shortPath, const std::wstring& path);
    // The long form of `path`, an absolute drive path of 8.3 names, when the listings name
    // exactly one entry for each of them; nothing when they cannot tell: the caller then asks
    // the system.
    std::optional<std::wstring> LongForm(const std::wstring& path);
    // The short form of `path`, an absolute drive path whose last name is long: the system's
    // short form of its folder, asked once per folder, and the short name the listing shows;
    // nothing when they cannot tell.
    std::optional<std::wstring> ShortForm(const std::wstring& path);

    // The same for paths in the ANSI code page. A name the code page cannot write is left to
    // the system.
    bool ConfirmShortForm(const std::string& shortPath, const std::string& path);
    std::optional<std::string> LongForm(const std::string& path);
    std::optional<std::string> ShortForm(const std::string& path);

private:
    struct Entry {
        int count = 0;           // entries whose short name or long name is the key
        std::wstring longName;   // the first of them
        std::wstring shortName;  // its short name; empty when it has none
    };
    using Listing = std::unordered_map<std::wstring, Entry>;

    // The entries of the folder by upper-case short name and by upper-case long name; empty
    // when it cannot be listed.
    const Listing& ListingOf(const std::wstring& folder);
    bool NameLeadsTo(const std::wstring& folder, const std::wstring& shortName, const std::wstring& longName);
    // The one entry of the folder that `name` names, or null.
    const Entry* OnlyEntryNamed(const std::wstring& folder, const std::wstring& name);

    std::unordered_map<std::wstring, Listing> folders_;
    std::unordered_map<std::wstring, std::wstring> shortFolders_;  // empty where the system failed
};

}  // namespace zem
