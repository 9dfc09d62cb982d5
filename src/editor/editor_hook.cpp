#include "editor/editor_hook.h"

#include <commctrl.h>
#include <richedit.h>
#include <shellapi.h>
#include <shlobj.h>

#include "base/unique.h"
#include "base/window.h"

namespace zem {

namespace {

constexpr UINT_PTR kHookId = 0x7A656D;  // one hook per editor

// The shell's drop handle is released on every path.
class DropHandle {
public:
    explicit DropHandle(HDROP drop) : drop_(drop) {}
    ~DropHandle() { ::DragFinish(drop_); }
    DropHandle(const DropHandle&) = delete;
    DropHandle& operator=(const DropHandle&) = delete;
    HDROP Get() const { return drop_; }

private:
    HDROP drop_;
};

// The names of a drop's list, each ending in a zero, the list in an empty name; read in one
// pass, where asking the shell for them one by one walks the list from its start every time.
// Nothing is read beyond `end`.
template <class Char>
void AppendNames(const Char* at, const Char* end, StringList& paths) {
    while (at < end && *at != 0) {
        const Char* name = at;
        while (at < end && *at != 0) ++at;
        if constexpr (sizeof(Char) == 1) {
            paths.emplace_back(name, at);
        } else {
            paths.push_back(WideToMultiByte(std::wstring(name, at)));
        }
        ++at;
    }
}

// The control undoes and redoes even while read-only; a read-only document must not change.
bool IsUndoRequest(UINT message, WPARAM wParam) {
    if (message == EM_UNDO || message == WM_UNDO || message == EM_REDO) return true;
    if (message == WM_SYSKEYDOWN && wParam == VK_BACK) return true;  // Alt+Backspace
    return message == WM_KEYDOWN && ::GetKeyState(VK_CONTROL) < 0 && (wParam == 'Z' || wParam == 'Y');
}

bool IsReadOnly(HWND editor) { return (::GetWindowLongA(editor, GWL_STYLE) & ES_READONLY) != 0; }

bool IsScrollMessage(UINT message) {
    return message == WM_VSCROLL || message == WM_HSCROLL || message == WM_MOUSEWHEEL;
}

}  // namespace

StringList DroppedFilePaths(HDROP drop) {
    StringList paths;
    const LockedGlobal block(drop);
    const auto* header = static_cast<const DROPFILES*>(block.Data());
    if (header == nullptr || block.Size() < sizeof(DROPFILES) || header->pFiles >= block.Size()) return paths;
    const char* names = static_cast<const char*>(block.Data()) + header->pFiles;
    const char* end = static_cast<const char*>(block.Data()) + block.Size();
    if (header->fWide) {
        const auto* wideNames = reinterpret_cast<const wchar_t*>(names);
        AppendNames(wideNames, wideNames + (end - names) / static_cast<ptrdiff_t>(sizeof(wchar_t)), paths);
    } else {
        AppendNames(names, end, paths);
    }
    return paths;
}

void EditorHook::Attach(HWND editor, Events events) {
    Detach();
    events_ = std::move(events);
    ::DragAcceptFiles(editor, TRUE);
    const LRESULT mask = ::SendMessageA(editor, EM_GETEVENTMASK, 0, 0);
    ::SendMessageA(editor, EM_SETEVENTMASK, 0, mask | ENM_DROPFILES | ENM_SCROLL);
    if (::SetWindowSubclass(editor, HookProc, kHookId, reinterpret_cast<DWORD_PTR>(this))) editor_ = editor;
}

void EditorHook::Detach() {
    if (editor_ == nullptr) return;
    if (::IsWindow(editor_)) ::RemoveWindowSubclass(editor_, HookProc, kHookId);
    editor_ = nullptr;
}

void EditorHook::OnDropFiles(HDROP drop) const {
    const DropHandle owner(drop);
    const StringList paths = DroppedFilePaths(owner.Get());
    if (events_.onDropFiles) RunGuarded([&] { events_.onDropFiles(paths); });
}

// The drop is handled here rather than through the control's drop notification, which not
// every rich-edit version sends.
LRESULT CALLBACK EditorHook::HookProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                      DWORD_PTR data) {
    const auto* hook = reinterpret_cast<const EditorHook*>(data);
    if (message == WM_DROPFILES) {
        hook->OnDropFiles(reinterpret_cast<HDROP>(wParam));
        return 0;
    }
    if (IsUndoRequest(message, wParam) && IsReadOnly(window)) return 0;
    const LRESULT result = ::DefSubclassProc(window, message, wParam, lParam);
    if (IsScrollMessage(message) && hook->events_.onScroll) RunGuarded([hook] { hook->events_.onScroll(); });
    return result;
}

}  // namespace zem
