// Thin, non-owning wrappers over the window handles of standard controls.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <richedit.h>

#include <string>

#include "base/strings.h"

namespace zem {

// A window's text in the ANSI code page, however long; Unicode windows are asked in UTF-16.
std::string WindowText(HWND window);
void SetWindowTextString(HWND window, const std::string& text);

// The longest text the path box, the search box and the line boxes take: the longest path or
// environment string the system accepts.
inline constexpr int kLongestFieldText = 32767;

// Suspends a control's painting for the scope and repaints it once at the end. Turning painting
// back on also shows a window, so a hidden control is left alone and stays hidden.
class RedrawSuspended {
public:
    explicit RedrawSuspended(HWND window);
    ~RedrawSuspended();
    RedrawSuspended(const RedrawSuspended&) = delete;
    RedrawSuspended& operator=(const RedrawSuspended&) = delete;

private:
    HWND window_;
    bool visible_;
};

// Adds a tab with `caption` at `index` of a page control.
void InsertTab(HWND tabs, int index, std::string caption);

// An edit field or any control that keeps a text and a selection like one.
class EditField {
public:
    explicit EditField(HWND handle = nullptr) : handle_(handle) {}
    HWND Handle() const { return handle_; }
    std::string Text() const { return WindowText(handle_); }
    int TextLength() const { return ::GetWindowTextLengthW(handle_); }
    void SetText(const std::string& text) const { SetWindowTextString(handle_, text); }
    // Start and end of the selection (end == start when nothing is selected).
    void GetSelection(DWORD& start, DWORD& end) const;
    bool ReadOnly() const { return (::GetWindowLongA(handle_, GWL_STYLE) & ES_READONLY) != 0; }
    bool CanUndo() const { return ::SendMessageA(handle_, EM_CANUNDO, 0, 0) != 0; }

private:
    HWND handle_;
};

class ComboBox {
public:
    explicit ComboBox(HWND handle = nullptr) : handle_(handle) {}
    HWND Handle() const { return handle_; }
    // The combo box's own edit field (drop-down style).
    HWND EditHandle() const;
    EditField Edit() const { return EditField(EditHandle()); }

    std::string Text() const { return WindowText(handle_); }
    void SetText(const std::string& text) const { SetWindowTextString(handle_, text); }
    bool Empty() const { return ::GetWindowTextLengthW(handle_) == 0; }
    // The most characters the user can type into the edit field.
    void LimitText(int characters) const;

    int Count() const { return static_cast<int>(::SendMessageA(handle_, CB_GETCOUNT, 0, 0)); }
    std::string Item(int index) const;
    StringList Items() const;
    void Add(const std::string& text) const;
    void Insert(int index, const std::string& text) const;
    void Delete(int index) const { ::SendMessageA(handle_, CB_DELETESTRING, static_cast<WPARAM>(index), 0); }
    void Clear() const { ::SendMessageA(handle_, CB_RESETCONTENT, 0, 0); }
    // Position of the item equal to `text` without regard to case, or -1.
    int IndexOf(const std::string& text) const { return IndexOfNoCase(Items(), text); }
    int SelectedIndex() const { return static_cast<int>(::SendMessageA(handle_, CB_GETCURSEL, 0, 0)); }

private:
    HWND handle_;
};

class RichEdit {
public:
    explicit RichEdit(HWND handle = nullptr) : handle_(handle) {}
    HWND Handle() const { return handle_; }
    EditField Field() const { return EditField(handle_); }

    bool Modified() const { return ::SendMessageA(handle_, EM_GETMODIFY, 0, 0) != 0; }
    void SetModified(bool modified) const { ::SendMessageA(handle_, EM_SETMODIFY, modified ? TRUE : FALSE, 0); }
    bool ReadOnly() const { return (::GetWindowLongA(handle_, GWL_STYLE) & ES_READONLY) != 0; }
    void SetReadOnly(bool readOnly) const { ::SendMessageA(handle_, EM_SETREADONLY, readOnly ? TRUE : FALSE, 0); }
    // A read-only document must not change, so it has nothing to undo or redo.
    bool CanUndo() const { return !ReadOnly() && ::SendMessageA(handle_, EM_CANUNDO, 0, 0) != 0; }
    bool CanRedo() const { return !ReadOnly() && ::SendMessageA(handle_, EM_CANREDO, 0, 0) != 0; }
    int TextLength() const;
    // The whole text in UTF-16, paragraphs ending in a CR, so that indexes are character positions.
    std::wstring WideText() const;
    // The whole text in UTF-16 as a file holds it: lines end in CR LF.
    std::wstring FileText() const;
    // The selected text in UTF-16, as WideText delivers it.
    std::wstring SelectedWideText() const;
    void GetSelection(CHARRANGE& range) const { ::SendMessageA(handle_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range)); }
    void SetSelection(LONG start, LONG end) const;

    // Zoom as the packed ratio (denominator high word, numerator low word); 0 when never set.
    uint32_t Zoom() const;
    bool SetZoom(uint32_t packed) const;

private:
    HWND handle_;
};

class StatusBar {
public:
    explicit StatusBar(HWND handle = nullptr) : handle_(handle) {}
    HWND Handle() const { return handle_; }
    void SetText(int panel, const std::string& text) const;
    std::string Text(int panel) const;

private:
    HWND handle_;
};

}  // namespace zem
