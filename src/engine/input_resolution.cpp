#include "engine/input_resolution.h"

#include <windows.h>

#include <algorithm>
#include <optional>

#include "base/status_codes.h"
#include "base/strings.h"
#include "base/unicode.h"
#include "catalogue/known_folders.h"
#include "engine/conversion_steps.h"
#include "engine/path_forms.h"

namespace zem {

namespace {

std::wstring Widened(const std::string& utf8) { return Utf8ToWide(utf8).value_or(std::wstring()); }

ResolvedInput Resolved(uint32_t error, PathInputKind kind, std::wstring path) {
    return {error, kind, error == 0 ? std::move(path) : std::wstring(), false};
}

ResolvedInput ResolveEnvironmentString(const std::string& text, PathInputKind kind) {
    const WideExpandedText expansion = ExpandEnvironmentText(Widened(std::string(TrimLeft(text))));
    if (expansion.error != 0) return Resolved(expansion.error, kind, {});
    const bool isList = expansion.text.find(L';') != std::wstring::npos;
    ResolvedInput resolved{0, kind, isList ? expansion.text : GetFullPathForm(expansion.text), isList};
    if (resolved.path.empty()) resolved.error = LastErrorOr(ErrUnknownFailure);
    return resolved;
}

ResolvedInput ResolveKnownFolder(const std::string& text) {
    GUID folder{};
    std::wstring path;
    uint32_t error = ParseGUID(Trim(text), folder);
    if (error == 0) error = KnownFolderPath(folder, 0, nullptr, path);
    return Resolved(error, pikKnownFolderGUID, std::move(path));
}

ResolvedInput ResolvePath(const std::string& text, bool quoted, PathInputKind kind) {
    const std::wstring path = Widened(NormalizePathInput(text, quoted));
    if (path.empty()) return Resolved(ERROR_INVALID_PARAMETER, kind, {});
    std::wstring full = GetFullPathForm(path);
    const uint32_t error = full.empty() ? LastErrorOr(ErrUnknownFailure) : 0;
    return Resolved(error, kind, std::move(full));
}

}  // namespace

// The input is looked at in UTF-8, which keeps every character and the separators, quotes
// and percent signs the recognition looks for.
ResolvedInput ResolveInput(std::wstring_view input) {
    std::wstring slashed(input);
    std::replace(slashed.begin(), slashed.end(), L'/', L'\\');
    const std::string text = WideToUtf8(slashed);
    const bool quoted = IsQuotedInput(text);
    const PathInputKind kind = ClassifyPathInput(text, quoted);
    switch (kind) {
        case pikEmpty: return Resolved(ERROR_INVALID_PARAMETER, kind, {});
        case pikEnvString:
        case pikEnvStringInPath: return ResolveEnvironmentString(text, kind);
        case pikKnownFolderGUID: return ResolveKnownFolder(text);
        case pikCSIDLName:
        case pikCSIDLNumber: {
            CSIDLInputFolder folder = ResolveCSIDLInput(text, kind == pikCSIDLNumber, nullptr);
            return Resolved(folder.error, kind, std::move(folder.path));
        }
        default: return ResolvePath(text, quoted, kind);
    }
}

std::vector<std::wstring> SplitEntries(std::wstring_view list) {
    std::vector<std::wstring> entries;
    size_t start = 0;
    for (size_t end = list.find(L';'); end != std::wstring_view::npos; end = list.find(L';', start)) {
        entries.emplace_back(list.substr(start, end - start));
        start = end + 1;
    }
    entries.emplace_back(list.substr(start));
    return entries;
}

}  // namespace zem
