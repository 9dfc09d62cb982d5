// The record of a pending web-page request and the opener thread serving it.
#pragma once

#include <windows.h>

#include <string>

#include "base/unique.h"

namespace zem {

// The home page of the product on the maker's web site; Check for Updates opens it too.
std::string TarvelixHomePageAddress();

// Opens a web address with the shell and, on success, adds it to the recent documents;
// the shell's result (above 32 for success).
INT_PTR ShellOpenAddress(const std::string& address);

struct TZemURLInfo {
    using OpenFunction = INT_PTR (*)(const std::string& address);

    HWND owner = nullptr;
    std::string address;
    std::string caption;
    UniqueHandle thread;
    DWORD threadId = 0;
    // How the opener thread opens the address; tests put a recorder here.
    OpenFunction open = ShellOpenAddress;

    bool Busy() const { return static_cast<bool>(thread); }

    void Clear() {
        owner = nullptr;
        address.clear();
        caption.clear();
        thread.Reset();
        threadId = 0;
    }
};

// The message the opener thread posts to the owner when it is done; wParam 1 opened, 0 failed.
inline constexpr UINT kURLThreadDoneMessage = WM_USER + 0x1FF;

// Starts the opener thread for `address` unless one is running for this record; false when
// the request is dropped or the thread cannot start.
bool StartURLOpener(TZemURLInfo& info, HWND owner, const std::string& address);

}  // namespace zem
