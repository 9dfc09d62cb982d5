#include <gtest/gtest.h>

#include <set>

#include "app/command_table.h"
#include "base/shortcuts.h"
#include "resource.h"

namespace zem {
namespace {

TEST(CommandTable, RunsHandlersAndSharesThemWithContextMenuTwins) {
    CommandTable table;
    int undone = 0;
    table.Register(MMEditUndo, [&] { ++undone; });
    EXPECT_TRUE(table.IsBuilt(MMEditUndo));
    EXPECT_TRUE(table.IsBuilt(RichEditPMUndo));
    EXPECT_TRUE(table.Run(RichEditPMUndo));
    EXPECT_TRUE(table.Run(MMEditUndo));
    EXPECT_EQ(undone, 2);
    // A command without a handler is not built and runs nothing.
    EXPECT_FALSE(table.IsBuilt(MMEditRedo));
    EXPECT_FALSE(table.Run(RichEditPMRedo));
}

TEST(CommandTable, EveryContextMenuItemHasItsOwnMainMenuTwin) {
    std::set<UINT> contextItems, mainItems;
    for (const auto& twin : ContextMenuTwins()) {
        EXPECT_TRUE(contextItems.insert(twin.contextItem).second);
        EXPECT_TRUE(mainItems.insert(twin.mainItem).second);
        EXPECT_GE(twin.contextItem, static_cast<UINT>(RichEditPMUndo));
        EXPECT_LT(twin.mainItem, static_cast<UINT>(RichEditPMUndo));
    }
    EXPECT_EQ(MainMenuTwin(RichEditPMReadOnly), static_cast<UINT>(MMEditReadOnly));
    EXPECT_EQ(MainMenuTwin(MMFileExit), static_cast<UINT>(MMFileExit));
}

// Sets the modifier keys this thread's key-state queries see.
void HoldKeys(std::initializer_list<int> keys) {
    BYTE state[256] = {};
    for (int key : keys) state[key] = 0x80;
    ::SetKeyboardState(state);
}

MSG KeyDown(WPARAM key) { return MSG{nullptr, WM_KEYDOWN, key, 0, 0, {}}; }

TEST(KeyboardShortcuts, MatchKeyAndModifiersExactly) {
    KeyboardShortcuts shortcuts;
    shortcuts.Load(IDR_ACCELERATORS);
    shortcuts.Add(FCONTROL, VK_OEM_MINUS, MMZoomOut);

    HoldKeys({});
    EXPECT_EQ(shortcuts.Match(KeyDown(VK_F5)), MMActionConvert);
    EXPECT_EQ(shortcuts.Match(KeyDown('O')), 0);
    HoldKeys({VK_SHIFT});
    EXPECT_EQ(shortcuts.Match(KeyDown(VK_F5)), MMActionCreateRelPath);
    HoldKeys({VK_CONTROL});
    EXPECT_EQ(shortcuts.Match(KeyDown('O')), MMFileOpen);
    EXPECT_EQ(shortcuts.Match(KeyDown(VK_OEM_MINUS)), MMZoomOut);
    EXPECT_EQ(shortcuts.Match(KeyDown(VK_OEM_PLUS)), MMZoomIn);
    HoldKeys({VK_CONTROL, VK_MENU});
    EXPECT_EQ(shortcuts.Match(KeyDown('O')), MMFileLoad);
    EXPECT_EQ(shortcuts.Match(KeyDown('R')), MMEditReadOnly);
    // Only key-down messages are shortcuts.
    MSG keyUp = KeyDown('R');
    keyUp.message = WM_KEYUP;
    EXPECT_EQ(shortcuts.Match(keyUp), 0);
    HoldKeys({});
}

}  // namespace
}  // namespace zem
