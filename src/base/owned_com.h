// A COM object that its owner keeps alive: the reference count only tells whether the system
// still holds it, and the last Release frees nothing.
#pragma once

#include <windows.h>
#include <objbase.h>

namespace zem {

template <class Interface>
class OwnedComObject : public Interface {
public:
    explicit OwnedComObject(const IID& id) : id_(id) {}
    virtual ~OwnedComObject() = default;
    OwnedComObject(const OwnedComObject&) = delete;
    OwnedComObject& operator=(const OwnedComObject&) = delete;

    LONG ReferenceCount() const { return references_; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (!object) return E_POINTER;
        if (::IsEqualIID(id, IID_IUnknown) || ::IsEqualIID(id, id_)) {
            *object = static_cast<Interface*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(::InterlockedIncrement(&references_)); }
    ULONG STDMETHODCALLTYPE Release() override { return static_cast<ULONG>(::InterlockedDecrement(&references_)); }

private:
    IID id_;
    LONG references_ = 0;
};

}  // namespace zem
