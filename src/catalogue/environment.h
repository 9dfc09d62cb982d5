// The process's environment as a list of its "name=value" entries, and path-list values.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/strings.h"

namespace zem {

// The entries in the order the system gives them, duplicates kept. Per-drive current
// directories ("=C:=C:\...") are entries like any other, with an empty name.
class TZemEnvironmentStrList {
public:
    // Appends every entry of the process's environment block; the number of entries
    // afterwards, or 0 when the system gives no block.
    int LoadEnvironment();

    void Add(std::string entry) { entries_.push_back(std::move(entry)); }
    void Clear() { entries_.clear(); }
    int Count() const { return static_cast<int>(entries_.size()); }
    // The entry as held; empty for an index outside the list.
    const std::string& operator[](int index) const;

    // The parts before and after the first "="; both empty for an index outside the list
    // or an entry without "=".
    std::string NameAt(int index) const;
    std::string ValueAt(int index) const;

private:
    bool ValidIndex(int index) const { return index >= 0 && index < Count(); }

    StringList entries_;
};

// The "name=value" entries of the process's environment in UTF-16, in the system's order.
std::vector<std::wstring> WideEnvironmentEntries();

// A value that names several paths: not empty and holding a ";".
bool IsPathList(std::string_view text);

// The elements of a path list: every ";" and every line break of the value ends one;
// a break at the very end adds no empty element.
StringList SplitPathList(std::string_view value);

}  // namespace zem
