#include "engine/dropped_files.h"

#include "base/status_codes.h"
#include "engine/conversion_steps.h"
#include "engine/path_forms.h"
#include "engine/path_input.h"
#include "engine/report_texts.h"

namespace zem {

DroppedFileText ConvertDroppedFile(const std::string& path) {
    if (!PathExists(path)) return {};
    if (HasLongNameComponent(path)) {
        const std::string shortPath = GetShortPathForm(path);
        if (shortPath.empty()) return {true, true, BuildShortFormError(path, LastErrorOr(ErrUnknownFailure))};
        return {true, false, BuildShortFormReport(false, {}, shortPath, path)};
    }
    const LongPathForm longForm = GetLongPathForm(path);
    if (longForm.error != 0) return {true, true, BuildLongFormError(path, longForm.error)};
    return {true, false, BuildLongFormReport(longForm.path, path)};
}

int AppendDroppedFileReports(const StringList& paths, ReportOutput& output) {
    ReportBatch batch(output);
    int lastFailedLine = -1;
    for (const std::string& path : paths) {
        const DroppedFileText converted = ConvertDroppedFile(path);
        if (!converted.exists) continue;
        if (converted.failed) lastFailedLine = output.NextLineIndex();
        output.AppendOutputLine(converted.text);
        output.AppendOutputLine({});
    }
    batch.Finish();
    return lastFailedLine;
}

}  // namespace zem
