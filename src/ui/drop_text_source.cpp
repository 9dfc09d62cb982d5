#include "ui/drop_text_source.h"

#include <shlobj.h>

#include <cstring>
#include <vector>

#include "base/unique.h"

namespace zem {
namespace {

constexpr char kScrapFileName[] = "Text Scrap File.txt";

CLIPFORMAT FileContentsFormat() { return static_cast<CLIPFORMAT>(::RegisterClipboardFormatA("FileContents")); }
CLIPFORMAT FileGroupFormat() { return static_cast<CLIPFORMAT>(::RegisterClipboardFormatA("FileGroupDescriptor")); }

// Shareable, zero-filled, movable memory holding `size` bytes copied from `bytes`.
HGLOBAL GlobalCopy(const void* bytes, size_t size) {
    UniqueHGlobal memory(::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_SHARE, size));
    if (!memory) return nullptr;
    {
        const LockedGlobal block(memory.Get());
        if (block.Data() == nullptr) return nullptr;
        std::memcpy(block.Data(), bytes, size);
    }
    return memory.Release();
}

class TextDataObject : public IDataObject {
public:
    explicit TextDataObject(std::string text) : text_(std::move(text)) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (!object) return E_POINTER;
        if (::IsEqualIID(id, IID_IUnknown) || ::IsEqualIID(id, IID_IDataObject)) {
            *object = static_cast<IDataObject*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(::InterlockedIncrement(&references_)); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = ::InterlockedDecrement(&references_);
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }

    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
        if (!format || !medium) return E_POINTER;
        const HRESULT offered = QueryGetData(format);
        if (offered != S_OK) return offered;
        HGLOBAL memory = format->cfFormat == FileGroupFormat() ? GroupDescriptor()
                                                               : GlobalCopy(text_.c_str(), text_.size() + 1);
        if (!memory) return E_OUTOFMEMORY;
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = memory;
        medium->pUnkForRelease = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
        if (!format) return E_POINTER;
        const bool known = format->cfFormat == CF_TEXT || format->cfFormat == FileContentsFormat() ||
                           format->cfFormat == FileGroupFormat();
        if (!known || format->dwAspect != DVASPECT_CONTENT || !(format->tymed & TYMED_HGLOBAL)) return DV_E_FORMATETC;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
        if (out) out->ptd = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) override {
        if (!formats) return E_POINTER;
        *formats = nullptr;
        if (direction != DATADIR_GET) return E_NOTIMPL;
        FORMATETC offered[] = {{CF_TEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL},
                               {FileGroupFormat(), nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL},
                               {FileContentsFormat(), nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}};
        return ::SHCreateStdEnumFmtEtc(3, offered, formats);
    }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

private:
    virtual ~TextDataObject() = default;

    // One file, "Text Scrap File.txt", so that a drop on a shell folder makes a text file.
    HGLOBAL GroupDescriptor() const {
        FILEGROUPDESCRIPTORA group{};
        group.cItems = 1;
        group.fgd[0].dwFlags = FD_LINKUI;  // 0x8000
        std::strcpy(group.fgd[0].cFileName, kScrapFileName);
        return GlobalCopy(&group, sizeof(group));
    }

    std::string text_;
    LONG references_ = 1;
};

}  // namespace

IDataObject* CreateTextDataObject(const std::string& text) {
    try {
        return new TextDataObject(text);
    } catch (...) {
        return nullptr;
    }
}

void RegisterDragFormats() {
    static const bool registered = [] {
        for (const char* name : {"FileContents", "FileGroupDescriptor", "Shell IDList Array", "Preferred DropEffect",
                                 "UniformResourceLocator", "FileNameMap", "FileNameMapW", "Performed DropEffect",
                                 "TargetCLSID", "Paste Succeeded", "Logical Performed DropEffect", "DropDescription"}) {
            ::RegisterClipboardFormatA(name);
        }
        return true;
    }();
    (void)registered;
}

DropResult DropResultFor(HRESULT answer, DWORD effect, DWORD allowed) {
    if (answer == E_OUTOFMEMORY) return DropResult::OutOfMemory;
    if (answer == DRAGDROP_S_CANCEL) return DropResult::Cancelled;
    if (answer != DRAGDROP_S_DROP) return DropResult::Failed;
    const DWORD chosen = effect & allowed;
    if (chosen & DROPEFFECT_COPY) return DropResult::Copied;
    if (chosen & DROPEFFECT_MOVE) return DropResult::Moved;
    if (chosen & DROPEFFECT_LINK) return DropResult::Linked;
    return DropResult::Cancelled;
}

DropResult TDropTextSource::Execute() {
    IDataObject* data = CreateTextDataObject(Text);
    if (!data) return DropResult::OutOfMemory;
    DWORD effect = DROPEFFECT_NONE;
    const HRESULT answer = ::DoDragDrop(data, this, dragTypes_, &effect);
    data->Release();
    return DropResultFor(answer, effect, dragTypes_);
}

HRESULT TDropTextSource::QueryContinueDrag(BOOL escapePressed, DWORD keyState) {
    if (escapePressed) return DRAGDROP_S_CANCEL;
    if (keyState & MK_LBUTTON) return S_OK;
    bool drop = true;
    try {
        if (OnDrop) drop = OnDrop();
    } catch (...) {
        drop = false;
    }
    return drop ? DRAGDROP_S_DROP : DRAGDROP_S_CANCEL;
}

HRESULT TDropTextSource::GiveFeedback(DWORD) { return DRAGDROP_S_USEDEFAULTCURSORS; }

}  // namespace zem
