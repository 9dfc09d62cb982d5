#include "editor/ole_callback.h"

#include <richedit.h>

#include "base/status_codes.h"

namespace zem {
namespace {

// {00020D03-0000-0000-C000-000000000046}
constexpr IID kIID_IRichEditOleCallback = {0x00020D03, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

}  // namespace

TZemRichEditOleCallback::TZemRichEditOleCallback(HWND control)
    : OwnedComObject(kIID_IRichEditOleCallback), control_(control) {}

TZemRichEditOleCallback::~TZemRichEditOleCallback() {
    if (ReferenceCount() > 0) UnregisterCallback();
}

uint32_t TZemRichEditOleCallback::SetCallback(IRichEditOleCallback* callback) {
    if (!control_) return ErrNoControl;
    ::SetLastError(0);
    if (::SendMessageA(control_, EM_SETOLECALLBACK, 0, reinterpret_cast<LPARAM>(callback))) return 0;
    return LastErrorOr(ErrSpecialFolderFailed);
}

uint32_t TZemRichEditOleCallback::RegisterCallback() { return SetCallback(this); }

uint32_t TZemRichEditOleCallback::UnregisterCallback() { return SetCallback(nullptr); }

HRESULT TZemRichEditOleCallback::GetNewStorage(LPSTORAGE* storage) {
    if (storage) *storage = nullptr;
    return S_OK;
}

HRESULT TZemRichEditOleCallback::GetInPlaceContext(LPOLEINPLACEFRAME* frame, LPOLEINPLACEUIWINDOW* document,
                                                   LPOLEINPLACEFRAMEINFO) {
    if (frame) *frame = nullptr;
    if (document) *document = nullptr;
    return E_NOTIMPL;
}

HRESULT TZemRichEditOleCallback::ShowContainerUI(BOOL) { return S_OK; }

HRESULT TZemRichEditOleCallback::QueryInsertObject(LPCLSID, LPSTORAGE, LONG) { return S_OK; }

HRESULT TZemRichEditOleCallback::DeleteObject(LPOLEOBJECT) { return S_OK; }

HRESULT TZemRichEditOleCallback::QueryAcceptData(LPDATAOBJECT, CLIPFORMAT*, DWORD, BOOL, HGLOBAL) { return S_OK; }

HRESULT TZemRichEditOleCallback::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }

HRESULT TZemRichEditOleCallback::GetClipboardData(CHARRANGE*, DWORD, LPDATAOBJECT* data) {
    if (data) *data = nullptr;  // the control then uses its own
    return E_NOTIMPL;
}

HRESULT TZemRichEditOleCallback::GetDragDropEffect(BOOL, DWORD, LPDWORD) { return S_OK; }

HRESULT TZemRichEditOleCallback::GetContextMenu(WORD, LPOLEOBJECT, CHARRANGE*, HMENU*) { return E_NOTIMPL; }

HRESULT TZemTarvelixREOleCallback::QueryAcceptData(LPDATAOBJECT, CLIPFORMAT* format, DWORD, BOOL really, HGLOBAL) {
    if (!format) return E_POINTER;
    if (really) {
        *format = CF_TEXT;  // whatever was offered comes in as plain text
        return S_OK;
    }
    return (*format & 1) ? S_OK : S_FALSE;
}

HRESULT TZemTarvelixREOleCallback::GetDragDropEffect(BOOL drag, DWORD keyState, LPDWORD effect) {
    if (!effect) return E_POINTER;
    if (drag) {
        *effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    } else {
        *effect = keyState == 0 || keyState == MK_LBUTTON ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
    }
    return S_OK;
}

HRESULT TZemTarvelixREOleCallback::GetContextMenu(WORD, LPOLEOBJECT, CHARRANGE*, HMENU* menu) {
    if (menu) *menu = nullptr;  // the control shows nothing of its own
    POINT cursor{};
    ::GetCursorPos(&cursor);
    ::TrackPopupMenu(contextMenu_, TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, menuOwner_, nullptr);
    return S_OK;
}

}  // namespace zem
