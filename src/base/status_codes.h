// The program's own status codes. 0 is success; system error numbers and COM results pass
// through unchanged; the program's codes carry the high word 0xE000.
#pragma once

#include <windows.h>

#include <cstdint>

namespace zem {

// A relative path, expanded against the base path, does not exist.
inline constexpr uint32_t ErrRelPathNotFound = 0xE0000003;
// No path was given.
inline constexpr uint32_t ErrNoFileName = 0xE000FF02;
// No known-folder object was given.
inline constexpr uint32_t ErrNoKnownFolder = 0xE000FFFD;
// An operation on a control that is not there.
inline constexpr uint32_t ErrNoControl = 0xE000FFFD;
// An operation failed and the system reported no code.
inline constexpr uint32_t ErrUnknownFailure = 0xE000FEFF;
// The special-folder path call failed and left no last-error value.
inline constexpr uint32_t ErrSpecialFolderFailed = 0xE000065B;
// An exception inside the special-folder path call, with no last-error value.
inline constexpr uint32_t ErrSpecialFolderException = 0xE000FFFA;

// The CSIDL name is not in the catalogue, or the number is 2048 or more.
inline constexpr uint32_t ErrNoSuchCSIDL = 0xFFFFFFFF;
// An environment value that is a list of paths has no entries.
inline constexpr uint32_t ErrEmptyPathList = 0xE000FD10;
// A short form leads back to another file: two names of one folder share the short name.
inline constexpr uint32_t ErrAmbiguousShortName = 0xE000FF10;
// An environment string expands beyond the 32,767 characters the system can expand.
inline constexpr uint32_t ErrExpansionTooLong = 0xE000FF11;

// No relative path can be made for this input; shown to the user as its number.
inline constexpr uint32_t ErrNoRelativePath = 0x2000FF02;

// The thread's last-error value, or `fallback` when the system left none.
inline uint32_t LastErrorOr(uint32_t fallback) {
    const DWORD error = ::GetLastError();
    return error != 0 ? error : fallback;
}

}  // namespace zem
