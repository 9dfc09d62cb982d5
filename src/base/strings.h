// Text helpers for 8-bit strings in the ANSI code page.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace zem {

using StringList = std::vector<std::string>;

// printf-style formatting into a std::string.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

// A status code as the program shows it: signed decimal, then eight upper-case hex digits.
std::string FormatCode(uint32_t code);

// The text of a string resource of the running executable; empty when there is none.
std::string ResString(UINT id);

// Without the characters of code 32 or less at the left end, the right end, or both.
std::string_view TrimLeft(std::string_view text);
std::string_view TrimRight(std::string_view text);
std::string_view Trim(std::string_view text);

// The text in quotes (double quotes unless told), every such quote inside it doubled.
std::string Quoted(const std::string& text, char quote = '"');

// A file dialog's filter from a string resource whose pairs are separated by "|".
std::string ResFilterString(UINT id);

// ANSI text to UTF-16 and back, in the ANSI code page.
std::wstring MultiByteToWide(const std::string& text);
std::string WideToMultiByte(const std::wstring& text);

// Case-insensitive comparison in the user's locale, as the shell compares file names.
bool SameTextNoCase(std::string_view a, std::string_view b);

// Position of the first entry equal to `text` without regard to case, or -1.
int IndexOfNoCase(const StringList& list, std::string_view text);

// The text in upper case as the user's locale maps it: equal keys for texts that differ only
// in letter case.
std::string UpperCaseKey(std::string_view text);

// Texts compared without regard to letter case, for duplicate checks that stay linear in the
// length of a list.
class CaseInsensitiveSet {
public:
    CaseInsensitiveSet() = default;
    explicit CaseInsensitiveSet(const StringList& texts);
    // False when an equal text is already held.
    bool Insert(std::string_view text) { return keys_.insert(UpperCaseKey(text)).second; }

private:
    std::unordered_set<std::string> keys_;
};

// Reads an integer in the platform's integer syntax: optional leading blanks and sign,
// then decimal digits, or hexadecimal after "$", "x", "X", "0x" or "0X".
// Nothing else may follow; the value must fit 32 bits.
std::optional<int32_t> ParseInteger(std::string_view text);

// Decimal only: optional leading blanks and sign, then decimal digits.
std::optional<int32_t> ParseDecimal(std::string_view text);

// As ParseInteger, with `fallback` for text that is not a number.
int32_t ParseIntegerOr(std::string_view text, int32_t fallback);

}  // namespace zem
