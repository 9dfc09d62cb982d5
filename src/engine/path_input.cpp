#include "engine/path_input.h"

#include <windows.h>
#include <shlwapi.h>

#include <algorithm>
#include <exception>

#include "base/strings.h"
#include "base/unicode.h"
#include "catalogue/csidl_catalogue.h"
#include "catalogue/known_folders.h"

namespace zem {

namespace {

bool IsBlank(char c) { return c == '\t' || c == '\n' || c == '\r' || c == ' '; }

bool AllBlank(std::string_view text) { return std::all_of(text.begin(), text.end(), IsBlank); }

// Every occurrence of `pattern` removed, scanning left to right without looking again at what
// a removal joins together.
std::string RemoveAll(std::string_view text, std::string_view pattern) {
    std::string result;
    size_t start = 0;
    for (size_t found = text.find(pattern); found != std::string_view::npos; found = text.find(pattern, start)) {
        result.append(text.substr(start, found - start));
        start = found + pattern.size();
    }
    result.append(text.substr(start));
    return result;
}

// %name% alone: two or more "%".
bool HasTwoPercents(std::string_view text) {
    const size_t first = text.find('%');
    return first != std::string_view::npos && text.rfind('%') > first;
}

// Text around the variable: the first "%" does not start the text, or two or more
// characters follow the last "%".
bool IsEnvStringInPath(std::string_view text) {
    return HasTwoPercents(text) && (text.find('%') != 0 || text.size() - text.rfind('%') - 1 >= 2);
}

PathInputKind ClassifyPath(std::string_view text, bool quoted) {
    std::string path = NormalizePathInput(text, quoted);
    if (!::PathIsRelativeA(path.c_str())) return HasLongNameComponent(path) ? pikLongPath : pikShortPath;
    path = RemoveAll(RemoveAll(path, "..\\"), ".\\");
    if (!path.empty() && path.front() != '\\') path.insert(0, 1, '\\');
    return HasLongNameComponent(path) ? pikRelLongPath : pikRelShortPath;
}

// The part of a path after its root: after the share of a UNC path, else after the first
// component. A "\\?\" prefix is not part of the path's names.
std::string PathBelowRoot(std::string path) {
    if (path.rfind("\\\\?\\UNC\\", 0) == 0) {
        path.replace(0, 8, "\\\\");
    } else if (path.rfind("\\\\?\\", 0) == 0) {
        path.erase(0, 4);
    }
    const char* rest = ::PathIsUNCA(path.c_str()) ? ::PathSkipRootA(path.c_str())
                                                   : ::PathFindNextComponentA(path.c_str());
    return rest != nullptr ? std::string(rest) : std::string();
}

bool HasLongComponentBelowRoot(std::string_view path) {
    std::string rest = PathBelowRoot(std::string(path));
    if (!rest.empty() && rest.front() == '\\') rest.erase(0, 1);
    size_t start = 0;
    while (start < rest.size()) {
        size_t end = rest.find('\\', start);
        if (end == std::string::npos) end = rest.size();
        if (IsLongNameComponent(std::string_view(rest).substr(start, end - start))) return true;
        start = end + 1;
    }
    return false;
}

}  // namespace

bool IsQuotedInput(std::string_view text) {
    if (text.empty()) return false;
    const size_t first = text.find('"');
    if (first == std::string_view::npos || first + 1 >= text.size() || !AllBlank(text.substr(0, first))) return false;
    return AllBlank(text.substr(text.rfind('"') + 1));
}

std::string NormalizePathInput(std::string_view text, bool quoted) {
    if (quoted) {
        std::string trimmed(Trim(text));
        if (trimmed.find('"') != std::string::npos) ::PathUnquoteSpacesA(trimmed.data());
        return trimmed.c_str();
    }
    const size_t firstNonBlank = text.find_first_not_of("\t\n\r ");
    if (firstNonBlank != std::string_view::npos && (text[firstNonBlank] == '.' || text[firstNonBlank] == '\\')) {
        return std::string(TrimLeft(text));
    }
    return std::string(text);
}

PathInputKind ClassifyPathInput(std::string_view text, bool quoted) {
    if (text.empty()) return pikEmpty;
    const std::string_view trimmed = Trim(text);
    if (IsCSIDLNumber(trimmed)) return pikCSIDLNumber;
    if (IsCSIDLIdentifier(trimmed)) return pikCSIDLName;
    if (IsGUIDString(trimmed)) return pikKnownFolderGUID;
    if (IsEnvStringInPath(text)) return pikEnvStringInPath;
    if (HasTwoPercents(text)) return pikEnvString;
    return ClassifyPath(text, quoted);
}

bool HasLongNameComponent(std::string_view path) {
    if (path.empty()) {
        ::SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    try {
        return HasLongComponentBelowRoot(path);
    } catch (const std::exception&) {
        if (::GetLastError() == 0) ::SetLastError(ERROR_FUNCTION_FAILED);
        return false;
    }
}

// A component is in long form when it could not be a DOS 8.3 name as it stands: a base
// name that is empty or longer than 8 characters, an extension longer than 3, more than one
// dot, a blank, or a character 8.3 names cannot hold. Letter case does not count, and "."
// and ".." are no names.
bool IsLongNameComponent(std::string_view component) {
    if (component.empty() || component == "." || component == "..") return false;
    constexpr std::string_view kNotIn83Names = " \"*+,/:;<=>?[\\]|";
    for (char c : component) {
        if (static_cast<unsigned char>(c) < 0x20 || kNotIn83Names.find(c) != std::string_view::npos) return true;
    }
    const size_t dot = component.find('.');
    if (dot == std::string_view::npos) return component.size() > 8;
    if (component.find('.', dot + 1) != std::string_view::npos) return true;
    return dot == 0 || dot > 8 || component.size() - dot - 1 > 3;
}

bool IsLongNameComponent(std::wstring_view component) {
    const std::optional<std::string> ansi = WideToAnsiExactly(component);
    return !ansi || IsLongNameComponent(std::string_view(*ansi));
}

PathTextCheck IsValidPathText(std::string_view text) {
    if (text.empty()) return {false, 0};
    std::string order = "*|><";
    for (char c = 0x1F; c >= 0x01; --c) order.push_back(c);
    for (char c : order) {
        const size_t found = text.find(c);
        if (found != std::string_view::npos) return {false, static_cast<int>(found) + 1};
    }
    if (text.find('?') != std::string_view::npos && text.find("\\\\?\\") == std::string_view::npos) return {false, 0};
    return {true, 0};
}

}  // namespace zem
