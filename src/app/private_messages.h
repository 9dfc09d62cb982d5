// The main window's private messages; all are posted, so they run after the current handler.
#pragma once

#include <windows.h>

#include "info/url_info.h"

namespace zem {

inline constexpr UINT UM_COMBO_CHANGED = WM_USER + 0x100;           // 0x500, wParam: the combo box
// The window has become visible for the first time: restore settings, evaluate the command line.
inline constexpr UINT UM_FIRST_SHOW = WM_USER + 0x101;              // 0x501
inline constexpr UINT UM_NEW_OUTPUT_FILE = WM_USER + 0x10A;         // 0x50A
inline constexpr UINT UM_DROP_CONVERSION_FAILED = WM_USER + 0x10E;  // 0x50E, wParam: line of the last failure
// Once per burst of editor changes (a report inserts many lines): refresh the editing commands.
inline constexpr UINT UM_EDITOR_CHANGED = WM_USER + 0x110;          // 0x510
inline constexpr UINT UM_URL_THREAD_DONE = kURLThreadDoneMessage;    // 0x5FF, wParam: 1 opened, 0 failed

}  // namespace zem
