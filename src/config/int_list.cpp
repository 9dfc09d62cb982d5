#include "config/int_list.h"

#include <algorithm>
#include <stdexcept>

namespace zem {

int TZemIntList::SetCount(int count) {
    items_.resize(static_cast<size_t>(std::max(count, 0)), 0);
    return Count();
}

int TZemIntList::Add(int32_t value) {
    items_.push_back(value);
    return Count() - 1;
}

void TZemIntList::Insert(int index, int32_t value) {
    if (index < 0 || index > Count()) throw std::out_of_range("TZemIntList::Insert");
    items_.insert(items_.begin() + index, value);
}

int TZemIntList::IndexOf(int32_t value) const {
    const auto found = std::find(items_.begin(), items_.end(), value);
    return found == items_.end() ? -1 : static_cast<int>(found - items_.begin());
}

int TZemIntList::AddUnique(int32_t value) {
    const int index = IndexOf(value);
    return index >= 0 ? index : Add(value);
}

}  // namespace zem
