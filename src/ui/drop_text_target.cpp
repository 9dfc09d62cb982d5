#include "ui/drop_text_target.h"

#include <shlguid.h>

#include <cstring>


namespace zem {
namespace {

FORMATETC PlainTextFormat() { return FORMATETC{CF_TEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }

}  // namespace

DWORD DropEffectFor(DWORD keyState, DWORD dragTypes, DWORD requested) {
    const DWORD allowed = requested & dragTypes;
    const bool shift = (keyState & MK_SHIFT) != 0;
    const bool control = (keyState & MK_CONTROL) != 0;
    if (shift && control && (allowed & DROPEFFECT_LINK)) return DROPEFFECT_LINK;
    if (shift && !control && (allowed & DROPEFFECT_MOVE)) return DROPEFFECT_MOVE;
    for (DWORD effect : {DROPEFFECT_COPY, DROPEFFECT_MOVE, DROPEFFECT_LINK}) {
        if (allowed & effect) return effect;
    }
    return DROPEFFECT_NONE;
}

bool FetchPlainText(IDataObject* data, std::string& text) {
    FORMATETC format = PlainTextFormat();
    STGMEDIUM medium{};
    if (!data || FAILED(data->GetData(&format, &medium))) return false;
    bool found = false;
    if (medium.tymed == TYMED_HGLOBAL) {
        if (const auto* bytes = static_cast<const char*>(::GlobalLock(medium.hGlobal))) {
            // The block may be larger than its text, or hold no terminating zero at all.
            const size_t size = ::GlobalSize(medium.hGlobal);
            text.assign(bytes, ::strnlen(bytes, size));
            ::GlobalUnlock(medium.hGlobal);
            found = true;
        }
    }
    ::ReleaseStgMedium(&medium);
    return found;
}

TDropTextTarget::~TDropTextTarget() { UnregisterTarget(); }

uint32_t TDropTextTarget::RegisterTarget(HWND control) {
    UnregisterTarget();
    const HRESULT result = ::RegisterDragDrop(control, this);
    if (FAILED(result)) return static_cast<uint32_t>(result);
    control_ = control;
    if (ShowImage) {
        ::CoCreateInstance(CLSID_DragDropHelper, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&imageHelper_));
    }
    return 0;
}

void TDropTextTarget::UnregisterTarget() {
    if (!control_) return;
    ::RevokeDragDrop(control_);
    control_ = nullptr;
    imageHelper_.Reset();
}

HRESULT TDropTextTarget::DragEnter(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) {
    if (!effect) return E_POINTER;
    FORMATETC format = PlainTextFormat();
    offersText_ = data && data->QueryGetData(&format) == S_OK;
    *effect = offersText_ ? DropEffectFor(keyState, dragTypes_, *effect) : DROPEFFECT_NONE;
    POINT where{point.x, point.y};
    if (imageHelper_) imageHelper_->DragEnter(control_, data, &where, *effect);
    return S_OK;
}

HRESULT TDropTextTarget::DragOver(DWORD keyState, POINTL point, DWORD* effect) {
    if (!effect) return E_POINTER;
    *effect = offersText_ ? DropEffectFor(keyState, dragTypes_, *effect) : DROPEFFECT_NONE;
    POINT where{point.x, point.y};
    if (imageHelper_) imageHelper_->DragOver(&where, *effect);
    return S_OK;
}

HRESULT TDropTextTarget::DragLeave() {
    offersText_ = false;
    if (imageHelper_) imageHelper_->DragLeave();
    return S_OK;
}

HRESULT TDropTextTarget::Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) {
    if (!effect) return E_POINTER;
    POINT where{point.x, point.y};
    *effect = DropEffectFor(keyState, dragTypes_, *effect);
    if (imageHelper_) imageHelper_->Drop(data, &where, *effect);
    std::string text;
    if (!FetchPlainText(data, text) || text.empty()) {
        *effect = DROPEFFECT_NONE;
        return S_OK;
    }
    const DWORD dropped = *effect;
    // No failure of the handler may cross back into the system's drag loop; none is shown.
    try {
        if (OnDrop) OnDrop(text, where, dropped);
    } catch (...) {
        *effect = DROPEFFECT_NONE;
    }
    return S_OK;
}

}  // namespace zem
