#include "engine/conversion_steps.h"

#include "base/status_codes.h"
#include "engine/path_forms.h"
#include "engine/path_input.h"

namespace zem {

PathForms ShortFormOf(const std::string& longPath) {
    PathForms forms;
    forms.longPath = longPath;
    if (PathExists(longPath)) forms.shortPath = GetShortPathForm(longPath);
    if (forms.shortPath.empty()) forms.error = LastErrorOr(ErrUnknownFailure);
    return forms;
}

PathForms LongFormOf(const std::string& shortPath, uint32_t missingError) {
    PathForms forms;
    forms.shortPath = shortPath;
    if (!PathExists(shortPath)) {
        forms.error = missingError != 0 ? missingError : LastErrorOr(ErrUnknownFailure);
        return forms;
    }
    LongPathForm longForm = GetLongPathForm(shortPath);
    forms.error = longForm.error;
    forms.longPath = std::move(longForm.path);
    return forms;
}

PathForms FormsOf(const std::string& path) {
    return HasLongNameComponent(path) ? ShortFormOf(path) : LongFormOf(path);
}

}  // namespace zem
