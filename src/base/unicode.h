// Text helpers for UTF-16 text, and its conversions to and from UTF-8 and the ANSI code page.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zem {

// UTF-8 to UTF-16; nothing when the bytes are not valid UTF-8.
std::optional<std::wstring> Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::wstring_view text);

// UTF-16 to the ANSI code page; nothing when some character has no exact equivalent there.
std::optional<std::string> WideToAnsiExactly(std::wstring_view text);
// UTF-16 to the ANSI code page, a character without an equivalent written as the system does.
std::string WideToAnsi(std::wstring_view text);

// Case-insensitive comparison in the user's locale, as the shell compares file names.
bool SameTextNoCase(std::wstring_view a, std::wstring_view b);
// Equal keys for texts that differ only in letter case.
std::wstring UpperCaseKey(std::wstring_view text);

}  // namespace zem
