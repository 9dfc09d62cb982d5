// The help context numbers of the main window, its controls and its menu items.
#pragma once

#include <windows.h>

namespace zem {

inline constexpr DWORD kMainWindowHelpContext = 7098;
inline constexpr DWORD kSaveDialogHelpContext = 17600;
inline constexpr DWORD kOpenDialogHelpContext = 17610;
inline constexpr DWORD kPrintDialogHelpContext = 17620;
inline constexpr DWORD kLoadErrorHelpContext = 17900;
inline constexpr DWORD kLoadRecentErrorHelpContext = 17910;
inline constexpr DWORD kPrintErrorHelpContext = 17920;

// The help context of a menu item (main menu or the editor's context menu); 0 for none.
DWORD HelpContextOfCommand(UINT id);

// The help context of a control of the main window by its identifier; 0 for none.
DWORD HelpContextOfControl(int id);

}  // namespace zem
