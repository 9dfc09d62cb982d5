#include "folders/special_folder_listing.h"

#include <cstdint>
#include <string>
#include <utility>

#include "engine/path_forms.h"
#include "catalogue/csidl_catalogue.h"
#include "catalogue/known_folders.h"
#include "resource.h"

namespace zem {

namespace {

const std::string kStarRule(79, '*');
const std::string kDashRule(79, '-');

void AppendHead(StringList& lines) {
    lines.insert(lines.end(),
                 {kStarRule, "", ResString(IDS_SF_TITLE), ResString(IDS_OUTPUT_FORMAT), ResString(IDS_SF_LEGEND_CSIDL),
                  ResString(IDS_SF_LEGEND_GUID), ResString(IDS_SF_LEGEND_CURRENT),
                  ResString(IDS_SF_LEGEND_CURRENT_SHORT), ResString(IDS_SF_LEGEND_DEFAULT),
                  ResString(IDS_SF_LEGEND_DEFAULT_SHORT), "", kStarRule, ""});
}

// Empty for a category the listing has no heading for.
std::string CategoryHeading(uint8_t category) {
    switch (category) {
        case kCategoryVirtual: return ResString(IDS_SF_HEADING_VIRTUAL);
        case kCategoryFixed: return ResString(IDS_SF_HEADING_FIXED);
        case kCategoryCommon: return ResString(IDS_SF_HEADING_COMMON);
        case kCategoryPerUser: return ResString(IDS_SF_HEADING_PER_USER);
        default: return {};
    }
}

void AppendHeading(StringList& lines, uint8_t category) {
    const std::string heading = CategoryHeading(category);
    if (!heading.empty()) lines.push_back(heading);
    lines.push_back(kDashRule);
    lines.emplace_back();
}

std::string CsidlLine(uint16_t csidl) {
    if (csidl == 0) return ResString(IDS_SF_NO_CSIDL);
    return CSIDLToName(csidl) + Format("  (0x%.4X)", static_cast<unsigned>(csidl));
}

void AppendIfNotEmpty(StringList& lines, std::string line) {
    if (!line.empty()) lines.push_back(std::move(line));
}

// Headings are compared as signed bytes: a category above 127 never opens one.
void AppendFolder(StringList& lines, const TZemCSIDLGUIDList2& list, int index, int8_t& lastHeading) {
    const std::string current = list.CurrentPath(index);
    if (current.empty()) return;
    const TZemCSIDLGUIDRec record = list.GetItem(index);
    const auto category = static_cast<int8_t>(record.Category);
    if (category > lastHeading) {
        AppendHeading(lines, record.Category);
        lastHeading = category;
    }
    AppendIfNotEmpty(lines, CsidlLine(record.CSIDL));
    AppendIfNotEmpty(lines, GUIDToStr(record.FolderID));
    lines.push_back(ResString(IDS_SF_CURRENT_PATH) + current);
    lines.push_back(ShortPathFormOr(current, {}));
    const std::string defaultPath = list.DefaultPath(index);
    if (defaultPath.empty()) return;
    lines.push_back(ResString(IDS_SF_DEFAULT_PATH) + defaultPath);
    lines.push_back(ShortPathFormOr(defaultPath, ResString(IDS_SF_NONEXISTING_DEFAULT)));
    lines.emplace_back();
}

// The system's temporary folder as it gives it, trailing backslash included; empty on failure.
std::string TempFolderPath() {
    const DWORD size = ::GetTempPathA(0, nullptr);
    if (size == 0) return {};
    std::string buffer(size, '\0');
    const DWORD length = ::GetTempPathA(size, buffer.data());
    if (length == 0) return {};
    return buffer.c_str();
}

void AppendTempFolder(StringList& lines) {
    lines.insert(lines.end(), {ResString(IDS_SF_TEMP_HEADING), kDashRule, "", ResString(IDS_SF_NO_CSIDL),
                               ResString(IDS_SF_TEMP_NO_GUID)});
    const std::string temp = TempFolderPath();
    const LongPathForm longForm = GetLongPathForm(temp);
    if (longForm.error == 0 && !longForm.path.empty()) lines.push_back(ResString(IDS_SF_CURRENT_PATH) + longForm.path);
    // The system's own text stands where the short form stands for the other folders.
    if (!temp.empty()) lines.push_back(temp);
    lines.emplace_back();
}

}  // namespace

int LoadListedFolders(TZemCSIDLGUIDList2& list) {
    if (list.LoadFolders() > 0) list.RemoveCategory(kCategoryVirtual);
    if (list.Count() > 0) list.SortByCategory();
    return list.Count();
}

StringList SpecialFolderReportLines(const TZemCSIDLGUIDList2& list) {
    StringList lines;
    AppendHead(lines);
    int8_t lastHeading = 0;
    for (int index = 0; index < list.Count(); ++index) AppendFolder(lines, list, index, lastHeading);
    AppendTempFolder(lines);
    return lines;
}

StringList ListSpecialFolderLines(HWND owner) {
    TZemCSIDLGUIDList2 list;
    list.OwnerWindow = owner;
    if (LoadListedFolders(list) <= 0) return {};
    return SpecialFolderReportLines(list);
}

}  // namespace zem
