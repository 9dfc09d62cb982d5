#include "ui/drop_text_target.h"

#include <shlguid.h>

#include <cstring>

#include "base/unique.h"


namespace zem {
namespace {

FORMATETC PlainTextFormat() { return FORMATETC{CF_TEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }

constexpr UINT_PTR kScrollTimerId = 0x5A;
constexpr UINT kScrollInterval = 100;
constexpr DWORD kScrollFlag = DROPEFFECT_SCROLL;
// The control's property that leads its scroll timer back to the target.
constexpr char kTargetProperty[] = "ZemDropTextTarget";

int FontHeightOf(HWND control) {
    auto font = reinterpret_cast<HGDIOBJ>(::SendMessageA(control, WM_GETFONT, 0, 0));
    if (!font) font = ::GetStockObject(SYSTEM_FONT);
    LOGFONTA description{};
    if (!::GetObjectA(font, sizeof(description), &description)) return 0;
    return description.lfHeight < 0 ? -description.lfHeight : description.lfHeight;
}

}  // namespace

ScrollStep ScrollStepFor(POINT client, const RECT& area, int margin, bool horizontal, bool vertical) {
    if (vertical && client.y < area.top + margin) return {WM_VSCROLL, SB_LINEUP};
    if (vertical && client.y >= area.bottom - margin) return {WM_VSCROLL, SB_LINEDOWN};
    if (horizontal && client.x < area.left + margin) return {WM_HSCROLL, SB_LINELEFT};
    if (horizontal && client.x >= area.right - margin) return {WM_HSCROLL, SB_LINERIGHT};
    return {};
}

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
        const LockedGlobal block(medium.hGlobal);
        if (const auto* bytes = static_cast<const char*>(block.Data())) {
            // The block may be larger than its text, or hold no terminating zero at all.
            text.assign(bytes, ::strnlen(bytes, block.Size()));
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
    StopScrolling();
    data_.Reset();
    ::RevokeDragDrop(control_);
    control_ = nullptr;
    imageHelper_.Reset();
}

HRESULT TDropTextTarget::DragEnter(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) {
    if (!effect) return E_POINTER;
    FORMATETC format = PlainTextFormat();
    const bool offersText = data && data->QueryGetData(&format) == S_OK;
    // The drag's data object is kept while the drag lasts, and only when it offers text.
    data_ = offersText ? data : nullptr;
    textFetched_ = false;
    text_.clear();
    if (offersText) {
        PrepareScrolling();
        if (GetDataOnEnter) FetchText(data);
    }
    *effect = offersText ? EffectFor(keyState, point, *effect) : DROPEFFECT_NONE;
    POINT where{point.x, point.y};
    if (imageHelper_) imageHelper_->DragEnter(control_, data, &where, *effect);
    return S_OK;
}

HRESULT TDropTextTarget::DragOver(DWORD keyState, POINTL point, DWORD* effect) {
    if (!effect) return E_POINTER;
    *effect = data_ ? EffectFor(keyState, point, *effect) : DROPEFFECT_NONE;
    FollowScrollFlag(*effect);
    POINT where{point.x, point.y};
    if (imageHelper_) imageHelper_->DragOver(&where, *effect);
    return S_OK;
}

HRESULT TDropTextTarget::DragLeave() {
    StopScrolling();
    data_.Reset();
    if (imageHelper_) imageHelper_->DragLeave();
    return S_OK;
}

HRESULT TDropTextTarget::Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) {
    if (!effect) return E_POINTER;
    StopScrolling();
    POINT where{point.x, point.y};
    *effect = EffectFor(keyState, point, *effect) & ~kScrollFlag;
    if (imageHelper_) imageHelper_->Drop(data, &where, *effect);
    const bool hasText = (textFetched_ || FetchText(data)) && !text_.empty();
    data_.Reset();
    if (!hasText) {
        *effect = DROPEFFECT_NONE;
        return S_OK;
    }
    const DWORD dropped = *effect;
    // No failure of the handler may cross back into the system's drag loop; none is shown.
    try {
        if (OnDrop) OnDrop(text_, where, dropped);
    } catch (...) {
        *effect = DROPEFFECT_NONE;
    }
    return S_OK;
}

bool TDropTextTarget::FetchText(IDataObject* data) {
    textFetched_ = FetchPlainText(data, text_);
    return textFetched_;
}

void TDropTextTarget::PrepareScrolling() {
    const LONG style = ::GetWindowLongA(control_, GWL_STYLE);
    scrollHorizontal_ = (style & WS_HSCROLL) != 0;
    scrollVertical_ = (style & WS_VSCROLL) != 0;
    scrollMargin_ = FontHeightOf(control_);
}

DWORD TDropTextTarget::EffectFor(DWORD keyState, POINTL point, DWORD requested) {
    POINT where{point.x, point.y};
    const DWORD allowed = requested & dragTypes_;
    DWORD effect =
        OnGetDropEffect ? OnGetDropEffect(keyState, where, allowed) : DropEffectFor(keyState, dragTypes_, requested);
    ::ScreenToClient(control_, &where);
    lastPoint_ = where;
    RECT area{};
    ::GetClientRect(control_, &area);
    if (ScrollStepFor(where, area, scrollMargin_, scrollHorizontal_, scrollVertical_).message) effect |= kScrollFlag;
    return effect;
}

void TDropTextTarget::FollowScrollFlag(DWORD effect) {
    const bool wanted = (effect & kScrollFlag) != 0;
    if (wanted == scrolling_) return;
    if (!wanted) {
        StopScrolling();
        return;
    }
    ::SetPropA(control_, kTargetProperty, this);
    scrolling_ = ::SetTimer(control_, kScrollTimerId, kScrollInterval, &TDropTextTarget::OnScrollTimer) != 0;
}

void TDropTextTarget::StopScrolling() {
    if (!scrolling_) return;
    ::KillTimer(control_, kScrollTimerId);
    ::RemovePropA(control_, kTargetProperty);
    scrolling_ = false;
}

// One line toward the edge the drag rests near.
void CALLBACK TDropTextTarget::OnScrollTimer(HWND control, UINT, UINT_PTR, DWORD) noexcept {
    auto* target = static_cast<TDropTextTarget*>(::GetPropA(control, kTargetProperty));
    if (!target) return;
    RECT area{};
    ::GetClientRect(control, &area);
    const ScrollStep step = ScrollStepFor(target->lastPoint_, area, target->scrollMargin_, target->scrollHorizontal_,
                                          target->scrollVertical_);
    if (step.message) ::SendMessageA(control, step.message, MAKEWPARAM(step.request, 0), 0);
}

}  // namespace zem
