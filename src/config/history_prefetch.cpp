#include "config/history_prefetch.h"

#include "base/unique.h"

namespace zem {

namespace {

// A short list is read faster than a thread starts.
bool WorthReadingAhead(const std::string& keyPath) {
    constexpr DWORD kLongList = 100;
    UniqueHKey key;
    DWORD count = 0;
    return ::RegOpenKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, KEY_QUERY_VALUE, key.Put()) == ERROR_SUCCESS &&
           ::RegQueryInfoKeyA(key.Get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, nullptr,
                              nullptr, nullptr, nullptr) == ERROR_SUCCESS &&
           count >= kLongList;
}

}  // namespace

HistoryPrefetch::HistoryPrefetch(std::string appKey) noexcept
    : convertedPaths_(Launch(appKey, StoreKey::ConvertedPaths, &TTarvelixAppConfig::ReadConvertedPathsQuietly)),
      searchTexts_(Launch(appKey, StoreKey::TextSearches, &TTarvelixAppConfig::ReadSearchTextsQuietly)) {}

HistoryPrefetch::PendingList HistoryPrefetch::Launch(const std::string& appKey, StoreKey list,
                                                     QuietRead read) noexcept {
    try {
        if (!WorthReadingAhead(TTarvelixAppConfig(appKey).KeyPath(list))) return {};
        // Each read has a store of its own: a store's open key is not shared between threads.
        return std::async(std::launch::async, [appKey, read]() noexcept -> std::optional<StringList> {
            try {
                TTarvelixAppConfig store(appKey);
                return (store.*read)();
            } catch (...) {
                return std::nullopt;
            }
        });
    } catch (...) {
        return {};
    }
}

std::optional<StringList> HistoryPrefetch::Take(PendingList& pending) noexcept {
    if (!pending.valid()) return std::nullopt;
    try {
        return pending.get();
    } catch (...) {
        return std::nullopt;
    }
}

}  // namespace zem
