// An ordered list of 32-bit signed integers in one contiguous buffer.
#pragma once

#include <cstdint>
#include <vector>

namespace zem {

class TZemIntList {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    // Sets the count; new entries are 0. Returns the new count.
    int SetCount(int count);

    int32_t Get(int index) const { return items_.at(static_cast<size_t>(index)); }
    const int32_t* Data() const { return items_.data(); }
    const std::vector<int32_t>& Items() const { return items_; }

    // Appends; returns the new entry's position.
    int Add(int32_t value);
    void Insert(int index, int32_t value);
    // First position of `value`, or -1.
    int IndexOf(int32_t value) const;
    // Position of `value` if present, else appends it and returns the new position.
    int AddUnique(int32_t value);

private:
    std::vector<int32_t> items_;
};

}  // namespace zem
