// One input converted as the command line asks: resolved, then each of its paths brought into
// the wanted form and style.
#pragma once

#include <cstdint>
#include <string>

#include "console/options.h"
#include "engine/folder_listings.h"
#include "engine/path_input.h"

namespace zem {

struct ConvertedInput {
    uint32_t error = 0;
    PathInputKind kind = pikEmpty;
    std::wstring failedEntry;  // for a list, the entry that failed
    size_t failedIndex = 0;    // its 1-based position; 0 when the input is no list
    std::wstring answer;       // the wanted form; lists joined with ';'
    std::wstring longPath;     // both forms, for JSON
    std::wstring shortPath;
};

class PathConverter {
public:
    explicit PathConverter(const TarvOptions& options);

    ConvertedInput Convert(const std::wstring& input);
    // 0, or the error of the folder -r names.
    uint32_t RelativeBaseError() const { return relativeBaseError_; }

private:
    struct EntryForms {
        uint32_t error = 0;
        std::wstring answer, longPath, shortPath;
    };
    EntryForms ConvertPath(const std::wstring& path);
    std::wstring Relative(const std::wstring& path, uint32_t& error) const;
    void Add(ConvertedInput& converted, const EntryForms& forms, bool first) const;

    const TarvOptions& options_;
    FolderListings listings_;  // inputs mostly share a few folders
    std::wstring relativeFrom_;
    uint32_t relativeBaseError_ = 0;
};

}  // namespace zem
