// The path box's and the search box's histories, read on worker threads while the main window
// is being built. Under Wine every registry request costs tens of microseconds and a history
// may hold thousands of entries, so reading them after the window is up keeps the user waiting.
#pragma once

#include <future>
#include <optional>
#include <string>

#include "base/strings.h"
#include "config/app_config.h"

namespace zem {

class HistoryPrefetch {
public:
    // Starts a read for each list long enough to be worth a thread; a list without one is not
    // read ahead.
    explicit HistoryPrefetch(std::string appKey = kAppRegistryKey) noexcept;

    // A list read ahead, once; nothing when it was not, or could not be read without a
    // message: the caller then reads it itself, and that read reports the fault.
    std::optional<StringList> TakeConvertedPaths() noexcept { return Take(convertedPaths_); }
    std::optional<StringList> TakeSearchTexts() noexcept { return Take(searchTexts_); }

private:
    using PendingList = std::future<std::optional<StringList>>;
    using QuietRead = std::optional<StringList> (TTarvelixAppConfig::*)();

    static PendingList Launch(const std::string& appKey, StoreKey list, QuietRead read) noexcept;
    static std::optional<StringList> Take(PendingList& pending) noexcept;

    PendingList convertedPaths_;
    PendingList searchTexts_;
};

}  // namespace zem
