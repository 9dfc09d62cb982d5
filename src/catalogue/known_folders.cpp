#include "catalogue/known_folders.h"

#include <shlobj.h>

#include <new>
#include <vector>

#include "base/status_codes.h"
#include "base/strings.h"
#include "base/system.h"
#include "base/unique.h"

namespace zem {

namespace {

constexpr uint32_t kExceptionWhileParsing = 0x8007065B;
// What the path search answers when no known folder matches.
constexpr uint32_t kNoFolderForPath = HRESULT_FROM_WIN32(ERROR_NOT_FOUND);

// A wide string from the task allocator, copied and released.
std::wstring TakeTaskString(PWSTR text) {
    UniqueCoTaskMem owner(text);
    return text != nullptr ? std::wstring(text) : std::wstring();
}

// The path made absolute with ".", ".." and "/" resolved; as given when that fails.
std::wstring FullPath(const std::wstring& path) {
    const DWORD size = ::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (size == 0) return path;
    std::wstring full(size, L'\0');
    const DWORD length = ::GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
    if (length == 0 || length >= size) return path;
    full.resize(length);
    return full;
}

bool SamePathText(const std::wstring& a, const std::wstring& b) {
    return ::CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()),
                                  TRUE) == CSTR_EQUAL;
}

// `folder` is `path` itself or one of the folders above it.
bool ContainsOrEquals(const std::wstring& folder, const std::wstring& path) {
    if (folder.empty() || folder.size() > path.size()) return false;
    if (!SamePathText(folder, path.substr(0, folder.size()))) return false;
    return folder.size() == path.size() || folder.back() == L'\\' || path[folder.size()] == L'\\';
}

// The folder's comparable path; empty for a virtual folder, whose path (where the system gives
// one anyway, as Wine does for the printers) is no file-system path.
std::wstring FileSystemPathOf(IKnownFolder& folder) {
    KF_CATEGORY category{};
    if (FAILED(folder.GetCategory(&category)) || category == KF_CATEGORY_VIRTUAL) return {};
    PWSTR path = nullptr;
    const HRESULT result = folder.GetPath(0, &path);
    UniqueCoTaskMem owner(path);
    if (FAILED(result) || path == nullptr) return {};
    return ComparablePath(path);
}

// The manager's path search done by hand, for systems whose manager does not implement it:
// an exact match, or the known folder with the longest path that contains `path`.
uint32_t FindFolderByComparingPaths(IKnownFolderManager& manager, const std::wstring& path, FFFP_MODE mode,
                                    ComPtr<IKnownFolder>& folder) {
    std::vector<GUID> ids;
    if (const uint32_t status = KnownFolderIds(manager, ids); status != 0) return status;
    const std::wstring target = ComparablePath(path);
    size_t bestLength = 0;
    for (const GUID& id : ids) {
        ComPtr<IKnownFolder> candidate;
        if (FAILED(manager.GetFolder(id, &candidate)) || !candidate) continue;
        const std::wstring folderPath = FileSystemPathOf(*candidate.Get());
        const bool matches = mode == FFFP_EXACTMATCH ? SamePathText(folderPath, target)
                                                     : ContainsOrEquals(folderPath, target);
        if (matches && folderPath.size() > bestLength) {
            bestLength = folderPath.size();
            folder = candidate;
        }
    }
    return folder ? 0 : kNoFolderForPath;
}

uint32_t FindFolderAttempt(const std::string& path, FFFP_MODE mode, ComPtr<IKnownFolder>& folder) {
    folder.Reset();
    const std::wstring widePath = MultiByteToWide(path);
    if (widePath.empty() || widePath[0] == L'\0') return ErrNoFileName;
    ComPtr<IKnownFolderManager> manager;
    if (const uint32_t status = CreateKnownFolderManager(manager); status != 0) return status;
    const HRESULT result = manager->FindFolderFromPath(widePath.c_str(), mode, &folder);
    if (result == E_NOTIMPL) return FindFolderByComparingPaths(*manager.Get(), widePath.c_str(), mode, folder);
    return static_cast<uint32_t>(result);
}

}  // namespace

std::wstring ComparablePath(const std::wstring& path) {
    std::wstring full = FullPath(path);
    while (full.size() > 3 && full.back() == L'\\') full.pop_back();
    return full;
}

bool IsGUIDString(std::string_view text) {
    GUID guid{};
    const std::wstring wide = MultiByteToWide(std::string(text));
    // A failed parse counts as no GUID even if the parser left digits behind.
    return SUCCEEDED(::CLSIDFromString(wide.c_str(), &guid)) && guid != GUID_NULL;
}

