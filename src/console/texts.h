// The console companion's texts: string resources in UTF-16 with values put in, and the
// texts of status codes.
#pragma once

#include <windows.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace zem {

// The string resource of the running exe; empty when there is none.
std::wstring Text(UINT id);
// `pattern` with %1, %2 ... replaced by the values in their order.
std::wstring FillIn(std::wstring_view pattern, std::initializer_list<std::wstring_view> values);
std::wstring Text(UINT id, std::initializer_list<std::wstring_view> values);

// "-2147024894 (0x80070002)" style.
std::wstring CodeText(uint32_t code);
// The system's message for the code on one line, or "Unknown error".
std::wstring MessageText(uint32_t code);

}  // namespace zem
