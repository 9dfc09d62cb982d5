#include "engine/path_forms.h"

#include <exception>

#include "base/status_codes.h"
#include "base/strings.h"

namespace zem {

namespace {

// A wildcard would let a directory search find some other file.
bool HasWildcard(const std::string& path) {
    const size_t namesStart = path.rfind("\\\\?\\", 0) == 0 ? 4 : 0;
    return path.find_first_of("*?", namesStart) != std::string::npos;
}

bool IsExistingFile(const std::string& path) {
    if (HasWildcard(path)) return false;
    WIN32_FIND_DATAA data{};
    const HANDLE found = ::FindFirstFileA(path.c_str(), &data);
    if (found == INVALID_HANDLE_VALUE) return false;
    ::FindClose(found);
    return (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool IsExistingFolder(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
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

}  // namespace

bool PathExists(const std::string& path) { return IsExistingFile(path) || IsExistingFolder(path); }

std::string GetShortPathForm(const std::string& path) {
    if (path.empty()) {
        ::SetLastError(ERROR_INVALID_PARAMETER);
        return {};
    }
    std::string result;
    if (!ConvertPath(path, result, ::GetShortPathNameA, ::GetShortPathNameW)) return {};
    return result;
}

LongPathForm GetLongPathForm(const std::string& path) {
    if (path.empty()) return {ERROR_INVALID_PARAMETER, {}};
    try {
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

std::string ExpandEnvStrings(const std::string& text) {
    if (text.empty()) {
        ::SetLastError(ERROR_INVALID_PARAMETER);
        return {};
    }
    try {
        DWORD size = ::ExpandEnvironmentStringsA(text.c_str(), nullptr, 0);
        while (size != 0) {
            std::string buffer(size, '\0');
            const DWORD count = ::ExpandEnvironmentStringsA(text.c_str(), buffer.data(), size);
            if (count == 0) break;
            // The count includes the terminating zero; a larger one means the environment grew.
            if (count <= size) return buffer.c_str();
            size = count;
        }
    } catch (const std::exception&) {
    }
    ::SetLastError(ERROR_FUNCTION_FAILED);
    return {};
}

std::string SystemErrorText(uint32_t code) {
    char buffer[256] = {};
    const DWORD length = ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
                                          0, buffer, sizeof(buffer) - 1, nullptr);
    return length == 0 ? std::string() : std::string(buffer, length);
}

}  // namespace zem
