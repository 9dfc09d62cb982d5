#include "base/unicode.h"

#include <windows.h>

namespace zem {

namespace {

int Length(std::wstring_view text) { return static_cast<int>(text.size()); }

std::string FromWide(UINT codePage, DWORD flags, std::wstring_view text, BOOL* usedDefault) {
    if (text.empty()) return {};
    const int size = ::WideCharToMultiByte(codePage, flags, text.data(), Length(text), nullptr, 0, nullptr, usedDefault);
    std::string result(static_cast<size_t>(size), '\0');
    ::WideCharToMultiByte(codePage, flags, text.data(), Length(text), result.data(), size, nullptr, nullptr);
    return result;
}

}  // namespace

std::optional<std::wstring> Utf8ToWide(std::string_view text) {
    if (text.empty()) return std::wstring();
    const int bytes = static_cast<int>(text.size());
    const int size = ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), bytes, nullptr, 0);
    if (size == 0) return std::nullopt;
    std::wstring result(static_cast<size_t>(size), L'\0');
    ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), bytes, result.data(), size);
    return result;
}

std::string WideToUtf8(std::wstring_view text) { return FromWide(CP_UTF8, 0, text, nullptr); }

std::optional<std::string> WideToAnsiExactly(std::wstring_view text) {
    BOOL usedDefault = FALSE;
    std::string result = FromWide(CP_ACP, WC_NO_BEST_FIT_CHARS, text, &usedDefault);
    if (usedDefault) return std::nullopt;
    return result;
}

std::string WideToAnsi(std::wstring_view text) { return FromWide(CP_ACP, 0, text, nullptr); }

bool SameTextNoCase(std::wstring_view a, std::wstring_view b) {
    return ::CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), Length(a), b.data(), Length(b)) ==
           CSTR_EQUAL;
}

std::wstring UpperCaseKey(std::wstring_view text) {
    std::wstring key(text);
    if (!key.empty()) ::CharUpperBuffW(key.data(), static_cast<DWORD>(key.size()));
    return key;
}

}  // namespace zem
