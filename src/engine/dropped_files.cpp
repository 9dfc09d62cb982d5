#include "engine/dropped_files.h"

#include "base/status_codes.h"
#include "engine/conversion_steps.h"
#include "engine/folder_listings.h"
#include "engine/path_forms.h"
#include "engine/path_input.h"
#include "engine/report_texts.h"

namespace zem {

namespace {

DroppedFileText Converted(const std::string& path, FolderListings* listings) {
    if (HasLongNameComponent(path)) {
        const std::string shortPath = GetShortPathForm(path, listings);
        if (shortPath.empty()) return {true, true, BuildShortFormError(path, LastErrorOr(ErrUnknownFailure))};
        return {true, false, BuildShortFormReport(false, {}, shortPath, path)};
    }
    const LongPathForm longForm = GetLongPathForm(path, listings);
    if (longForm.error != 0) return {true, true, BuildLongFormError(path, longForm.error)};
    return {true, false, BuildLongFormReport(longForm.path, path)};
}

}  // namespace

// A conversion that succeeds has found the path, so the existence test is asked only when
// it fails: it costs as much as the conversion itself. UNC paths are tested first, because
// some systems answer them without looking.
DroppedFileText ConvertDroppedFile(const std::string& path, FolderListings* listings) {
    const bool unc = path.rfind("\\\\", 0) == 0;
    if (unc && !PathExists(path)) return {};
    DroppedFileText converted = Converted(path, listings);
    if (converted.failed && !unc && !PathExists(path)) return {};
    return converted;
}

std::vector<DroppedFileText> ConvertDroppedFiles(const StringList& paths) {
    FolderListings listings;  // dropped files mostly share a few folders
    std::vector<DroppedFileText> texts;
    for (const std::string& path : paths) {
        DroppedFileText converted = ConvertDroppedFile(path, &listings);
        if (converted.exists) texts.push_back(std::move(converted));
    }
    return texts;
}

}  // namespace zem
