// Move-only ownership of system handles and memory: one template, one traits struct per kind.
#pragma once

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <utility>

namespace zem {

template <class Traits>
class Unique {
public:
    using Type = typename Traits::Type;

    Unique() noexcept = default;
    explicit Unique(Type value) noexcept : value_(value) {}
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;
    Unique(Unique&& other) noexcept : value_(other.Release()) {}
    Unique& operator=(Unique&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }
    ~Unique() { Reset(); }

    Type Get() const noexcept { return value_; }
    bool Valid() const noexcept { return value_ != Traits::Invalid(); }
    explicit operator bool() const noexcept { return Valid(); }

    // For out-parameters of system calls: releases what is held first.
    Type* Put() noexcept {
        Reset();
        return &value_;
    }
    Type Release() noexcept { return std::exchange(value_, Traits::Invalid()); }
    void Reset(Type value = Traits::Invalid()) noexcept {
        Type old = std::exchange(value_, value);
        if (old != Traits::Invalid()) Traits::Close(old);
    }

private:
    Type value_ = Traits::Invalid();
};

template <class T, T InvalidValue, auto CloseFn>
struct HandleTraits {
    using Type = T;
    static constexpr Type Invalid() noexcept { return InvalidValue; }
    static void Close(Type value) noexcept { CloseFn(value); }
};

struct FileHandleTraits {
    using Type = HANDLE;
    static Type Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(Type value) noexcept { ::CloseHandle(value); }
};

struct FindHandleTraits {
    using Type = HANDLE;
    static Type Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(Type value) noexcept { ::FindClose(value); }
};

struct GdiObjectTraits {
    using Type = HGDIOBJ;
    static constexpr Type Invalid() noexcept { return nullptr; }
    static void Close(Type value) noexcept { ::DeleteObject(value); }
};

inline void CloseHKey(HKEY key) noexcept { ::RegCloseKey(key); }
inline void CloseHandleValue(HANDLE handle) noexcept { ::CloseHandle(handle); }
inline void ReleaseModule(HMODULE module) noexcept { ::FreeLibrary(module); }
inline void ReleaseTaskMem(void* memory) noexcept { ::CoTaskMemFree(memory); }
inline void ReleasePidl(PIDLIST_ABSOLUTE pidl) noexcept { ::CoTaskMemFree(pidl); }
inline void ReleaseMenu(HMENU menu) noexcept { ::DestroyMenu(menu); }
inline void ReleaseAccel(HACCEL accel) noexcept { ::DestroyAcceleratorTable(accel); }
inline void ReleaseIcon(HICON icon) noexcept { ::DestroyIcon(icon); }
inline void ReleaseGlobal(HGLOBAL memory) noexcept { ::GlobalFree(memory); }
inline void ReleaseDC(HDC dc) noexcept { ::DeleteDC(dc); }

using UniqueHKey = Unique<HandleTraits<HKEY, nullptr, CloseHKey>>;
using UniqueHandle = Unique<HandleTraits<HANDLE, nullptr, CloseHandleValue>>;
using UniqueFileHandle = Unique<FileHandleTraits>;
using UniqueFindHandle = Unique<FindHandleTraits>;
using UniqueHModule = Unique<HandleTraits<HMODULE, nullptr, ReleaseModule>>;
using UniqueCoTaskMem = Unique<HandleTraits<void*, nullptr, ReleaseTaskMem>>;
using UniquePidl = Unique<HandleTraits<PIDLIST_ABSOLUTE, nullptr, ReleasePidl>>;
using UniqueHMenu = Unique<HandleTraits<HMENU, nullptr, ReleaseMenu>>;
using UniqueHAccel = Unique<HandleTraits<HACCEL, nullptr, ReleaseAccel>>;
using UniqueHIcon = Unique<HandleTraits<HICON, nullptr, ReleaseIcon>>;
using UniqueGdiObject = Unique<GdiObjectTraits>;
using UniqueHGlobal = Unique<HandleTraits<HGLOBAL, nullptr, ReleaseGlobal>>;
using UniqueHdc = Unique<HandleTraits<HDC, nullptr, ReleaseDC>>;

// A global memory block, locked while this lives; no data when it cannot be locked.
class LockedGlobal {
public:
    explicit LockedGlobal(HGLOBAL memory) : memory_(memory), data_(::GlobalLock(memory)) {}
    ~LockedGlobal() {
        if (data_ != nullptr) ::GlobalUnlock(memory_);
    }
    LockedGlobal(const LockedGlobal&) = delete;
    LockedGlobal& operator=(const LockedGlobal&) = delete;
    void* Data() const { return data_; }
    SIZE_T Size() const { return data_ != nullptr ? ::GlobalSize(memory_) : 0; }

private:
    HGLOBAL memory_;
    void* data_;
};

}  // namespace zem
