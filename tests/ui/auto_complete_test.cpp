// The shell's auto-complete on a path field: attaching once, and the suggestions it makes from
// a real folder while the user types.
#include <gtest/gtest.h>

#include <string>

#include "base/controls.h"
#include "test_support.h"
#include "ui/auto_complete.h"

namespace zem {
namespace {

BOOL CALLBACK CountSuggestions(HWND window, LPARAM count) {
    if (!::IsWindowVisible(window)) return TRUE;
    for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        char className[32] = {};
        ::GetClassNameA(child, className, sizeof(className));
        if (std::string(className) != "ListBox" || !::IsWindowVisible(child)) continue;
        *reinterpret_cast<LRESULT*>(count) = ::SendMessageA(child, LB_GETCOUNT, 0, 0);
        return FALSE;
    }
    return TRUE;
}

// The number of items in the drop-down list the auto-complete shows under its field (a popup
// window of this thread holding a list box); -1 while none is shown.
LRESULT SuggestionsShown() {
    LRESULT count = -1;
    ::EnumThreadWindows(::GetCurrentThreadId(), CountSuggestions, reinterpret_cast<LPARAM>(&count));
    return count;
}

// A key typed into the focused field, as the keyboard's character message.
void Type(HWND edit, char key) {
    ::SendMessageA(edit, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(key)), 1);
    test::PumpMessages();
}

class PathFieldTest : public ::testing::Test {
protected:
    void SetUp() override {
        edit_ = ::CreateWindowExA(0, "EDIT", "", WS_POPUP | WS_VISIBLE | WS_BORDER, 10, 10, 400, 24, nullptr, nullptr,
                                  nullptr, nullptr);
        ASSERT_NE(edit_, nullptr);
        ::SetForegroundWindow(edit_);
        ::SetFocus(edit_);
    }
    void TearDown() override {
        autoComplete_.Release();
        ::DestroyWindow(edit_);
    }

    // The field holds `text` with the caret at its end, as if it had been typed.
    void Put(const std::string& text) const {
        ::SetWindowTextA(edit_, text.c_str());
        ::SendMessageA(edit_, EM_SETSEL, text.size(), text.size());
    }

    test::ComApartment com_;
    HWND edit_ = nullptr;
    PathAutoComplete autoComplete_;
};

TEST_F(PathFieldTest, TypingABackslashSuggestsTheFoldersEntriesAndALetterAppendsTheMatch) {
    test::TempFolder folder;
    folder.MakeFile("Alpha File.txt");
    folder.MakeFile("beta.txt");
    folder.MakeFolder("Gamma Folder");
    ASSERT_EQ(autoComplete_.AttachToPathField(edit_), 0u);
    EXPECT_TRUE(autoComplete_.Ready());
    EXPECT_EQ(SuggestionsShown(), -1);

    Put(folder.Path());
    Type(edit_, '\\');
    EXPECT_EQ(SuggestionsShown(), 3);
    EXPECT_EQ(WindowText(edit_), folder.Path() + "\\");
    // Suggested and appended: the one entry that matches is completed in the field.
    Type(edit_, 'b');
    EXPECT_EQ(SuggestionsShown(), 1);
    EXPECT_EQ(WindowText(edit_), folder.Path() + "\\beta.txt");
    // Switched off, it appends nothing.
    EXPECT_TRUE(autoComplete_.Enable(false));
    Put(folder.Path() + "\\");
    Type(edit_, 'b');
    EXPECT_EQ(WindowText(edit_), folder.Path() + "\\b");
}

TEST_F(PathFieldTest, AttachesOnceAndKeepsWhatItMade) {
    EXPECT_EQ(autoComplete_.AttachAutoComplete(edit_, 16, 3, 0x11), 0u);
    EXPECT_TRUE(autoComplete_.Ready());
    EXPECT_TRUE(autoComplete_.Exists());
    EXPECT_EQ(autoComplete_.AttachAutoComplete(edit_, 16, 3, 0x11), ErrAutoCompleteExists);
    autoComplete_.Release();
    EXPECT_FALSE(autoComplete_.Exists());
    EXPECT_FALSE(autoComplete_.Enable(true));
    EXPECT_EQ(autoComplete_.AttachAutoComplete(nullptr, 16, 3, 0x11), ErrInvalidEditHandle);
    EXPECT_TRUE(autoComplete_.Exists()) << "the objects made before the failing step are kept";
    EXPECT_FALSE(autoComplete_.Ready());
}

}  // namespace
}  // namespace zem
