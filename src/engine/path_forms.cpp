#include "engine/path_forms.h"

#include <shlwapi.h>

#include <exception>
#include <optional>
#include <tuple>
#include <type_traits>

#include "base/status_codes.h"
#include "base/strings.h"
#include "base/unicode.h"
#include "base/unique.h"
#include "engine/folder_listings.h"
#include "resource.h"

namespace zem {

namespace {

// A wildcard would let a directory search find some other file.
template <class Text>
bool HasWildcard(const Text& path) {
    using Char = typename Text::value_type;
    const Char prefix[] = {'\\', '\\', '?', '\\', 0};
    const Char wildcards[] = {'*', '?', 0};
    const size_t namesStart = path.rfind(prefix, 0) == 0 ? 4 : 0;
    return path.find_first_of(wildcards, namesStart) != Text::npos;
}

// The ANSI calls refuse a path of MAX_PATH characters or more (206), "\\?\" prefix or not;
// the wide calls take it.
bool NeedsWideCalls(const std::string& path) { return path.size() >= MAX_PATH; }

// The system calls in both widths, each ANSI one handing long paths to its wide twin.
HANDLE FindFirst(const std::wstring& path, WIN32_FIND_DATAW& data) { return ::FindFirstFileW(path.c_str(), &data); }
HANDLE FindFirst(const std::string& path, WIN32_FIND_DATAA& data) { return ::FindFirstFileA(path.c_str(), &data); }

DWORD Attributes(const std::wstring& path) { return ::GetFileAttributesW(path.c_str()); }
DWORD Attributes(const std::string& path) {
    return NeedsWideCalls(path) ? Attributes(MultiByteToWide(path)) : ::GetFileAttributesA(path.c_str());
}

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// Opened without access rights and sharing everything, so that no user of the file notices;
// folders open too.
HANDLE OpenUnnoticed(const std::wstring& path) {
    return ::CreateFileW(path.c_str(), 0, kShareAll, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}
HANDLE OpenUnnoticed(const std::string& path) {
    if (NeedsWideCalls(path)) return OpenUnnoticed(MultiByteToWide(path));
    return ::CreateFileA(path.c_str(), 0, kShareAll, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

template <class Text>
bool IsExistingFile(const Text& path) {
    if (HasWildcard(path)) return false;
    if constexpr (std::is_same_v<Text, std::string>) {
        if (NeedsWideCalls(path)) return IsExistingFile(MultiByteToWide(path));
    }
    std::conditional_t<std::is_same_v<Text, std::string>, WIN32_FIND_DATAA, WIN32_FIND_DATAW> data{};
    const UniqueFindHandle found(FindFirst(path, data));
    return found && (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

template <class Text>
bool IsExistingFolder(const Text& path) {
    const DWORD attributes = Attributes(path);
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

enum class Form { Short, Long, Full };

// The system call of each form, in both widths.
DWORD FormCall(Form form, const wchar_t* path, wchar_t* buffer, DWORD size) {
    switch (form) {
        case Form::Short: return ::GetShortPathNameW(path, buffer, size);
        case Form::Long: return ::GetLongPathNameW(path, buffer, size);
        case Form::Full: break;
    }
    return ::GetFullPathNameW(path, size, buffer, nullptr);
}

DWORD FormCall(Form form, const char* path, char* buffer, DWORD size) {
    switch (form) {
        case Form::Short: return ::GetShortPathNameA(path, buffer, size);
        case Form::Long: return ::GetLongPathNameA(path, buffer, size);
        case Form::Full: break;
    }
    return ::GetFullPathNameA(path, size, buffer, nullptr);
}

template <class Text>
bool WholeForm(Form form, const Text& path, Text& result) {
    using Char = typename Text::value_type;
    return ConvertWhole(path, result, MAX_PATH,
                        [form](const Char* source, Char* buffer, DWORD size) { return FormCall(form, source, buffer, size); });
}

bool SystemForm(Form form, const std::wstring& path, std::wstring& result) { return WholeForm(form, path, result); }

// The ANSI conversions may refuse paths and results beyond MAX_PATH (206); the wide ones do not.
bool SystemForm(Form form, const std::string& path, std::string& result) {
    if (WholeForm(form, path, result)) return true;
    if (::GetLastError() != ERROR_FILENAME_EXCED_RANGE) return false;
    std::wstring wideResult;
    if (!SystemForm(form, MultiByteToWide(path), wideResult)) return false;
    result = WideToMultiByte(wideResult);
    return true;
}

// What a path opens: the volume's serial number and the file's index on it.
using FileIdentity = std::tuple<DWORD, DWORD, DWORD>;

template <class Text>
std::optional<FileIdentity> IdentityOf(const Text& path) {
    const UniqueFileHandle file(OpenUnnoticed(path));
    BY_HANDLE_FILE_INFORMATION information{};
    if (!file || !::GetFileInformationByHandle(file.Get(), &information)) return std::nullopt;
    return FileIdentity{information.dwVolumeSerialNumber, information.nFileIndexHigh, information.nFileIndexLow};
}

// Wine makes a short name from a hash of the long name, and in a big folder two long names
// can share one: the long form of the second one's short form then names the first. (Windows
// keeps short names unique within a folder.) 0 when the long form names the path's own file;
// the path may be written unlike its long form, and then the files themselves tell.
template <class Text>
uint32_t LongFormLeadsBack(const Text& shortPath, const Text& path) {
    const BasicLongPathForm<Text> back = GetLongPathForm(shortPath);
    if (back.error != 0) return back.error;
    if (SameTextNoCase(back.path, path)) return 0;
    const std::optional<FileIdentity> backIdentity = IdentityOf(back.path);
    const std::optional<FileIdentity> identity = IdentityOf(path);
    if (backIdentity && identity) return *backIdentity == *identity ? 0 : ErrAmbiguousShortName;
    const BasicLongPathForm<Text> own = GetLongPathForm(path);
    return own.error == 0 && SameTextNoCase(own.path, back.path) ? 0 : ErrAmbiguousShortName;
}

// The system expands at most this many characters, terminating zero included. Wine cuts a
// longer expansion off there without a failure and answers the whole count (Wine 8).
constexpr DWORD kExpansionLimit = 32767;

// A count beyond the limit with less text than it counts is an expansion cut short.
template <class Text>
BasicExpandedText<Text> CheckedExpansion(Text text, DWORD count) {
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

DWORD ExpandEnvironment(const std::wstring& text, wchar_t* buffer, DWORD size) {
    return ::ExpandEnvironmentStringsW(text.c_str(), buffer, size);
}
DWORD ExpandEnvironment(const std::string& text, char* buffer, DWORD size) {
    return ::ExpandEnvironmentStringsA(text.c_str(), buffer, size);
}

template <class Text>
bool Exists(const Text& path) {
    return IsExistingFile(path) || IsExistingFolder(path);
}

template <class Text>
Text ShortForm(const Text& path, FolderListings* listings) {
    if (path.empty()) {
        ::SetLastError(ERROR_INVALID_PARAMETER);
        return {};
    }
    Text result;
    if (std::optional<Text> known = listings ? listings->ShortForm(path) : std::nullopt) {
        result = std::move(*known);
    } else if (!SystemForm(Form::Short, path, result)) {
        return {};
    }
    if (listings != nullptr && listings->ConfirmShortForm(result, path)) return result;
    if (const uint32_t error = LongFormLeadsBack(result, path); error != 0) {
        ::SetLastError(error);
        return {};
    }
    return result;
}

template <class Text>
BasicLongPathForm<Text> LongForm(const Text& path, FolderListings* listings) {
    if (path.empty()) return {ERROR_INVALID_PARAMETER, {}};
    try {
        if (listings != nullptr) {
            if (std::optional<Text> known = listings->LongForm(path)) return {0, std::move(*known)};
        }
        Text result;
        if (!SystemForm(Form::Long, path, result)) return {LastErrorOr(ErrUnknownFailure), {}};
        return {0, std::move(result)};
    } catch (const std::exception&) {
        return {LastErrorOr(ErrUnknownFailure), {}};
    }
}

template <class Text>
Text FullForm(const Text& path) {
    Text result;
    if (path.empty() || !SystemForm(Form::Full, path, result)) return {};
    return result;
}

template <class Text>
BasicExpandedText<Text> Expansion(const Text& text) {
    if (text.empty()) return {ERROR_INVALID_PARAMETER, {}};
    try {
        DWORD size = ExpandEnvironment(text, nullptr, 0);
        while (size != 0) {
            Text buffer(size, '\0');
            const DWORD count = ExpandEnvironment(text, buffer.data(), size);
            if (count == 0) break;
            // The count includes the terminating zero; a larger one means the environment grew.
            if (count <= size) return CheckedExpansion(Text(buffer.c_str()), count);
            size = count;
        }
    } catch (const std::exception&) {
    }
    return {ERROR_FUNCTION_FAILED, {}};
}

}  // namespace

bool PathExists(const std::string& path) { return Exists(path); }
bool PathExists(const std::wstring& path) { return Exists(path); }

std::string GetShortPathForm(const std::string& path, FolderListings* listings) { return ShortForm(path, listings); }
std::wstring GetShortPathForm(const std::wstring& path, FolderListings* listings) {
    return ShortForm(path, listings);
}

std::string ShortPathFormOr(const std::string& path, const std::string& failureText) {
    std::string shortPath = GetShortPathForm(path);
    if (!shortPath.empty()) return shortPath;
    return ::GetLastError() == ErrAmbiguousShortName ? ResString(IDS_AMBIGUOUS_SHORT_NAME_LINE) : failureText;
}

LongPathForm GetLongPathForm(const std::string& path, FolderListings* listings) { return LongForm(path, listings); }
WideLongPathForm GetLongPathForm(const std::wstring& path, FolderListings* listings) {
    return LongForm(path, listings);
}

std::string GetFullPathForm(const std::string& path) { return FullForm(path); }
std::wstring GetFullPathForm(const std::wstring& path) { return FullForm(path); }

ExpandedText ExpandEnvironmentText(const std::string& text) { return Expansion(text); }
WideExpandedText ExpandEnvironmentText(const std::wstring& text) { return Expansion(text); }

std::string ExpandEnvStrings(const std::string& text) {
    ExpandedText expanded = ExpandEnvironmentText(text);
    if (expanded.error != 0) ::SetLastError(expanded.error);
    return std::move(expanded.text);
}

uint32_t RelativePathTo(const std::wstring& from, DWORD fromAttributes, const std::wstring& to, DWORD toAttributes,
                        std::wstring& relative) {
    wchar_t buffer[MAX_PATH] = {};
    ::SetLastError(0);
    if (!::PathRelativePathToW(buffer, from.c_str(), fromAttributes, to.c_str(), toAttributes)) {
        return LastErrorOr(ErrSpecialFolderFailed);
    }
    relative = buffer;
    return 0;
}

uint32_t RelativePathTo(const std::string& from, DWORD fromAttributes, const std::string& to, DWORD toAttributes,
                        std::string& relative) {
    std::wstring wideRelative;
    const uint32_t error =
        RelativePathTo(MultiByteToWide(from), fromAttributes, MultiByteToWide(to), toAttributes, wideRelative);
    if (error == 0) relative = WideToMultiByte(wideRelative);
    return error;
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
