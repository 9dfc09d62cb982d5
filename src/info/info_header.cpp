#include "info/info_header.h"

#include <iterator>
#include <vector>

#include "editor/report_output.h"
#include "info/operating_system.h"
#include "resource.h"

namespace zem {

namespace {

// NetBIOS names have at most 15 characters.
constexpr DWORD kComputerNameCapacity = 16;
constexpr DWORD kUserNameCapacity = 256;

std::string ExecutablePath() {
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = ::GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length < buffer.size()) return std::string(buffer.data(), length);
        buffer.resize(buffer.size() * 2);  // truncated: try a larger buffer
    }
}

using LocaleFormatFn = int(WINAPI*)(LCID, DWORD, const SYSTEMTIME*, LPCSTR, LPSTR, int);

std::string LocaleText(LocaleFormatFn format, DWORD flags, const SYSTEMTIME& time) {
    const int size = format(LOCALE_USER_DEFAULT, flags, &time, nullptr, nullptr, 0);
    if (size <= 0) return {};
    std::string text(static_cast<size_t>(size), '\0');
    const int written = format(LOCALE_USER_DEFAULT, flags, &time, nullptr, text.data(), size);
    text.resize(written > 0 ? static_cast<size_t>(written) - 1 : 0);
    return text;
}

}  // namespace

std::string LocalDateTimeText(const SYSTEMTIME& time) {
    return LocaleText(::GetDateFormatA, DATE_SHORTDATE, time) + " " + LocaleText(::GetTimeFormatA, 0, time);
}

std::string TimeZoneNameText(DWORD zoneId, const TIME_ZONE_INFORMATION& zone) {
    const WCHAR* name = zoneId == TIME_ZONE_ID_STANDARD   ? zone.StandardName
                        : zoneId == TIME_ZONE_ID_DAYLIGHT ? zone.DaylightName
                                                          : nullptr;
    if (!name) return {};
    // The name field need not be terminated when it fills the array.
    const size_t capacity = std::size(zone.StandardName);
    size_t length = 0;
    while (length < capacity && name[length] != L'\0') ++length;
    return WideToMultiByte(std::wstring(name, length));
}

StringList InfoHeaderLines(const InfoHeaderFacts& facts) {
    StringList lines;
    lines.push_back(ResString(IDS_INFO_PRODUCT_LINE));
    lines.push_back(ResString(IDS_INFO_GENERATED_BY) + Quoted(facts.executablePath));
    if (facts.isWow64) lines.push_back(ResString(IDS_INFO_WOW64_LINE));
    std::string version = Format(ResString(IDS_INFO_WINDOWS_VERSION).c_str(), static_cast<int>(facts.majorVersion),
                                 static_cast<int>(facts.minorVersion), static_cast<int>(facts.buildNumber));
    if (!facts.servicePack.empty()) version += ResString(IDS_INFO_SERVICE_PACK) + facts.servicePack;
    lines.push_back(version);
    lines.push_back(Format(ResString(IDS_INFO_ACCOUNT).c_str(), facts.userName.c_str(), facts.computerName.c_str()));
    std::string starting = ResString(IDS_INFO_STARTING) + facts.dateTime;
    if (!facts.timeZoneName.empty()) starting += " " + facts.timeZoneName;
    lines.push_back(starting);
    return lines;
}

std::string InfoHeaderText(const InfoHeaderFacts& facts) {
    std::string text;
    for (const std::string& line : InfoHeaderLines(facts)) {
        if (!text.empty()) text += "\r\n";
        text += line;
    }
    return text;
}

InfoHeaderFacts ReadInfoHeaderFacts(bool isWow64) {
    InfoHeaderFacts facts;
    facts.executablePath = ExecutablePath();
    facts.isWow64 = isWow64;
    const StartVersion& start = ProcessStartVersion();
    facts.majorVersion = start.majorVersion;
    facts.minorVersion = start.minorVersion;
    facts.buildNumber = start.buildNumber;
    facts.servicePack = start.servicePack;
    DWORD error = 0;  // a name that cannot be read stays empty in the header
    facts.userName = ReadUserName(kUserNameCapacity, error);
    facts.computerName = ReadComputerName(kComputerNameCapacity, error);
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    facts.dateTime = LocalDateTimeText(now);
    TIME_ZONE_INFORMATION zone{};
    facts.timeZoneName = TimeZoneNameText(::GetTimeZoneInformation(&zone), zone);
    return facts;
}

void InsertAppAndLogInfo(ReportOutput& output, bool isWow64) {
    ReportBatch batch(output);
    output.AppendOutputLine(InfoHeaderText(ReadInfoHeaderFacts(isWow64)));
    output.AppendOutputLine(std::string());
    batch.Finish();
}

}  // namespace zem
