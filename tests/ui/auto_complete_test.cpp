// The shell's auto-complete on the path box: attaching once, and the radio pair that follows it.
#include <gtest/gtest.h>

#include "test_support.h"
#include "ui/auto_complete.h"

namespace zem {
namespace {

TEST(PathAutoComplete, AttachesOnceAndKeepsWhatItMade) {
    test::ComApartment com;
    const HWND edit = ::CreateWindowExA(0, "EDIT", "", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(edit, nullptr);
    PathAutoComplete autoComplete;
    const uint32_t first = autoComplete.AttachAutoComplete(edit, 16, 3, 0x11);
    // Wine's folder-based list cannot be rooted (no IPersistFolder): the attach fails there.
    EXPECT_EQ(autoComplete.Ready(), first == 0);
    EXPECT_TRUE(autoComplete.Exists());
    EXPECT_EQ(autoComplete.AttachAutoComplete(edit, 16, 3, 0x11), ErrAutoCompleteExists);
    EXPECT_EQ(autoComplete.Enable(true), first == 0);
    autoComplete.Release();
    EXPECT_FALSE(autoComplete.Exists());
    EXPECT_NE(autoComplete.AttachAutoComplete(nullptr, 16, 3, 0x11), 0u);  // no edit window
    ::DestroyWindow(edit);
}

}  // namespace
}  // namespace zem
