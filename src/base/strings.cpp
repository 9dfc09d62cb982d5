#include "base/strings.h"

#include <cstdarg>
#include <cstdio>

#include "base/unicode.h"

namespace zem {

std::string Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string result;
    if (length > 0) {
        result.resize(static_cast<size_t>(length) + 1);
        std::vsnprintf(result.data(), result.size(), format, args);
        result.resize(static_cast<size_t>(length));
    }
    va_end(args);
    return result;
}

std::string FormatCode(uint32_t code) {
    return Format("%d (0x%.8X)", static_cast<int32_t>(code), code);
}

std::string ResString(UINT id) {
    // LoadStringA with a zero length hands out a pointer to the resource text itself.
    const char* text = nullptr;
    const int length = ::LoadStringW(::GetModuleHandleA(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0) return {};
    return WideToMultiByte(std::wstring(reinterpret_cast<const wchar_t*>(text), static_cast<size_t>(length)));
}

std::string UpperCaseKey(std::string_view text) {
    std::string key(text);
    if (!key.empty()) ::CharUpperBuffA(key.data(), static_cast<DWORD>(key.size()));
    return key;
}

CaseInsensitiveSet::CaseInsensitiveSet(const StringList& texts) {
    for (const auto& text : texts) Insert(text);
}

namespace {

bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }

}  // namespace

std::string_view TrimLeft(std::string_view text) {
    while (!text.empty() && IsBlankOrControl(text.front())) text.remove_prefix(1);
    return text;
}

std::string_view TrimRight(std::string_view text) {
    while (!text.empty() && IsBlankOrControl(text.back())) text.remove_suffix(1);
    return text;
}

std::string_view Trim(std::string_view text) { return TrimRight(TrimLeft(text)); }

std::string Quoted(const std::string& text, char quote) {
    std::string result(1, quote);
    for (char c : text) {
        if (c == quote) result += quote;
        result += c;
    }
    return result + quote;
}

std::string ResFilterString(UINT id) {
    std::string filter = ResString(id);
    for (char& c : filter) {
        if (c == '|') c = '\0';
    }
    return filter + '\0';
}

std::wstring MultiByteToWide(const std::string& text) {
    if (text.empty()) return {};
    const int size = ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring result(static_cast<size_t>(size), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), result.data(), size);
    return result;
}

std::string WideToMultiByte(const std::wstring& text) { return WideToAnsi(text); }

bool SameTextNoCase(std::string_view a, std::string_view b) {
    return ::CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()), b.data(),
                            static_cast<int>(b.size())) == CSTR_EQUAL;
}

int IndexOfNoCase(const StringList& list, std::string_view text) {
    for (size_t i = 0; i < list.size(); ++i) {
        if (SameTextNoCase(list[i], text)) return static_cast<int>(i);
    }
    return -1;
}

namespace {

int DigitValue(char c, int base) {
    int value = -1;
    if (c >= '0' && c <= '9') value = c - '0';
    else if (c >= 'a' && c <= 'f') value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
    return value < base ? value : -1;
}

// Digits only, all of them; nullopt when empty, not digits, or above `limit`.
std::optional<uint64_t> ParseDigits(std::string_view digits, int base, uint64_t limit) {
    if (digits.empty()) return std::nullopt;
    uint64_t value = 0;
    for (char c : digits) {
        const int digit = DigitValue(c, base);
        if (digit < 0) return std::nullopt;
        value = value * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
        if (value > limit) return std::nullopt;
    }
    return value;
}

}  // namespace

std::optional<int32_t> ParseInteger(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    for (std::string_view prefix : {"0x", "0X", "$", "x", "X"}) {
        if (text.substr(0, prefix.size()) == prefix) {
            const auto value = ParseDigits(text.substr(prefix.size()), 16, 0xFFFFFFFFull);
            if (!value) return std::nullopt;
            return static_cast<int32_t>(static_cast<uint32_t>(*value));
        }
    }
    return ParseDecimal(text);
}

std::optional<int32_t> ParseDecimal(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    bool negative = false;
    if (text.front() == '+' || text.front() == '-') {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    const auto value = ParseDigits(text, 10, negative ? 0x80000000ull : 0x7FFFFFFFull);
    if (!value) return std::nullopt;
    return negative ? static_cast<int32_t>(-static_cast<int64_t>(*value)) : static_cast<int32_t>(*value);
}

int32_t ParseIntegerOr(std::string_view text, int32_t fallback) {
    return ParseInteger(text).value_or(fallback);
}

}  // namespace zem
