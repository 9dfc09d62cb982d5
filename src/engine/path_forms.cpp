#include "engine/path_forms.h"

#include <exception>
#include <optional>
#include <tuple>

#include "base/status_codes.h"
#include "base/strings.h"
#include "base/unique.h"
#include "engine/folder_listings.h"
#include "resource.h"

namespace zem {

namespace {

// A wildcard would let a directory search find some other file.
bool HasWildcard(const std::string& path) {
    const size_t namesStart = path.rfind("\\\\?\\", 0) == 0 ? 4 : 0;
    return path.find_first_of("*?", namesStart) != std::string::npos;
}

// The ANSI calls refuse a path of MAX_PATH characters or more (206), "\\?\" prefix or not;
// the wide calls take it.
bool NeedsWideCalls(const std::string& path) { return path.size() >= MAX_PATH; }

template <class FindData, class Text, class FindFirst>
bool FindsFile(const Text& path, FindFirst findFirst) {
    FindData data{};
    const UniqueFindHandle found(findFirst(path.c_str(), &data));
    return found && (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool IsExistingFile(const std::string& path) {
    if (HasWildcard(path)) return false;
    if (NeedsWideCalls(path)) return FindsFile<WIN32_FIND_DATAW>(MultiByteToWide(path), ::FindFirstFileW);
    return FindsFile<WIN32_FIND_DATAA>(path, ::FindFirstFileA);
}

bool IsExistingFolder(const std::string& path) {
    const DWORD attributes = NeedsWideCalls(path) ? ::GetFileAttributesW(MultiByteToWide(path).c_str())
                                                  : ::GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return true;
    if (::GetLastError() == 0) ::SetLastError(ERROR_PATH_NOT_FOUND);
    return false;
}

// Runs a conversion of the form (path, buffer, size) -> length until the buffer holds the
// whole result: the system answers the needed size when the buffer is too small.
template <class Text, class Convert>
bool ConvertWhole(const Text& path, Text& result, DWORD size, Convert convert) {
    for (;;) {
        result.assign(size, '\0');
        const DWORD length = convert(path.c_str(), result.data(), size);
        if (length == 0) return false;
        if (length < size) {
            result.resize(length);
            return true;
        }
        size = length + 1;
    }
}

// The ANSI conversions may refuse results beyond MAX_PATH (206); the wide ones do not.
template <class ConvertA, class ConvertW>
bool ConvertPath(const std::string& path, std::string& result, ConvertA ansi, ConvertW wide) {
    if (ConvertWhole(path, result, MAX_PATH, ansi)) return true;
    if (::GetLastError() != ERROR_FILENAME_EXCED_RANGE) return false;
    std::wstring wideResult;
    if (!ConvertWhole(MultiByteToWide(path), wideResult, MAX_PATH, wide)) return false;
    result = WideToMultiByte(wideResult);
    return true;
}

// What a path opens: the volume's serial number and the file's index on it.
using FileIdentity = std::tuple<DWORD, DWORD, DWORD>;

// Opened without access rights and sharing everything, so that no user of the file notices;
// folders open too.
std::optional<FileIdentity> IdentityOf(const std::string& path) {
    constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    const UniqueFileHandle file(
        NeedsWideCalls(path)
            ? ::CreateFileW(MultiByteToWide(path).c_str(), 0, kShareAll, nullptr, OPEN_EXISTING,
                            FILE_FLAG_BACKUP_SEMANTICS, nullptr)
            : ::CreateFileA(path.c_str(), 0, kShareAll, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION information{};
    if (!file || !::GetFileInformationByHandle(file.Get(), &information)) return std::nullopt;
    return FileIdentity{information.dwVolumeSerialNumber, information.nFileIndexHigh, information.nFileIndexLow};
}

// Wine makes a short name from a hash of the long name, and in a big folder two long names
// can share one: the long form of the second one's short form then names the first. (Windows
// keeps short names unique within a folder.) 0 when the long form names the path's own file;
// the path may be written unlike its long form, and then the files themselves tell.
uint32_t LongFormLeadsBack(const std::string& shortPath, const std::string& path) {
    const LongPathForm back = GetLongPathForm(shortPath);
    if (back.error != 0) return back.error;
    if (SameTextNoCase(back.path, path)) return 0;
    const std::optional<FileIdentity> backIdentity = IdentityOf(back.path);
    const std::optional<FileIdentity> identity = IdentityOf(path);
    if (backIdentity && identity) return *backIdentity == *identity ? 0 : ErrAmbiguousShortName;
    const LongPathForm own = GetLongPathForm(path);
    return own.error == 0 && SameTextNoCase(own.path, back.path) ? 0 : ErrAmbiguousShortName;
}

// The system expands at most this many characters, terminating zero included. Wine cuts a
// longer expansion off there without a failure and answers the whole count (Wine 8).
constexpr DWORD kExpansionLimit = 32767;

// A count beyond the limit with less text than it counts is an expansion cut short.
ExpandedText CheckedExpansion(std::string text, DWORD count) {
    if (count > kExpansionLimit && text.size() + 1 < count) return {ErrExpansionTooLong, {}};
    return {0, std::move(text)};
}

struct ProgramCodeText {
    uint32_t code;
    UINT textId;
};

constexpr ProgramCodeText kProgramCodeTexts[] = {
    {ErrAmbiguousShortName, IDS_AMBIGUOUS_SHORT_NAME},
    {ErrExpansionTooLong, IDS_EXPANSION_TOO_LONG},
};

}  // namespace

bool PathExists(const std::string& path) { return IsExistingFile(path) || IsExistingFolder(path); }

std::string GetShortPathForm(const std::string& path, FolderListings* listings) {
    if (path.empty()) {
        ::SetLastError(ERROR_INVALID_PARAMETER);
        return {};
    }
    std::string result;
    if (std::optional<std::string> known = listings ? listings->ShortForm(path) : std::nullopt) {
        result = std::move(*known);
    } else if (!ConvertPath(path, result, ::GetShortPathNameA, ::GetShortPathNameW)) {
        return {};
    }
    if (listings != nullptr && listings->ConfirmShortForm(result, path)) return result;
    if (const uint32_t error = LongFormLeadsBack(result, path); error != 0) {
        ::SetLastError(error);
        return {};
    }
    return result;
}

std::string ShortPathFormOr(const std::string& path, const std::string& failureText) {
    std::string shortPath = GetShortPathForm(path);
    if (!shortPath.empty()) return shortPath;
    return ::GetLastError() == ErrAmbiguousShortName ? ResString(IDS_AMBIGUOUS_SHORT_NAME_LINE) : failureText;
}

LongPathForm GetLongPathForm(const std::string& path, FolderListings* listings) {
    if (path.empty()) return {ERROR_INVALID_PARAMETER, {}};
    try {
        if (listings != nullptr) {
            if (std::optional<std::string> known = listings->LongForm(path)) return {0, std::move(*known)};
        }
        std::string result;
        if (!ConvertPath(path, result, ::GetLongPathNameA, ::GetLongPathNameW)) return {LastErrorOr(ErrUnknownFailure), {}};
        return {0, std::move(result)};
    } catch (const std::exception&) {
        return {LastErrorOr(ErrUnknownFailure), {}};
    }
}

std::string GetFullPathForm(const std::string& path) {
    std::string result;
    const auto fullPath = [](const char* source, char* buffer, DWORD size) {
        return ::GetFullPathNameA(source, size, buffer, nullptr);
    };
    if (path.empty() || !ConvertWhole(path, result, MAX_PATH, fullPath)) return {};
    return result;
}

ExpandedText ExpandEnvironmentText(const std::string& text) {
    if (text.empty()) return {ERROR_INVALID_PARAMETER, {}};
    try {
        DWORD size = ::ExpandEnvironmentStringsA(text.c_str(), nullptr, 0);
        while (size != 0) {
            std::string buffer(size, '\0');
            const DWORD count = ::ExpandEnvironmentStringsA(text.c_str(), buffer.data(), size);
            if (count == 0) break;
            // The count includes the terminating zero; a larger one means the environment grew.
            if (count <= size) return CheckedExpansion(buffer.c_str(), count);
            size = count;
        }
    } catch (const std::exception&) {
    }
    return {ERROR_FUNCTION_FAILED, {}};
}

std::string ExpandEnvStrings(const std::string& text) {
    ExpandedText expanded = ExpandEnvironmentText(text);
    if (expanded.error != 0) ::SetLastError(expanded.error);
    return std::move(expanded.text);
}

std::string SystemErrorText(uint32_t code) {
    for (const ProgramCodeText& own : kProgramCodeTexts) {
        if (own.code == code) return ResString(own.textId) + "\r\n";
    }
    char buffer[256] = {};
    const DWORD length = ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
                                          0, buffer, sizeof(buffer) - 1, nullptr);
    return length == 0 ? std::string() : std::string(buffer, length);
}

}  // namespace zem
