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

// The plain text a data object offers; empty when it offers none.
bool FetchPlainText(IDataObject* data, std::string& text);

class TDropTextTarget : public OwnedComObject<IDropTarget> {
public:
    // The text dropped, the point in screen coordinates and the effect it gets.
    using DropEvent = std::function<void(const std::string& text, POINT point, DWORD effect)>;

    explicit TDropTextTarget(DWORD dragTypes = dtCopy) : OwnedComObject(IID_IDropTarget), dragTypes_(dragTypes) {}
    ~TDropTextTarget() override;

    // Registers `control`'s window as the drop target (another one is unregistered first);
    // 0 or the system's code.
    uint32_t RegisterTarget(HWND control);
    void UnregisterTarget();
    HWND Control() const { return control_; }

    DropEvent OnDrop;
    bool ShowImage = true;

    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keyState, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override;

private:
    DWORD dragTypes_;
    HWND control_ = nullptr;
    bool offersText_ = false;
    Microsoft::WRL::ComPtr<IDropTargetHelper> imageHelper_;
};

}  // namespace zem
