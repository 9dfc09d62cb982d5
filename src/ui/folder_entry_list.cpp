#include "ui/folder_entry_list.h"

#include <shlguid.h>
#include <shlobj.h>

#include <algorithm>
#include <cstring>
#include <mutex>
#include <new>
#include <utility>

#include "base/unique.h"

namespace zem {
namespace {

bool IsDotEntry(const wchar_t* name) { return std::wcscmp(name, L".") == 0 || std::wcscmp(name, L"..") == 0; }

bool IsFolder(const WIN32_FIND_DATAW& entry) { return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }

// Runs a COM method's body: no exception leaves the object.
template <class Body>
HRESULT Guarded(Body body) noexcept {
    try {
        return body();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_UNEXPECTED;
    }
}

// A copy in task memory, as IEnumString hands out its strings; null when out of memory.
LPOLESTR TaskMemCopy(const std::wstring& text) {
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    auto* copy = static_cast<LPOLESTR>(::CoTaskMemAlloc(bytes));
    if (copy) std::memcpy(copy, text.c_str(), bytes);
    return copy;
}

class FolderEntryList final : public IEnumString, public IACList2 {
public:
    FolderEntryList() = default;
    FolderEntryList(std::vector<std::wstring> entries, size_t next, DWORD options)
        : entries_(std::move(entries)), next_(next), options_(options) {}
    FolderEntryList(const FolderEntryList&) = delete;
    FolderEntryList& operator=(const FolderEntryList&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(::InterlockedIncrement(&references_)); }
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE Next(ULONG count, LPOLESTR* strings, ULONG* fetched) override;
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override;
    HRESULT STDMETHODCALLTYPE Reset() override;
    HRESULT STDMETHODCALLTYPE Clone(IEnumString** copy) override;

    HRESULT STDMETHODCALLTYPE Expand(PCWSTR typed) override;
    HRESULT STDMETHODCALLTYPE SetOptions(DWORD options) override;
    HRESULT STDMETHODCALLTYPE GetOptions(DWORD* options) override;

private:
    ~FolderEntryList() = default;
    HRESULT NextLocked(ULONG count, LPOLESTR* strings, ULONG& given);

    LONG references_ = 1;
    // The auto-complete may read the list from a thread of its own.
    std::mutex lock_;
    std::vector<std::wstring> entries_;
    size_t next_ = 0;
    DWORD options_ = ACLO_NONE;
};

HRESULT FolderEntryList::QueryInterface(REFIID id, void** object) {
    if (!object) return E_POINTER;
    if (::IsEqualIID(id, IID_IUnknown) || ::IsEqualIID(id, IID_IEnumString)) {
        *object = static_cast<IEnumString*>(this);
    } else if (::IsEqualIID(id, IID_IACList) || ::IsEqualIID(id, IID_IACList2)) {
        *object = static_cast<IACList2*>(this);
    } else {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

ULONG FolderEntryList::Release() {
    const LONG left = ::InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
}

HRESULT FolderEntryList::Next(ULONG count, LPOLESTR* strings, ULONG* fetched) {
    if (fetched) *fetched = 0;
    if (!strings) return E_POINTER;
    // Without a count to fill in, only one string may be asked for.
    if (!fetched && count != 1) return E_INVALIDARG;
    return Guarded([&] {
        ULONG given = 0;
        const HRESULT result = NextLocked(count, strings, given);
        if (fetched) *fetched = given;
        return result;
    });
}

HRESULT FolderEntryList::NextLocked(ULONG count, LPOLESTR* strings, ULONG& given) {
    const std::lock_guard<std::mutex> guard(lock_);
    for (; given < count && next_ < entries_.size(); ++given, ++next_) {
        strings[given] = TaskMemCopy(entries_[next_]);
        if (strings[given]) continue;
        // All or nothing: the strings handed out so far are taken back.
        for (ULONG i = 0; i < given; ++i) ::CoTaskMemFree(std::exchange(strings[i], nullptr));
        next_ -= given;
        given = 0;
        return E_OUTOFMEMORY;
    }
    return given == count ? S_OK : S_FALSE;
}

HRESULT FolderEntryList::Skip(ULONG count) {
    return Guarded([&] {
        const std::lock_guard<std::mutex> guard(lock_);
        const size_t skipped = std::min<size_t>(count, entries_.size() - next_);
        next_ += skipped;
        return skipped == count ? S_OK : S_FALSE;
    });
}

HRESULT FolderEntryList::Reset() {
    return Guarded([&] {
        const std::lock_guard<std::mutex> guard(lock_);
        next_ = 0;
        return S_OK;
    });
}

HRESULT FolderEntryList::Clone(IEnumString** copy) {
    if (!copy) return E_POINTER;
    *copy = nullptr;
    return Guarded([&] {
        const std::lock_guard<std::mutex> guard(lock_);
        *copy = new FolderEntryList(entries_, next_, options_);
        return S_OK;
    });
}

// The folder is read outside the lock: a slow folder does not hold up a reader of the old list.
HRESULT FolderEntryList::Expand(PCWSTR typed) {
    if (!typed) return E_POINTER;
    return Guarded([&] {
        DWORD options = ACLO_NONE;
        GetOptions(&options);
        std::vector<std::wstring> entries = TypedFolderEntries(typed, (options & ACLO_FILESYSDIRS) != 0);
        const std::lock_guard<std::mutex> guard(lock_);
        entries_ = std::move(entries);
        next_ = 0;
        return S_OK;
    });
}

HRESULT FolderEntryList::SetOptions(DWORD options) {
    return Guarded([&] {
        const std::lock_guard<std::mutex> guard(lock_);
        options_ = options;
        return S_OK;
    });
}

HRESULT FolderEntryList::GetOptions(DWORD* options) {
    if (!options) return E_POINTER;
    return Guarded([&] {
        const std::lock_guard<std::mutex> guard(lock_);
        *options = options_;
        return S_OK;
    });
}

}  // namespace

std::vector<std::wstring> TypedFolderEntries(const std::wstring& typed, bool foldersOnly) {
    const size_t lastBackslash = typed.rfind(L'\\');
    if (lastBackslash == std::wstring::npos) return {};
    const std::wstring folder = typed.substr(0, lastBackslash + 1);
    const size_t start = folder.front() == L'"' ? 1 : 0;
    WIN32_FIND_DATAW entry{};
    const UniqueFindHandle find(::FindFirstFileW((folder.substr(start) + L'*').c_str(), &entry));
    std::vector<std::wstring> entries;
    if (!find) return entries;
    do {
        if (IsDotEntry(entry.cFileName) || (foldersOnly && !IsFolder(entry))) continue;
        entries.push_back(folder + entry.cFileName);
    } while (::FindNextFileW(find.Get(), &entry));
    std::sort(entries.begin(), entries.end(),
              [](const std::wstring& a, const std::wstring& b) { return ::lstrcmpiW(a.c_str(), b.c_str()) < 0; });
    return entries;
}

HRESULT CreateFolderEntryList(REFIID id, void** object) noexcept {
    if (!object) return E_POINTER;
    *object = nullptr;
    return Guarded([&] {
        auto* list = new FolderEntryList();
        const HRESULT result = list->QueryInterface(id, object);
        list->Release();  // the interface handed out holds it now, or nothing does
        return result;
    });
}

}  // namespace zem