uint32_t ParseGUID(std::string_view text, GUID& guid) {
    if (text.empty()) return static_cast<uint32_t>(E_INVALIDARG);
    try {
        const std::wstring wide = MultiByteToWide(std::string(text));
        GUID parsed{};
        const HRESULT result = ::CLSIDFromString(wide.c_str(), &parsed);
        if (SUCCEEDED(result)) guid = parsed;
        return static_cast<uint32_t>(result);
    } catch (const std::exception&) {
        return kExceptionWhileParsing;
    }
}

std::string GUIDToStr(const GUID& guid) {
    wchar_t buffer[64] = {};
    if (::StringFromGUID2(guid, buffer, 64) <= 0) return {};
    return WideToMultiByte(buffer);
}

uint32_t KnownFolderPath(const GUID& folder, DWORD flags, HANDLE token, std::wstring& path) {
    using GetKnownFolderPathFn = HRESULT(WINAPI*)(REFKNOWNFOLDERID, DWORD, HANDLE, PWSTR*);
    path.clear();
    const UniqueHModule shell32 = LoadSystemLibrary("shell32.dll");
    const auto getPath = LookUp<GetKnownFolderPathFn>(shell32.Get(), "SHGetKnownFolderPath");
    if (getPath == nullptr) {
        ::SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
        return ERROR_CALL_NOT_IMPLEMENTED;
    }
    PWSTR widePath = nullptr;
    const HRESULT result = getPath(folder, flags, token, &widePath);
    std::wstring taken = TakeTaskString(widePath);
    if (result == S_OK) path = std::move(taken);
    return static_cast<uint32_t>(result);
}

uint32_t KnownFolderPath(const GUID& folder, DWORD flags, HANDLE token, std::string& path) {
    std::wstring widePath;
    const uint32_t result = KnownFolderPath(folder, flags, token, widePath);
    path = WideToMultiByte(widePath);
    return result;
}

uint32_t SpecialFolderPath(HWND owner, std::string& path, int csidl, bool create) {
    std::wstring widePath;
    const uint32_t result = SpecialFolderPath(owner, widePath, csidl, create);
    if (result == 0) path = WideToMultiByte(widePath);
    return result;
}

uint32_t SpecialFolderPath(HWND owner, std::wstring& path, int csidl, bool create) {
    try {
        std::wstring buffer(MAX_PATH, L'\0');
        if (!::SHGetSpecialFolderPathW(owner, buffer.data(), csidl, create)) return LastErrorOr(ErrSpecialFolderFailed);
        path = buffer.c_str();
        return 0;
    } catch (const std::exception&) {
        return LastErrorOr(ErrSpecialFolderException);
    }
}

uint32_t CreateKnownFolderManager(ComPtr<IKnownFolderManager>& manager) {
    const HRESULT result = ::CoCreateInstance(CLSID_KnownFolderManager, nullptr, CLSCTX_INPROC_SERVER,
                                              IID_PPV_ARGS(manager.ReleaseAndGetAddressOf()));
    if (FAILED(result)) return static_cast<uint32_t>(result);
    return manager ? 0 : static_cast<uint32_t>(E_FAIL);
}

uint32_t KnownFolderIds(IKnownFolderManager& manager, std::vector<GUID>& ids) {
    KNOWNFOLDERID* array = nullptr;
    UINT count = 0;
    const HRESULT result = manager.GetFolderIds(&array, &count);
    UniqueCoTaskMem owner(array);
    if (FAILED(result)) return static_cast<uint32_t>(result);
    if (array != nullptr) ids.assign(array, array + count);
    return 0;
}

uint32_t FindKnownFolderForPath(const std::string& path, ComPtr<IKnownFolder>& folder, bool& isParent) {
    if (path.empty()) return ErrNoFileName;
    const uint32_t exact = FindFolderAttempt(path, FFFP_EXACTMATCH, folder);
    isParent = false;
    if (exact == 0 && folder) return 0;
    const uint32_t nearest = FindFolderAttempt(path, FFFP_NEARESTPARENTMATCH, folder);
    isParent = nearest == 0 && folder;
    return nearest;
}

uint32_t GetKnownFolderIdAndPath(IKnownFolder* folder, GUID& id, std::string& path) {
    id = GUID_NULL;
    path.clear();
    if (folder == nullptr) return ErrNoKnownFolder;
    if (const HRESULT result = folder->GetId(&id); FAILED(result)) return static_cast<uint32_t>(result);
    PWSTR widePath = nullptr;
    const HRESULT result = folder->GetPath(0, &widePath);
    std::string converted = WideToMultiByte(TakeTaskString(widePath));
    if (FAILED(result)) return static_cast<uint32_t>(result);
    path = std::move(converted);
    return 0;
}

}  // namespace zem
