#include "folders/environment_listing.h"

#include <windows.h>
#include <shlwapi.h>

#include <string>

#include "engine/path_forms.h"
#include "resource.h"

namespace zem {

namespace {

const std::string kStarRule(79, '*');
const std::string kDashRule(43, '-');

void AppendHead(StringList& lines) {
    lines.insert(lines.end(), {kStarRule, "", ResString(IDS_ENV_TITLE), ResString(IDS_OUTPUT_FORMAT),
                               ResString(IDS_ENV_LEGEND_NAME), ResString(IDS_ENV_LEGEND_PATH),
                               ResString(IDS_ENV_LEGEND_SHORT), "", kStarRule, ""});
}

void AppendPathAndShortForm(StringList& lines, const std::string& path) {
    lines.push_back(path);
    lines.push_back(ShortPathFormOr(path, {}));
}

// A relative value is looked up from the current directory, as the shell does.
bool Exists(const std::string& path) { return ::PathFileExistsA(path.c_str()) != FALSE; }

void AppendVariable(StringList& lines, const TZemEnvironmentStrList& list, int index) {
    const std::string value = list.ValueAt(index);
    const bool pathList = IsPathList(value);
    const StringList elements = pathList ? SplitPathList(value) : StringList{value};
    // Only the first element decides whether a list is shown.
    if (elements.empty() || !Exists(elements.front())) return;
    lines.push_back(list.NameAt(index));
    lines.push_back(kDashRule);
    for (const std::string& element : elements) AppendPathAndShortForm(lines, element);
    lines.emplace_back();
}

}  // namespace

StringList EnvironmentReportLines(const TZemEnvironmentStrList& list) {
    StringList lines;
    if (list.Count() == 0) return lines;
    AppendHead(lines);
    for (int index = 0; index < list.Count(); ++index) AppendVariable(lines, list, index);
    lines.emplace_back();
    return lines;
}

StringList ListEnvironmentVarPathsLines() {
    TZemEnvironmentStrList list;
    list.LoadEnvironment();
    return EnvironmentReportLines(list);
}

}  // namespace zem
