// The record of a pending web-page request and the opener thread serving it.
#pragma once

#include <windows.h>

#include <string>

#include "base/unique.h"

namespace zem {

struct TZemURLInfo {
    HWND owner = nullptr;
    std::string address;
    std::string caption;
    UniqueHandle thread;
    DWORD threadId = 0;

    void Clear() {
        owner = nullptr;
        address.clear();
        caption.clear();
        thread.Reset();
        threadId = 0;
    }
};

}  // namespace zem
