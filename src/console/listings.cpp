#include "console/listings.h"

#include <knownfolders.h>

#include "base/strings.h"
#include "catalogue/csidl_catalogue.h"
#include "catalogue/environment.h"
#include "catalogue/known_folders.h"
#include "catalogue/special_folder_list.h"
#include "console/json_line.h"
#include "console/path_styles.h"
#include "console/tarv_run.h"
#include "console/texts.h"
#include "engine/folder_listings.h"
#include "engine/input_resolution.h"
#include "engine/name_creation_setting.h"
#include "engine/path_forms.h"
#include "resource.h"

namespace zem {

namespace {

const wchar_t* CategoryName(uint8_t category) {
    switch (category) {
        case kCategoryVirtual: return L"virtual";
        case kCategoryFixed: return L"fixed";
        case kCategoryCommon: return L"common";
        case kCategoryPerUser: return L"per-user";
        default: return L"";
    }
}

std::wstring Joined(std::initializer_list<std::wstring_view> fields) {
    std::wstring line;
    bool first = true;
    for (const std::wstring_view field : fields) {
        if (!first) line += L'\t';
        line += field;
        first = false;
    }
    return line;
}

// Folders without a CSIDL equivalent have 0 in the table, the number of the desktop.
int CSIDLOf(const TZemCSIDLGUIDRec& record) {
    return record.CSIDL != 0 || record.FolderID == FOLDERID_Desktop ? record.CSIDL : -1;
}

}  // namespace

int ListSpecialFolders(const TarvOptions& options, OutputSink& output) {
    TZemCSIDLGUIDList2 list;
    list.LoadFolders();
    FolderListings listings;
    const auto styled = [&options](std::wstring path) { return StyledPath(std::move(path), options); };
    for (int i = 0; i < list.Count(); ++i) {
        const TZemCSIDLGUIDRec record = list.GetItem(i);
        const int id = CSIDLOf(record);
        const std::wstring name = id < 0 ? std::wstring() : MultiByteToWide(CSIDLToName(static_cast<uint16_t>(id)));
        const std::wstring guid = MultiByteToWide(GUIDToStr(record.FolderID));
        const std::wstring current = list.CurrentWidePath(i);
        const std::wstring shortPath = current.empty() ? std::wstring() : GetShortPathForm(current, &listings);
        if (options.json) {
            JsonLine line;
            line.AddNumber("id", id).Add("csidlName", name).Add("guid", guid);
            line.Add("category", CategoryName(record.Category)).Add("current", styled(current));
            line.Add("default", styled(list.DefaultWidePath(i))).Add("short", styled(shortPath));
            output.WriteRecord(line.Text());
        } else {
            output.WriteRecord(Joined({id < 0 ? L"" : std::to_wstring(id), name, guid, CategoryName(record.Category),
                                       styled(current), styled(list.DefaultWidePath(i)), styled(shortPath)}));
        }
    }
    return kExitSuccess;
}

int ListEnvironmentPaths(const TarvOptions& options, OutputSink& output) {
    FolderListings listings;
    for (const std::wstring& entry : WideEnvironmentEntries()) {
        const size_t equals = entry.find(L'=');
        if (equals == 0 || equals == std::wstring::npos) continue;  // per-drive folders have no name
        const std::wstring name = entry.substr(0, equals);
        const std::vector<std::wstring> paths = SplitEntries(std::wstring_view(entry).substr(equals + 1));
        if (paths.front().empty() || !PathExists(paths.front())) continue;
        for (const std::wstring& path : paths) {
            if (path.empty() || !PathExists(path)) continue;
            const std::wstring longPath = StyledPath(GetLongPathForm(path, &listings).path, options);
            const std::wstring shortPath = StyledPath(GetShortPathForm(path, &listings), options);
            if (options.json) {
                output.WriteRecord(JsonLine().Add("name", name).Add("long", longPath).Add("short", shortPath).Text());
            } else {
                output.WriteRecord(Joined({name, longPath, shortPath}));
            }
        }
    }
    return kExitSuccess;
}

int ShowNameCreationSetting(const TarvOptions& options, OutputSink& output) {
    const NameCreationSetting setting = Read8Dot3Setting();
    const bool notSet = setting.status == ERROR_FILE_NOT_FOUND;
    UINT meaning = IDS_TARV_8DOT3_MEANS_OTHER;
    if (notSet) meaning = IDS_TARV_8DOT3_MEANS_DEFAULT;
    else if (setting.status == 0 && setting.value <= k8Dot3OnSystemVolumeOnly) meaning = IDS_TARV_8DOT3_MEANS_0 + setting.value;
    const std::wstring code = CodeText(setting.status);
    const std::wstring message = MessageText(setting.status);
    if (options.json) {
        JsonLine line;
        line.AddBool("set", setting.status == 0).AddNumber("value", setting.value);
        line.AddNumber("error", setting.status).Add("errorText", setting.status == 0 ? L"" : message);
        line.Add("meaning", setting.status == 0 || notSet ? Text(meaning) : L"");
        output.WriteRecord(line.Text());
    } else if (setting.status == 0 || notSet) {
        output.WriteRecord(notSet ? Text(IDS_TARV_8DOT3_NOT_SET)
                                  : Text(IDS_TARV_8DOT3_VALUE, {std::to_wstring(setting.value)}));
        output.WriteRecord(Text(meaning));
    } else {
        output.WriteRecord(Text(IDS_TARV_8DOT3_UNREADABLE, {code, message}));
    }
    return setting.status == 0 || notSet ? kExitSuccess : kExitFailure;
}

}  // namespace zem
