// The output editor's OLE callback: the window's own context menu, fixed drag-and-drop
// effects, and plain text only for everything pasted or dropped.
#pragma once

#include <windows.h>
#include <richole.h>

#include <cstdint>

#include "base/owned_com.h"

namespace zem {

// The control's default answers. The main window owns the object: the reference count only
// tells whether the control still holds it.
class TZemRichEditOleCallback : public OwnedComObject<IRichEditOleCallback> {
public:
    explicit TZemRichEditOleCallback(HWND control);
    ~TZemRichEditOleCallback() override;

    // Hands the callback to the control, or takes it back; 0 or the error code.
    uint32_t RegisterCallback();
    uint32_t UnregisterCallback();
    HWND Control() const { return control_; }

    HRESULT STDMETHODCALLTYPE GetNewStorage(LPSTORAGE* storage) override;
    HRESULT STDMETHODCALLTYPE GetInPlaceContext(LPOLEINPLACEFRAME* frame, LPOLEINPLACEUIWINDOW* document,
                                                LPOLEINPLACEFRAMEINFO frameInfo) override;
    HRESULT STDMETHODCALLTYPE ShowContainerUI(BOOL show) override;
    HRESULT STDMETHODCALLTYPE QueryInsertObject(LPCLSID id, LPSTORAGE storage, LONG position) override;
    HRESULT STDMETHODCALLTYPE DeleteObject(LPOLEOBJECT object) override;
    HRESULT STDMETHODCALLTYPE QueryAcceptData(LPDATAOBJECT data, CLIPFORMAT* format, DWORD operation, BOOL really,
                                              HGLOBAL metaPicture) override;
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL enterMode) override;
    HRESULT STDMETHODCALLTYPE GetClipboardData(CHARRANGE* range, DWORD operation, LPDATAOBJECT* data) override;
    HRESULT STDMETHODCALLTYPE GetDragDropEffect(BOOL drag, DWORD keyState, LPDWORD effect) override;
    HRESULT STDMETHODCALLTYPE GetContextMenu(WORD selectionType, LPOLEOBJECT object, CHARRANGE* range,
                                             HMENU* menu) override;

protected:
    HWND control_;

private:
    uint32_t SetCallback(IRichEditOleCallback* callback);
};

// The program's answers: its context menu, copy or move by the keys held, plain text only.
class TZemTarvelixREOleCallback : public TZemRichEditOleCallback {
public:
    // `contextMenu` pops up for the control, its commands going to `menuOwner`.
    TZemTarvelixREOleCallback(HWND control, HMENU contextMenu, HWND menuOwner)
        : TZemRichEditOleCallback(control), contextMenu_(contextMenu), menuOwner_(menuOwner) {}

    HRESULT STDMETHODCALLTYPE QueryAcceptData(LPDATAOBJECT data, CLIPFORMAT* format, DWORD operation, BOOL really,
                                              HGLOBAL metaPicture) override;
    HRESULT STDMETHODCALLTYPE GetDragDropEffect(BOOL drag, DWORD keyState, LPDWORD effect) override;
    HRESULT STDMETHODCALLTYPE GetContextMenu(WORD selectionType, LPOLEOBJECT object, CHARRANGE* range,
                                             HMENU* menu) override;

private:
    HMENU contextMenu_;
    HWND menuOwner_;
};

}  // namespace zem
