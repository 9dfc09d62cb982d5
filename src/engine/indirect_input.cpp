// The branches of the conversion for input that stands for a path: environment strings,
// known-folder GUIDs, CSIDL names and CSIDL numbers.
#include <shlwapi.h>

#include "base/status_codes.h"
#include "base/strings.h"
#include "engine/conversion_steps.h"
#include "engine/path_forms.h"
#include "engine/path_input.h"
#include "engine/report_texts.h"
#include "catalogue/csidl_catalogue.h"
#include "catalogue/environment.h"
#include "catalogue/known_folders.h"
#include "resource.h"

namespace zem {

namespace {

constexpr uint32_t kNotANumber = 0xE0000057;
constexpr int32_t kFirstInvalidCSIDL = 0x800;

// Both forms of a resolved special-folder path, and the CSIDL report about them.
BranchOutcome CSIDLOutcome(uint32_t error, const std::string& name, uint16_t number, const std::string& resolved) {
    if (error != 0) return {error, {}, {}};
    const PathForms forms = FormsOf(resolved);
    if (forms.error != 0) return {forms.error, {}, {}};
    return {0, BuildCSIDLReport(name, number, forms.shortPath, forms.longPath), forms.longPath};
}

// Splits at every ";"; entries keep their blanks, an empty last entry is dropped.
StringList PathListEntries(const std::string& value) {
    StringList entries;
    size_t start = 0;
    for (size_t end = value.find(';'); end != std::string::npos; end = value.find(';', start)) {
        entries.push_back(value.substr(start, end - start));
        start = end + 1;
    }
    if (start < value.size()) entries.push_back(value.substr(start));
    return entries;
}

}  // namespace

PathListForms BuildEnvPathList(const std::string& expanded) {
    const StringList entries = PathListEntries(expanded);
    if (entries.empty()) return {ErrEmptyPathList, {}};
    const std::string missing = ResString(IDS_PATH_DOESNT_EXIST);
    PathListForms list;
    for (size_t i = 0; i < entries.size(); ++i) {
        const std::string& entry = entries[i];
        const bool exists = ::PathFileExistsA(entry.c_str()) != FALSE;
        std::string longPath = entry;
        std::string shortPath = entry;
        if (HasLongNameComponent(entry)) {
            shortPath = exists ? ShortPathFormOr(entry, {}) : missing;
        } else if (exists) {
            LongPathForm longForm = GetLongPathForm(entry);
            list.error = longForm.error;
            longPath = std::move(longForm.path);
        } else {
            longPath = missing;
        }
        if (i > 0) list.text += "\r\n";
        list.text += longPath + "\r\n" + shortPath;
    }
    return list;
}

BranchOutcome ConvertEnvironmentString(const std::string& input) {
    const ExpandedText expansion = ExpandEnvironmentText(std::string(TrimLeft(input)));
    // Never a list cut short, nor a path made of what is left of it.
    if (expansion.error != 0) return {expansion.error, {}, {}};
    const std::string& expanded = expansion.text;
    if (IsPathList(expanded)) {
        const PathListForms list = BuildEnvPathList(expanded);
        BranchOutcome outcome{list.error, {}, {}, true};
        if (list.error == 0) outcome.report = BuildEnvListReport(input, list.text);
        return outcome;
    }
    const PathForms forms = FormsOf(expanded);
    if (forms.error != 0) return {forms.error, {}, {}};
    return {0, BuildShortFormReport(true, input, forms.shortPath, forms.longPath), forms.longPath};
}

BranchOutcome ConvertKnownFolderGUID(const std::string& input) {
    GUID folder{};
    std::string resolved;
    uint32_t error = ParseGUID(Trim(input), folder);
    if (error == 0) error = KnownFolderPath(folder, 0, nullptr, resolved);
    if (error != 0) return {error, {}, {}};
    const PathForms forms = FormsOf(resolved);
    if (forms.error != 0) return {forms.error, {}, {}};
    return {0, BuildKnownFolderGUIDReport(input, forms.longPath, forms.shortPath), forms.longPath};
}

CSIDLInputFolder ResolveCSIDLInput(std::string_view input, bool isNumber, HWND owner) {
    CSIDLInputFolder folder;
    folder.number = isNumber ? ParseIntegerOr(Trim(input), static_cast<int32_t>(kNotANumber)) : CSIDLFromName(input);
    const bool known = isNumber ? folder.number < kFirstInvalidCSIDL : folder.number != kNoCSIDL;
    folder.error = known ? SpecialFolderPath(owner, folder.path, folder.number, false) : ErrNoSuchCSIDL;
    return folder;
}

BranchOutcome ConvertCSIDLName(const std::string& input, HWND owner) {
    const CSIDLInputFolder folder = ResolveCSIDLInput(input, false, owner);
    const auto number = static_cast<uint16_t>(folder.number);
    return CSIDLOutcome(folder.error, input, number, WideToMultiByte(folder.path));
}

BranchOutcome ConvertCSIDLNumber(const std::string& input, HWND owner) {
    const CSIDLInputFolder folder = ResolveCSIDLInput(input, true, owner);
    const auto number = static_cast<uint16_t>(folder.number);
    return CSIDLOutcome(folder.error, CSIDLToName(number), number, WideToMultiByte(folder.path));
}

}  // namespace zem
