// The hook on the output editor's window procedure: files dropped from the shell, scrolling
// that a shown balloon must follow, and no undo or redo while the document is read-only.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <functional>

#include "base/strings.h"

namespace zem {

class EditorHook {
public:
    struct Events {
        std::function<void(const StringList& paths)> onDropFiles;  // full paths in drop order
        std::function<void()> onScroll;
    };

    EditorHook() = default;
    ~EditorHook() { Detach(); }
    EditorHook(const EditorHook&) = delete;
    EditorHook& operator=(const EditorHook&) = delete;

    // Lets the editor accept dropped files, adds the drop and scroll notifications to its
    // event mask and puts the hook in front of its window procedure.
    void Attach(HWND editor, Events events);
    // Puts the previous window procedure back.
    void Detach();
    bool Attached() const { return editor_ != nullptr; }

private:
    static LRESULT CALLBACK HookProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                     DWORD_PTR data);
    void OnDropFiles(HDROP drop) const;

    HWND editor_ = nullptr;
    Events events_;
};

// The full paths of the files dropped with this handle, in drop order.
StringList DroppedFilePaths(HDROP drop);

}  // namespace zem
