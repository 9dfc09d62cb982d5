// Special-folder identities and paths: GUID text, the known-folder manager, and the
// path calls for known folders (Vista and later) and CSIDL numbers.
#pragma once

#include <windows.h>
#include <shlobj.h>
#include <shobjidl.h>
#include <wrl/client.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zem {

using Microsoft::WRL::ComPtr;

// Known-folder GetPath flags: the default path, not relative to a redirected parent.
inline constexpr DWORD kKnownFolderDefaultPathFlags =
    static_cast<DWORD>(KF_FLAG_DEFAULT_PATH) | static_cast<DWORD>(KF_FLAG_NOT_PARENT_RELATIVE);

// A path as folder searches compare it: full (as given when that fails), without trailing
// backslashes except a drive root's.
std::wstring ComparablePath(const std::wstring& path);

// The text parses (as a braced GUID or a registered ProgID) to a GUID that is not all zeros.
bool IsGUIDString(std::string_view text);
// The system's class-identifier parser's status; `guid` is written on success.
uint32_t ParseGUID(std::string_view text, GUID& guid);
// Registry form: {8-4-4-4-12} in upper-case hex; empty on failure.
std::string GUIDToStr(const GUID& guid);

// The path of a known folder through Shell32's SHGetKnownFolderPath, looked up at each call;
// 120 where the system has no such function.
uint32_t KnownFolderPath(const GUID& folder, DWORD flags, HANDLE token, std::string& path);
uint32_t KnownFolderPath(const GUID& folder, DWORD flags, HANDLE token, std::wstring& path);
// The path of a CSIDL folder through SHGetSpecialFolderPathA.
uint32_t SpecialFolderPath(HWND owner, std::string& path, int csidl, bool create);
uint32_t SpecialFolderPath(HWND owner, std::wstring& path, int csidl, bool create);

// Creates the system's known-folder manager; a creation without an object is 0x80004005.
uint32_t CreateKnownFolderManager(ComPtr<IKnownFolderManager>& manager);

// Every folder GUID the manager knows, in the manager's order.
uint32_t KnownFolderIds(IKnownFolderManager& manager, std::vector<GUID>& ids);

// The known folder whose path is `path`, or else the nearest one containing it (isParent true).
// Where the manager cannot search by path, its folders are compared with the path instead.
uint32_t FindKnownFolderForPath(const std::string& path, ComPtr<IKnownFolder>& folder, bool& isParent);
// The folder's GUID and current path; the status of the first call that failed, or 0.
uint32_t GetKnownFolderIdAndPath(IKnownFolder* folder, GUID& id, std::string& path);

}  // namespace zem
