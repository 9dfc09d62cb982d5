// A bare top-level window with one plain-text rich-edit control of the same size, style, font and
// event mask as the program's editor: what any program must pay to show a text, nothing else.
#pragma once

#include <windows.h>

#include <string>

#include "base/unique.h"

namespace zem::bench {

inline constexpr char kBareWindowClass[] = "ZemBareEditor";

// What another process may ask of the bare editor with WM_COPYDATA (dwData), the data being a
// zero-terminated path or text. The answer is the message's result; -1 when the request failed.
enum BareRequest : ULONG_PTR {
    kBareLoad = 1,      // a fresh editor, the file streamed in; the characters shown
    kBareSaveAnsi,      // the text written to the file; the bytes written
    kBareSaveUnicode,   // the same in UTF-16 with its mark
    kBareCountMatches,  // the case-folded matches of a text, fetched once and counted in memory
};

// The whole text of a rich-edit control fetched once and written with one WriteFile: ANSI, or
// UTF-16 with its mark; the bytes written, -1 on failure.
LRESULT FetchAndWrite(HWND editor, const std::string& path, bool unicode);
// The whole text of a rich-edit control fetched once and its case-folded matches of `needle`
// (an ASCII text) counted in memory.
size_t FetchAndCount(HWND editor, const std::string& needle);

class BareEditorWindow {
public:
    // `quitOnDestroy`: the window ends its thread's message loop when it is closed.
    explicit BareEditorWindow(bool quitOnDestroy);
    ~BareEditorWindow();
    BareEditorWindow(const BareEditorWindow&) = delete;
    BareEditorWindow& operator=(const BareEditorWindow&) = delete;

    HWND Handle() const { return window_; }
    HWND Editor() const { return editor_; }
    // Replaces the editor with a new, empty one.
    void RenewEditor();
    // Streams a file into the editor; UTF-16 when it starts with the FF FE mark. False on failure.
    bool StreamIn(const std::string& path) const;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnRequest(const COPYDATASTRUCT& request);
    HWND CreateEditor() const;

    bool quitOnDestroy_;
    UniqueHModule richEdit_;
    UniqueGdiObject font_;
    HWND window_ = nullptr;
    HWND editor_ = nullptr;
};

}  // namespace zem::bench
