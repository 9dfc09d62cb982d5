#include "folders/relative_path.h"

#include <shlwapi.h>

#include <cstring>
#include <optional>

#include "base/status_codes.h"
#include "base/strings.h"
#include "base/system.h"
#include "engine/conversion.h"
#include "engine/path_forms.h"
#include "engine/path_input.h"
#include "catalogue/csidl_catalogue.h"
#include "catalogue/environment.h"
#include "catalogue/known_folders.h"
#include "resource.h"

namespace zem {
namespace {

struct Target {
    uint32_t error = 0;
    std::string path;
};

Target SpecialFolderTarget(HWND owner, int csidl) {
    Target target;
    target.error = SpecialFolderPath(owner, target.path, csidl, false);
    return target;
}

// The path the input stands for, resolved as Convert resolves it; relative input is refused.
Target ResolveTarget(const RelativePathRequest& request) {
    const std::string& input = request.input;
    if (input.empty()) return {ErrNoRelativePath, {}};
    const bool quoted = IsQuotedInput(input);
    const std::string trimmed(Trim(input));
    switch (ClassifyPathInput(input, quoted)) {
        case pikEmpty:
        case pikUnknown:
        case pikRelLongPath:
        case pikRelShortPath: return {ErrNoRelativePath, {}};
        case pikEnvString:
        case pikEnvStringInPath: {
            ExpandedText expanded = ExpandEnvironmentText(std::string(TrimLeft(input)));
            if (expanded.error == 0 && IsPathList(expanded.text)) expanded.error = ErrNoRelativePath;
            return {expanded.error, std::move(expanded.text)};
        }
        case pikKnownFolderGUID: {
            GUID id{};
            Target target{ParseGUID(trimmed, id), trimmed};
            if (target.error == 0) target.error = KnownFolderPath(id, 0, nullptr, target.path);
            return target;
        }
        case pikCSIDLNumber: {
            const int32_t number = ParseIntegerOr(trimmed, static_cast<int32_t>(0xE0000057));
            return number < 2048 ? SpecialFolderTarget(request.owner, number) : Target{0, trimmed};
        }
        case pikCSIDLName: {
            const uint16_t number = CSIDLFromName(trimmed);
            return number < 0xFFFF ? SpecialFolderTarget(request.owner, number) : Target{0, trimmed};
        }
        default: {
            std::string path = input;
            if (quoted && path.find('"') != std::string::npos) {
                path += '\0';
                ::PathUnquoteSpacesA(path.data());
                path.resize(std::strlen(path.c_str()));
            }
            return {0, path};
        }
    }
}

// FILE_ATTRIBUTE_DIRECTORY for a folder, 0 for a file, nothing when the path does not exist.
std::optional<DWORD> PathAttribute(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return std::nullopt;
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? FILE_ATTRIBUTE_DIRECTORY : 0;
}

bool SameRoot(const std::string& a, const std::string& b) { return ::PathIsSameRootA(a.c_str(), b.c_str()) != FALSE; }

std::string Report(UINT firstLine, const std::string& first, UINT secondLine, const std::string& second,
                   const std::string& relative) {
    return Format(ResString(firstLine).c_str(), first.c_str()) + "\r\n" +
           Format(ResString(secondLine).c_str(), second.c_str()) + "\r\n" + relative;
}

}  // namespace

RelativePathResult CreateRelativePaths(const RelativePathRequest& request) {
    RelativePathResult result;
    Target target = ResolveTarget(request);
    uint32_t status = target.error;
    std::string base = request.basePath.empty() ? CurrentDirectory() : request.basePath;
    const std::optional<DWORD> targetAttribute = status == 0 ? PathAttribute(target.path) : std::nullopt;
    const std::optional<DWORD> baseAttribute = PathAttribute(base);
    if (status == 0 && (!targetAttribute || !baseAttribute)) status = ERROR_PATH_NOT_FOUND;
    if (status == 0 && SameTextNoCase(base, target.path)) status = ErrNoRelativePath;
    if (status == 0 && !SameRoot(base, target.path)) status = ErrNoRelativePath;
    // Identical paths and different roots may still meet through a substituted drive.
    if (status == ErrNoRelativePath && targetAttribute && baseAttribute) {
        // The base is tried first.
        if (const std::string alias = SubstitutedDriveAlias(base); !alias.empty() && SameRoot(alias, target.path)) {
            base = alias;
            status = 0;
        } else if (const std::string targetAlias = SubstitutedDriveAlias(target.path);
                   !targetAlias.empty() && SameRoot(base, targetAlias)) {
            target.path = targetAlias;
            status = 0;
        }
    }
    if (status != 0) {
        result.error = status;
        return result;
    }
    std::string relative;
    result.error = RelativePathTo(base, *baseAttribute, target.path, *targetAttribute, relative);
    if (result.error != 0) return result;
    result.baseToTarget = Report(IDS_REL_FROM_BASE, base, IDS_REL_TO_TARGET, target.path, relative);
    result.error = RelativePathTo(target.path, *targetAttribute, base, *baseAttribute, relative);
    if (result.error != 0) return result;
    result.targetToBase = Report(IDS_REL_FROM_TARGET, target.path, IDS_REL_TO_BASE, base, relative);
    return result;
}

}  // namespace zem
