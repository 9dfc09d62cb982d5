// TZemRichEdit: a rich-text view for the dialogs that reports mouse actions on its links with
// the link's text, and never lets a failure out of its painting.
#pragma once

#include <windows.h>
#include <richedit.h>

#include <functional>
#include <string>

namespace zem {

class TZemRichEdit {
public:
    using LinkEvent = std::function<void(TZemRichEdit& sender, const std::string& linkText)>;

    TZemRichEdit() = default;
    ~TZemRichEdit();
    TZemRichEdit(const TZemRichEdit&) = delete;
    TZemRichEdit& operator=(const TZemRichEdit&) = delete;

    // Creates the control as a child of `parent` on the newer rich-edit library (the older one
    // when the newer cannot be loaded); false when no control can be made.
    bool Create(HWND parent, int id, DWORD style, DWORD exStyle, const RECT& bounds);
    HWND Handle() const { return handle_; }

    // Replaces the selection with `text` and a line break; the line the text went to.
    int AppendLineGetIndex(const std::string& text);
    void SetAutoUrlDetect(bool on);
    void SetLinkNotifications(bool on);
    // The text between two character positions; empty when `end` is not after `start`.
    std::string GetLinkText(LONG start, LONG end) const;

    // The parent's WM_NOTIFY and WM_COMMAND from the control; true when answered here
    // (the result is then 0, so that the control carries out its default action).
    bool HandleNotify(const NMHDR& header);
    bool HandleCommand(WORD code) const { return code == EN_UPDATE; }

    LinkEvent OnLinkSetCursor, OnLinkMouseMove, OnLinkLeftBtnDown, OnLinkLeftBtnUp, OnLinkLeftBtnDoubleClick,
        OnLinkRightBtnDown, OnLinkRightBtnUp, OnLinkRightBtnDoubleClick;

    // The window class of the library in use: "RichEdit20A", or the older one's.
    static const char* ClassName();

private:
    static LRESULT CALLBACK PaintGuard(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                       DWORD_PTR data);
    const LinkEvent* EventFor(UINT mouseMessage) const;

    HWND handle_ = nullptr;
};

}  // namespace zem
