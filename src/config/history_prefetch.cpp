#include "config/history_prefetch.h"

#include "config/registry_accessor.h"

namespace zem {

namespace {

// A short list is read faster than a thread starts.
bool WorthReadingAhead(const std::string& keyPath) {
    constexpr DWORD kLongList = 100;
    RegistryAccessor registry;
    return registry.OpenKey(keyPath, false) && registry.ValueCount() >= kLongList;
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
