// TDropTextTarget: a text field that accepts plain text dragged from anywhere through OLE.
#pragma once

#include <windows.h>
#include <ole2.h>
#include <shobjidl.h>
#include <wrl/client.h>

#include <cstdint>
#include <functional>
#include <string>

#include "base/owned_com.h"

namespace zem {

// The drag types, as the platform's drop effects.
enum DragTypes : DWORD { dtCopy = DROPEFFECT_COPY, dtMove = DROPEFFECT_MOVE, dtLink = DROPEFFECT_LINK };

// The effect a drop gets: the requested effects restricted to the drag types, then by the
// keys held (Shift+Ctrl links, Shift alone moves), else copy, move or link as allowed.
DWORD DropEffectFor(DWORD keyState, DWORD dragTypes, DWORD requested);

// The edge a drag point is near, within `margin` pixels of the client area `client`, for the
// directions the control scrolls in; the scroll bar message and request that moves toward it,
// or a zero message where no scrolling applies.
struct ScrollStep {
    UINT message = 0;  // WM_HSCROLL or WM_VSCROLL
    WORD request = 0;  // SB_LINEUP, SB_LINEDOWN, SB_LINELEFT or SB_LINERIGHT
};
ScrollStep ScrollStepFor(POINT client, const RECT& area, int margin, bool horizontal, bool vertical);

// The plain text a data object offers; empty when it offers none.
bool FetchPlainText(IDataObject* data, std::string& text);

class TDropTextTarget : public OwnedComObject<IDropTarget> {
public:
    // The text dropped, the point in screen coordinates and the effect it gets.
    using DropEvent = std::function<void(const std::string& text, POINT point, DWORD effect)>;
    // Decides the effect in place of the key rules: the keys, the point (screen) and the
    // requested effects within the drag types.
    using EffectEvent = std::function<DWORD(DWORD keyState, POINT point, DWORD allowed)>;

    explicit TDropTextTarget(DWORD dragTypes = dtCopy) : OwnedComObject(IID_IDropTarget), dragTypes_(dragTypes) {}
    ~TDropTextTarget() override;

    // Registers `control`'s window as the drop target (another one is unregistered first);
    // 0 or the system's code.
    uint32_t RegisterTarget(HWND control);
    void UnregisterTarget();
    HWND Control() const { return control_; }

    DropEvent OnDrop;
    EffectEvent OnGetDropEffect;
    bool ShowImage = true;
    // Fetches the text when the drag enters rather than when it is dropped.
    bool GetDataOnEnter = false;
    // While the drag rests near an edge of a control with scroll bars, it scrolls every 100 ms.
    bool Scrolling() const { return scrolling_; }

    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keyState, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override;

private:
    static void CALLBACK OnScrollTimer(HWND control, UINT, UINT_PTR, DWORD) noexcept;
    void PrepareScrolling();
    // The effect for the keys and the point, with the scroll flag near a scrolling edge.
    DWORD EffectFor(DWORD keyState, POINTL point, DWORD requested);
    void FollowScrollFlag(DWORD effect);
    void StopScrolling();
    bool FetchText(IDataObject* data);

    DWORD dragTypes_;
    HWND control_ = nullptr;
    // The data object of the drag over the control; null when it offers no text.
    Microsoft::WRL::ComPtr<IDataObject> data_;
    std::string text_;
    bool textFetched_ = false;
    POINT lastPoint_{};
    int scrollMargin_ = 0;
    bool scrollHorizontal_ = false;
    bool scrollVertical_ = false;
    bool scrolling_ = false;
    Microsoft::WRL::ComPtr<IDropTargetHelper> imageHelper_;
};

}  // namespace zem
