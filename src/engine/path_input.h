// What the path box holds: quoting, normalisation, the kind of input, and the character check.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zem {

enum PathInputKind : uint8_t {
    pikEmpty = 0,
    pikUnknown = 1,  // never produced for a non-empty text
    pikLongPath = 2,
    pikShortPath = 3,
    pikRelLongPath = 4,
    pikRelShortPath = 5,
    pikEnvString = 6,        // %TEMP%
    pikEnvStringInPath = 7,  // %windir%\system32
    pikKnownFolderGUID = 8,
    pikCSIDLName = 9,
    pikCSIDLNumber = 10,
};

// The text is enclosed in double quotes, blanks around them allowed.
bool IsQuotedInput(std::string_view text);

// Quoted text: trimmed and unquoted. Unquoted text led by blanks before "." or "\": trimmed
// at the left. Anything else is kept exactly as typed.
std::string NormalizePathInput(std::string_view text, bool quoted);

// `quoted` is IsQuotedInput of the same text.
PathInputKind ClassifyPathInput(std::string_view text, bool quoted);

// The path still holds a component in long form, so its short form is the thing to compute.
// False for a path already in short form; false with last error 87 for no path.
bool HasLongNameComponent(std::string_view path);

// Whether one path component could not be a DOS 8.3 name as it stands.
bool IsLongNameComponent(std::string_view component);
// The same for a UTF-16 name: a character the ANSI code page cannot write makes it long.
bool IsLongNameComponent(std::wstring_view component);

struct PathTextCheck {
    bool valid = false;
    int position = 0;  // 1-based position of the first offending character, or 0
};

// Rejects control characters, "<", ">", "|" and "*", and a "?" outside "\\?\" paths.
PathTextCheck IsValidPathText(std::string_view text);

}  // namespace zem
