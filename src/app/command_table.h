// Menu command id -> handler. A command without a handler is not built yet: its menu
// items stay disabled whatever the enabling rules say.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <map>
#include <utility>

namespace zem {

class CommandTable {
public:
    using Handler = std::function<void()>;

    void Register(UINT id, Handler handler) { handlers_[id] = std::move(handler); }
    bool IsBuilt(UINT id) const;
    // Runs the handler of `id` (a context-menu id runs its main-menu twin); false when none.
    bool Run(UINT id) const;

private:
    std::map<UINT, Handler> handlers_;
};

// Context-menu item -> the main-menu item whose command and state it shares.
struct ContextMenuTwin {
    UINT contextItem;
    UINT mainItem;
};
const std::array<ContextMenuTwin, 21>& ContextMenuTwins();
// The main-menu twin of a context-menu item, or `id` itself.
UINT MainMenuTwin(UINT id);

}  // namespace zem
