// The recent output files, most recent first, each with its go-to line numbers.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "base/strings.h"
#include "config/int_list.h"

namespace zem {

class TTarvelixAppConfig;

// Positive numbers read from decimal strings, each once, in order; anything else counts as 0.
TZemIntList PositiveNumbersFromStrings(const StringList& strings);

class TTarvRecentEditorFileItem {
public:
    explicit TTarvRecentEditorFileItem(std::string fileName = {}) : FileName(std::move(fileName)) {}

    std::string FileName;
    // Absent until the item is given numbers; line numbers only, never the stored count.
    std::unique_ptr<TZemIntList> LineNumbers;
    // The stored numbers could not be read (a value of the wrong type): they stay in the store
    // unless the item is given numbers of its own.
    bool StoredNumbersUnread = false;

    // Appends each positive number of `strings` that the list does not hold yet.
    void MergeLineNumbers(const StringList& strings);
    StringList LineNumbersAsStrings() const;
};

class TTarvRecentEditorFileItems {
public:
    static constexpr int kMaxItems = 10;

    int Count() const { return static_cast<int>(items_.size()); }
    TTarvRecentEditorFileItem& operator[](int index) { return *items_.at(static_cast<size_t>(index)); }
    const TTarvRecentEditorFileItem& operator[](int index) const { return *items_.at(static_cast<size_t>(index)); }

    TTarvRecentEditorFileItem& Add();
    TTarvRecentEditorFileItem& AddFile(const std::string& name);
    int IndexOfFile(const std::string& name) const;
    TTarvRecentEditorFileItem* FindFile(const std::string& name);
    TTarvRecentEditorFileItem& AddUniqueFile(const std::string& name);
    // A new item at `index` (0 <= index < count, or 0 when empty); nullptr otherwise.
    TTarvRecentEditorFileItem* InsertAt(int index, const std::string& name);
    // The existing item for `name`, left in place; else InsertAt, cutting the list to 10.
    TTarvRecentEditorFileItem* InsertUniqueAt(int index, const std::string& name);
    void Delete(int index);
    void Move(int from, int to);
    void Clear() { items_.clear(); }

    int FromStrings(const StringList& names);
    StringList ToStrings() const;

    // Reads every item's numbers; an item whose numbers cannot be read gets none, and the first
    // such failure is raised once all items have been read.
    void LoadLineNumbers(TTarvelixAppConfig& config);
    void SaveLineNumbers(TTarvelixAppConfig& config) const;

private:
    std::vector<std::unique_ptr<TTarvRecentEditorFileItem>> items_;
};

}  // namespace zem
