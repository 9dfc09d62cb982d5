#include "console/path_conversion.h"

#include <windows.h>

#include "base/status_codes.h"
#include "console/path_styles.h"
#include "engine/input_resolution.h"
#include "engine/path_forms.h"

namespace zem {

PathConverter::PathConverter(const TarvOptions& options) : options_(options) {
    if (options.form != OutputForm::Relative) return;
    relativeFrom_ = GetFullPathForm(options.relativeTo);
    const DWORD attributes = relativeFrom_.empty() ? INVALID_FILE_ATTRIBUTES
                                                   : ::GetFileAttributesW(relativeFrom_.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        relativeBaseError_ = LastErrorOr(ERROR_PATH_NOT_FOUND);
    } else if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        relativeBaseError_ = ERROR_DIRECTORY;
    }
}

std::wstring PathConverter::Relative(const std::wstring& path, uint32_t& error) const {
    if (relativeBaseError_ != 0) {
        error = relativeBaseError_;
        return {};
    }
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    const DWORD toAttributes = attributes == INVALID_FILE_ATTRIBUTES ? 0 : attributes & FILE_ATTRIBUTE_DIRECTORY;
    std::wstring relative;
    error = RelativePathTo(relativeFrom_, FILE_ATTRIBUTE_DIRECTORY, path, toAttributes, relative);
    if (error == ErrSpecialFolderFailed) error = ErrNoRelativePath;
    return relative;
}

// A conversion that succeeds has found the path; one that fails says why, so no separate
// existence test is needed.
PathConverter::EntryForms PathConverter::ConvertPath(const std::wstring& path) {
    EntryForms forms;
    const bool both = options_.json;
    if (both || options_.form == OutputForm::Long) {
        WideLongPathForm longForm = GetLongPathForm(path, &listings_);
        forms.error = longForm.error;
        forms.longPath = std::move(longForm.path);
    }
    if (both || options_.form == OutputForm::Short) {
        forms.shortPath = GetShortPathForm(path, &listings_);
        if (forms.shortPath.empty() && forms.error == 0) forms.error = LastErrorOr(ErrUnknownFailure);
    }
    switch (options_.form) {
        case OutputForm::Short: forms.answer = forms.shortPath; break;
        case OutputForm::Long: forms.answer = forms.longPath; break;
        case OutputForm::Absolute: forms.answer = path; break;
        case OutputForm::Relative: {
            uint32_t error = 0;
            forms.answer = Relative(path, error);
            if (forms.error == 0) forms.error = error;
            break;
        }
    }
    for (std::wstring* text : {&forms.answer, &forms.longPath, &forms.shortPath}) {
        *text = StyledPath(std::move(*text), options_);
    }
    return forms;
}

void PathConverter::Add(ConvertedInput& converted, const EntryForms& forms, bool first) const {
    if (!first) {
        converted.answer += L';';
        converted.longPath += L';';
        converted.shortPath += L';';
    }
    converted.answer += forms.answer;
    converted.longPath += forms.longPath;
    converted.shortPath += forms.shortPath;
}

ConvertedInput PathConverter::Convert(const std::wstring& input) {
    ConvertedInput converted;
    ResolvedInput resolved = ResolveInput(input);
    converted.kind = resolved.kind;
    const bool list = resolved.isList || (options_.pathList && input.find(L';') != std::wstring::npos);
    if (!list) {
        converted.error = resolved.error;
        if (resolved.error != 0) return converted;
        // Kept on failure too: JSON shows the form that was found.
        const EntryForms forms = ConvertPath(resolved.path);
        converted.error = forms.error;
        Add(converted, forms, true);
        return converted;
    }
    // An expanded list holds paths; a list given as input holds inputs of any kind.
    const std::vector<std::wstring> entries = SplitEntries(resolved.isList ? resolved.path : input);
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].empty()) {  // kept, so that the list keeps its shape
            Add(converted, {}, i == 0);
            continue;
        }
        const ResolvedInput entry = ResolveInput(entries[i]);
        EntryForms forms = entry.error != 0 ? EntryForms{entry.error, {}, {}, {}} : ConvertPath(entry.path);
        if (forms.error != 0) {
            converted = {forms.error, converted.kind, entries[i], i + 1, {}, {}, {}};
            return converted;
        }
        Add(converted, forms, i == 0);
    }
    return converted;
}

}  // namespace zem
