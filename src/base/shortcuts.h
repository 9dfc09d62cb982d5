// Keyboard shortcuts of a window's menu commands. Unlike TranslateAccelerator, a key whose
// command is disabled is left to the focused control (Ctrl+C still copies in an edit field).
#pragma once

#include <windows.h>

#include <vector>

namespace zem {

class KeyboardShortcuts {
public:
    // Takes the entries of an ACCELERATORS resource of the executable.
    void Load(UINT resourceId);
    void Add(BYTE virtualFlags, WORD key, WORD command);
    // The command of a key-down message that matches a shortcut, or 0.
    WORD Match(const MSG& message) const;

private:
    std::vector<ACCEL> entries_;
};

}  // namespace zem
