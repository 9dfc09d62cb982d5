#include "engine/report_texts.h"

#include "base/strings.h"
#include "engine/path_forms.h"
#include "catalogue/known_folders.h"
#include "resource.h"

namespace zem {

namespace {

constexpr char kLineBreak[] = "\r\n";

std::string FormatResource(UINT id, const std::string& first, const std::string& second) {
    return Format(ResString(id).c_str(), first.c_str(), second.c_str());
}

std::string FormatError(UINT id, const std::string& path, uint32_t code) {
    return Format(ResString(id).c_str(), Quoted(path).c_str(), static_cast<int32_t>(code), code,
                  SystemErrorText(code).c_str());
}

}  // namespace

std::string BuildShortFormReport(bool environment, const std::string& input, const std::string& shortPath,
                                 const std::string& longPath) {
    const std::string longPart = kLineBreak + Quoted(longPath);
    const std::string shortPart = kLineBreak + shortPath;
    if (!environment) return FormatResource(IDS_SHORT_FORM_REPORT, longPart + kLineBreak, shortPart);
    // The environment wording has no line break after the long form.
    return Format(ResString(IDS_ENV_SHORT_FORM_REPORT).c_str(), input.c_str(), longPart.c_str(), shortPart.c_str());
}

std::string BuildLongFormReport(const std::string& longPath, const std::string& shortPath) {
    return FormatResource(IDS_LONG_FORM_REPORT, kLineBreak + shortPath + kLineBreak, kLineBreak + Quoted(longPath));
}

std::string BuildRelativePathReport(bool longWanted, const std::string& input, const std::string& basePath,
                                    const std::string& shortPath, const std::string& longPath) {
    const std::string& absolute = longWanted ? shortPath : longPath;
    const std::string& other = longWanted ? longPath : shortPath;
    const UINT otherLead = longWanted ? IDS_LONG_EQUIVALENT : IDS_SHORT_EQUIVALENT;
    return Format(ResString(IDS_REL_PATH_HEAD).c_str(), input.c_str(), basePath.c_str(), absolute.c_str()) +
           ResString(otherLead) + kLineBreak + other;
}

std::string BuildKnownFolderGUIDReport(const std::string& input, const std::string& longPath,
                                       const std::string& shortPath) {
    return Format(ResString(IDS_KNOWN_FOLDER_GUID_REPORT).c_str(), input.c_str(),
                  (kLineBreak + Quoted(longPath) + kLineBreak).c_str(), (kLineBreak + shortPath + kLineBreak).c_str());
}

std::string BuildCSIDLReport(const std::string& name, uint16_t number, const std::string& shortPath,
                             const std::string& longPath) {
    const std::string head = number >= 1 && number <= 61
                                 ? Format(ResString(IDS_CSIDL_HEAD_NUMBERED).c_str(), name.c_str(), number)
                                 : Format(ResString(IDS_CSIDL_HEAD).c_str(), name.c_str());
    return head + kLineBreak + longPath + kLineBreak + ResString(IDS_SHORT_EQUIVALENT) + kLineBreak + shortPath;
}

std::string BuildEnvListReport(const std::string& input, const std::string& listText) {
    return FormatResource(IDS_ENV_LIST_REPORT, " ", input) + kLineBreak + listText;
}

std::string BuildAliasLines(const std::string& alias) {
    if (alias.empty()) return {};
    return kLineBreak + ResString(IDS_ALIAS_LINE) + kLineBreak + alias;
}

std::string BuildKnownFolderNote(bool child, const GUID& folder, const std::string& folderPath) {
    const std::string guidText = ResString(IDS_KNOWN_FOLDER_GUID) + GUIDToStr(folder);
    if (!child) return ResString(IDS_KNOWN_FOLDER_IDENTIFIED) + guidText;
    return ResString(IDS_KNOWN_FOLDER_CHILD) + kLineBreak + folderPath + kLineBreak +
           ResString(IDS_KNOWN_FOLDER_WITH_THE) + guidText;
}

std::string BuildShortFormError(const std::string& path, uint32_t code) {
    return FormatError(IDS_SHORT_FORM_ERROR, path, code);
}

std::string BuildLongFormError(const std::string& path, uint32_t code) {
    return FormatError(IDS_LONG_FORM_ERROR, path, code);
}

std::string BuildConversionErrorText(uint32_t code) {
    return Format(ResString(IDS_CONVERT_ERROR_TEXT).c_str(), static_cast<int32_t>(code), code, kLineBreak,
                  SystemErrorText(code).c_str());
}

}  // namespace zem
