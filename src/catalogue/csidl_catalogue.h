// The CSIDL constants the program knows: their names and numbers, the known-folder GUID and
// category of each number, and the look-ups between names, numbers and text.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace zem {

struct TZemCSIDLValName {
    uint16_t Number;
    const char* Name;
};

// Known-folder categories, as the known-folder manager reports them.
enum FolderCategory : uint8_t {
    kCategoryVirtual = 1,  // no file-system path
    kCategoryFixed = 2,
    kCategoryCommon = 3,  // all users
    kCategoryPerUser = 4,
};

struct TZemCSIDLGUIDRec {
    uint16_t CSIDL = 0;  // 0 also when the folder has no CSIDL equivalent
    GUID FolderID{};
    uint8_t Category = 0;
};

// Every CSIDL name; two names share the number 5, and look-ups by number find CSIDL_PERSONAL.
extern const std::array<TZemCSIDLValName, 57> CSIDLValNames;

// Every CSIDL number once, ascending, with its known folder: the folder list of systems that
// have no known-folder manager.
extern const std::array<TZemCSIDLGUIDRec, 56> CSIDLGUIDDefaults;

// The number CSIDLFromName gives for a name it does not know.
inline constexpr uint16_t kNoCSIDL = 0xFFFF;

// The name of the first row with this number, or empty.
std::string CSIDLToName(uint16_t number);
// The first row whose name equals `name` without regard to case, or -1.
int IndexOfCSIDLName(std::string_view name);
// The first row with this number, or -1.
int IndexOfCSIDL(int32_t number);
// The number of the name, blanks and control characters around it ignored; kNoCSIDL if unknown.
uint16_t CSIDLFromName(std::string_view text);
// The text is an integer in the platform's syntax that some row has as its number.
bool IsCSIDLNumber(std::string_view text);
// The text is a row's name (any case, not trimmed) or a CSIDL number.
bool IsCSIDLIdentifier(std::string_view text);

}  // namespace zem
