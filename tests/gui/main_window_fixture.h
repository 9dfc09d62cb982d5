// Creates the real main window in this process, drives it with messages and closes it.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "app/main_window.h"
#include "test_support.h"

namespace zem::test {

// Runs a command as its menu item does and lets the window finish it.
inline void Click(TForm1& form, UINT id) {
    ::SendMessageA(form.Handle(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
    PumpMessages();
}

// Puts `text` into a combo box as typing does, and lets the window answer the change.
inline void Type(TForm1& form, const ComboBox& box, int id, const std::string& text) {
    box.SetText(text);
    ::SendMessageA(form.Handle(), WM_COMMAND, MAKEWPARAM(id, CBN_EDITCHANGE), reinterpret_cast<LPARAM>(box.Handle()));
    PumpMessages();
}

class MainWindowTest : public ::testing::Test {
protected:
    // OLE as the program's entry point sets it up: drag and drop need it.
    void SetUp() override {
        ::OleInitialize(nullptr);
        DeleteUserKey(kAppRegistryKey);
    }
    void TearDown() override {
        form_.reset();
        PumpMessages();
        ::OleUninitialize();
        DeleteUserKey(kAppRegistryKey);
    }

    // Creates and shows the window; OnCreate and OnShow have run afterwards.
    TForm1& Start() {
        form_ = std::make_unique<TForm1>();
        EXPECT_TRUE(form_->Create());
        form_->Show(SW_SHOWNORMAL);
        PumpMessages();
        return *form_;
    }

    // Asks the window to close, as the close box does, and lets it finish.
    void Close() {
        ::SendMessageA(form_->Handle(), WM_CLOSE, 0, 0);
        PumpMessages();
    }

    // Asks the window to close while a box is answered with `button`; the box's caption, or
    // "<no box>" when none was shown.
    std::string CloseAnswering(int button) {
        MessageBoxAnswerer answerer(button);
        ::SendMessageA(form_->Handle(), WM_CLOSE, 0, 0);
        const bool answered = answerer.Wait();
        PumpMessages();
        return answered ? answerer.Caption() : "<no box>";
    }

    // Hands a queued message to the application's hook and dispatches it like the message loop.
    void Deliver(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        MSG queued{window, message, wParam, lParam, ::GetTickCount(), {}};
        if (!form_->PreTranslateMessage(queued)) {
            ::TranslateMessage(&queued);
            ::DispatchMessageA(&queued);
        }
        PumpMessages();
    }

    TTarvelixAppConfig store_;
    std::unique_ptr<TForm1> form_;
};

}  // namespace zem::test
