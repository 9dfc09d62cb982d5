#include "config/recent_files.h"

#include <exception>

#include "config/app_config.h"

namespace zem {

TZemIntList PositiveNumbersFromStrings(const StringList& strings) {
    TZemIntList numbers;
    for (const auto& text : strings) {
        const int32_t number = ParseDecimal(text).value_or(0);
        if (number > 0) numbers.AddUnique(number);
    }
    return numbers;
}

void TTarvRecentEditorFileItem::MergeLineNumbers(const StringList& strings) {
    if (strings.empty()) return;
    if (!LineNumbers) LineNumbers = std::make_unique<TZemIntList>();
    const TZemIntList numbers = PositiveNumbersFromStrings(strings);
    for (int32_t number : numbers.Items()) LineNumbers->AddUnique(number);
}

StringList TTarvRecentEditorFileItem::LineNumbersAsStrings() const {
    StringList strings;
    if (!LineNumbers) return strings;
    for (int32_t number : LineNumbers->Items()) {
        if (number > 0) strings.push_back(std::to_string(number));
    }
    return strings;
}

TTarvRecentEditorFileItem& TTarvRecentEditorFileItems::Add() {
    return *items_.emplace_back(std::make_unique<TTarvRecentEditorFileItem>());
}

TTarvRecentEditorFileItem& TTarvRecentEditorFileItems::AddFile(const std::string& name) {
    return *items_.emplace_back(std::make_unique<TTarvRecentEditorFileItem>(name));
}

int TTarvRecentEditorFileItems::IndexOfFile(const std::string& name) const {
    for (size_t i = 0; i < items_.size(); ++i) {
        if (SameTextNoCase(items_[i]->FileName, name)) return static_cast<int>(i);
    }
    return -1;
}

TTarvRecentEditorFileItem* TTarvRecentEditorFileItems::FindFile(const std::string& name) {
    const int index = IndexOfFile(name);
    return index < 0 ? nullptr : items_[static_cast<size_t>(index)].get();
}

TTarvRecentEditorFileItem& TTarvRecentEditorFileItems::AddUniqueFile(const std::string& name) {
    auto* existing = FindFile(name);
    return existing ? *existing : AddFile(name);
}

TTarvRecentEditorFileItem* TTarvRecentEditorFileItems::InsertAt(int index, const std::string& name) {
    const bool allowed = (index >= 0 && index < Count()) || (index == 0 && items_.empty());
    if (!allowed) return nullptr;
    auto inserted = items_.insert(items_.begin() + index, std::make_unique<TTarvRecentEditorFileItem>(name));
    return inserted->get();
}

TTarvRecentEditorFileItem* TTarvRecentEditorFileItems::InsertUniqueAt(int index, const std::string& name) {
    if (auto* existing = FindFile(name)) return existing;
    auto* item = InsertAt(index, name);
    if (item && Count() > kMaxItems) items_.pop_back();
    return item;
}

void TTarvRecentEditorFileItems::Delete(int index) {
    if (index >= 0 && index < Count()) items_.erase(items_.begin() + index);
}

void TTarvRecentEditorFileItems::Move(int from, int to) {
    if (from < 0 || from >= Count() || to < 0 || to >= Count() || from == to) return;
    auto item = std::move(items_[static_cast<size_t>(from)]);
    items_.erase(items_.begin() + from);
    items_.insert(items_.begin() + to, std::move(item));
}

int TTarvRecentEditorFileItems::FromStrings(const StringList& names) {
    items_.clear();
    CaseInsensitiveSet added;
    for (const auto& name : names) {
        if (added.Insert(name)) AddFile(name);
    }
    return Count();
}

StringList TTarvRecentEditorFileItems::ToStrings() const {
    StringList names;
    for (const auto& item : items_) names.push_back(item->FileName);
    return names;
}

void TTarvRecentEditorFileItems::LoadLineNumbers(TTarvelixAppConfig& config) {
    std::exception_ptr firstFailure;
    for (int i = 0; i < Count(); ++i) {
        TTarvRecentEditorFileItem& item = *items_[static_cast<size_t>(i)];
        item.LineNumbers.reset();
        item.StoredNumbersUnread = false;
        try {
            item.LineNumbers = std::make_unique<TZemIntList>(config.ReadLinesToGoTo(i));
        } catch (...) {
            item.StoredNumbersUnread = true;
            if (!firstFailure) firstFailure = std::current_exception();
        }
    }
    if (firstFailure) std::rethrow_exception(firstFailure);
}

void TTarvRecentEditorFileItems::SaveLineNumbers(TTarvelixAppConfig& config) const {
    for (int i = 0; i < Count(); ++i) {
        const TTarvRecentEditorFileItem& item = *items_[static_cast<size_t>(i)];
        if (item.StoredNumbersUnread && !item.LineNumbers) continue;
        try {
            config.WriteLinesToGoTo(i, item.LineNumbers.get());
        } catch (const std::exception&) {
            // One item's failure must not keep the others from being written.
        }
    }
}

}  // namespace zem
