#include "engine/conversion.h"

#include <shlwapi.h>

#include <optional>

#include "base/status_codes.h"
#include "base/system.h"
#include "engine/conversion_steps.h"
#include "engine/dos_devices.h"
#include "engine/path_forms.h"
#include "engine/path_input.h"
#include "engine/report_texts.h"
#include "catalogue/known_folders.h"

namespace zem {

namespace {

// Makes a folder the current directory for a while; the previous one comes back in every case.
class CurrentDirectoryScope {
public:
    explicit CurrentDirectoryScope(const std::string& folder) : previous_(CurrentDirectory()) {
        entered_ = ::SetCurrentDirectoryA(folder.c_str()) != FALSE;
    }
    ~CurrentDirectoryScope() {
        if (entered_) ::SetCurrentDirectoryA(previous_.c_str());
    }
    CurrentDirectoryScope(const CurrentDirectoryScope&) = delete;
    CurrentDirectoryScope& operator=(const CurrentDirectoryScope&) = delete;
    bool Entered() const { return entered_; }

private:
    std::string previous_;
    bool entered_ = false;
};

BranchOutcome ConvertAbsolutePath(const std::string& input, bool quoted, bool longWanted) {
    const std::string path = NormalizePathInput(input, quoted);
    const PathForms forms = longWanted ? LongFormOf(path) : ShortFormOf(path);
    BranchOutcome outcome{forms.error, {}, forms.longPath};
    if (forms.error == 0) {
        outcome.report = longWanted ? BuildLongFormReport(forms.longPath, forms.shortPath)
                                    : BuildShortFormReport(false, input, forms.shortPath, forms.longPath);
    }
    return outcome;
}

// A relative path starts from the base path, or from the current directory without one; the
// report names the folder it really started from.
BranchOutcome ConvertRelativePath(const ConversionRequest& request, bool quoted, bool longWanted) {
    const std::string relative = NormalizePathInput(request.input, quoted);
    std::optional<CurrentDirectoryScope> base;
    if (!request.basePath.empty()) {
        base.emplace(request.basePath);
        if (!base->Entered()) return {longWanted ? ErrRelPathNotFound : LastErrorOr(ErrUnknownFailure), {}, {}};
    }
    const std::string usedBase = request.basePath.empty() ? CurrentDirectory() : request.basePath;
    const std::string full = GetFullPathForm(relative);
    const PathForms forms = longWanted ? LongFormOf(full, ErrRelPathNotFound) : ShortFormOf(full);
    BranchOutcome outcome{forms.error, {}, forms.longPath};
    if (forms.error == 0) {
        outcome.report =
            BuildRelativePathReport(longWanted, request.input, usedBase, forms.shortPath, forms.longPath);
    }
    return outcome;
}

BranchOutcome ConvertByKind(const ConversionRequest& request, PathInputKind kind, bool quoted) {
    switch (kind) {
        case pikLongPath: return ConvertAbsolutePath(request.input, quoted, false);
        case pikShortPath: return ConvertAbsolutePath(request.input, quoted, true);
        case pikRelLongPath: return ConvertRelativePath(request, quoted, false);
        case pikRelShortPath: return ConvertRelativePath(request, quoted, true);
        case pikEnvString:
        case pikEnvStringInPath: return ConvertEnvironmentString(request.input);
        case pikKnownFolderGUID: return ConvertKnownFolderGUID(request.input);
        case pikCSIDLName: return ConvertCSIDLName(request.input, request.owner);
        case pikCSIDLNumber: return ConvertCSIDLNumber(request.input, request.owner);
        case pikEmpty: return {};
        case pikUnknown: break;
    }
    return {ERROR_INVALID_PARAMETER, {}, {}};
}

}  // namespace

std::string SubstitutedDriveAlias(const std::string& longPath) {
    const SubstDriveAlias alias = ResolveSubstDrive(longPath);
    if (!alias.isAlias) return {};
    std::string result = alias.target;
    const char* rest = ::PathSkipRootA(longPath.c_str());
    if (rest != nullptr && *rest != '\0') {
        if (result.empty() || result.back() != '\\') result += '\\';
        result += rest;
    }
    return result;
}

namespace {

// The known folder the path is, or lies in; empty when there is none or it cannot be told.
std::string KnownFolderNoteFor(const std::string& longPath) {
    ComPtr<IKnownFolder> folder;
    bool child = false;
    if (FindKnownFolderForPath(longPath, folder, child) != 0) return {};
    GUID id{};
    std::string folderPath;
    if (GetKnownFolderIdAndPath(folder.Get(), id, folderPath) != 0) return {};
    return BuildKnownFolderNote(child, id, folderPath);
}

}  // namespace

ConversionResult ConvertPathInput(const ConversionRequest& request) {
    const bool quoted = IsQuotedInput(request.input);
    const PathInputKind kind = ClassifyPathInput(request.input, quoted);
    const BranchOutcome outcome = ConvertByKind(request, kind, quoted);
    ConversionResult result{outcome.error, outcome.report, {}};
    if (outcome.error != 0 || outcome.isList) return result;
    result.report += BuildAliasLines(SubstitutedDriveAlias(outcome.longPath));
    if (kind != pikKnownFolderGUID && kind != pikEmpty) result.knownFolderNote = KnownFolderNoteFor(outcome.longPath);
    return result;
}

}  // namespace zem
