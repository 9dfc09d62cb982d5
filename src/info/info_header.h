// The header at the top of every fresh output document: which program wrote it, on which
// Windows, for which user on which computer, and when.
#pragma once

#include <windows.h>

#include <string>

#include "base/strings.h"

namespace zem {

class ReportOutput;

struct InfoHeaderFacts {
    std::string executablePath;
    bool isWow64 = false;  // a 32-bit process on 64-bit Windows
    DWORD majorVersion = 0;
    DWORD minorVersion = 0;
    DWORD buildNumber = 0;
    std::string servicePack;
    std::string userName;
    std::string computerName;
    std::string dateTime;      // local date and time as the user's locale writes them
    std::string timeZoneName;  // empty when the platform reports neither standard nor daylight time
};

// The header's lines: five, or six with the 64-bit line.
StringList InfoHeaderLines(const InfoHeaderFacts& facts);
// The same lines joined by CR LF, without a break after the last.
std::string InfoHeaderText(const InfoHeaderFacts& facts);

// Short date and long time of the user's locale, separated by a blank.
std::string LocalDateTimeText(const SYSTEMTIME& time);
// The name of the time zone in effect for a GetTimeZoneInformation result; empty for neither.
std::string TimeZoneNameText(DWORD zoneId, const TIME_ZONE_INFORMATION& zone);

// The facts as the system reports them now; the version is that of the process start.
InfoHeaderFacts ReadInfoHeaderFacts(bool isWow64);

// Appends the header as one block and an empty line at the end of the output.
void InsertAppAndLogInfo(ReportOutput& output, bool isWow64);

}  // namespace zem
