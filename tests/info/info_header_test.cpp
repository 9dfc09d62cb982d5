// The information header's lines for given facts, byte for byte.
#include <gtest/gtest.h>

#include <string>

#include "info/info_header.h"

namespace zem {
namespace {

InfoHeaderFacts SampleFacts() {
    InfoHeaderFacts facts;
    facts.executablePath = "C:\\Program Files\\Zem\\ZemTarvelix.exe";
    facts.majorVersion = 6;
    facts.minorVersion = 1;
    facts.buildNumber = 7601;
    facts.servicePack = "Service Pack 1";
    facts.userName = "Ann";
    facts.computerName = "OFFICE7";
    facts.dateTime = "08.12.2026 14:05:09";
    facts.timeZoneName = "W. Europe Standard Time";
    return facts;
}

const char kFirstLine[] = "Zem Tarvelix (The path/file name conversion and special folder information application)";

TEST(InfoHeaderLines, FiveLinesWithoutTheWow64Line) {
    const StringList expected = {kFirstLine,
                                 "Output was/is generated in/by \"C:\\Program Files\\Zem\\ZemTarvelix.exe\"",
                                 "under Windows version 6.1, build number 7601 with Service Pack 1",
                                 "and user account Ann, on computer OFFICE7,",
                                 "starting on/at 08.12.2026 14:05:09 W. Europe Standard Time"};
    EXPECT_EQ(InfoHeaderLines(SampleFacts()), expected);
}

TEST(InfoHeaderLines, SixLinesForA32BitProcessOn64BitWindows) {
    InfoHeaderFacts facts = SampleFacts();
    facts.isWow64 = true;
    const StringList expected = {kFirstLine,
                                 "Output was/is generated in/by \"C:\\Program Files\\Zem\\ZemTarvelix.exe\"",
                                 "Application is a 32-bit process running on a 64-bit machine,",
                                 "under Windows version 6.1, build number 7601 with Service Pack 1",
                                 "and user account Ann, on computer OFFICE7,",
                                 "starting on/at 08.12.2026 14:05:09 W. Europe Standard Time"};
    EXPECT_EQ(InfoHeaderLines(facts), expected);
}

TEST(InfoHeaderLines, LeaveOutWhatIsNotKnown) {
    InfoHeaderFacts facts = SampleFacts();
    facts.majorVersion = 10;
    facts.minorVersion = 0;
    facts.buildNumber = 19045;
    facts.servicePack.clear();
    facts.userName.clear();
    facts.computerName.clear();
    facts.timeZoneName.clear();
    const StringList lines = InfoHeaderLines(facts);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[2], "under Windows version 10.0, build number 19045");
    EXPECT_EQ(lines[3], "and user account , on computer ,");
    EXPECT_EQ(lines[4], "starting on/at 08.12.2026 14:05:09");
}

TEST(InfoHeaderLines, DoubleAQuoteInsideTheProgramPath) {
    InfoHeaderFacts facts = SampleFacts();
    facts.executablePath = "C:\\Odd\"Name\\100% sure\\x.exe";
    EXPECT_EQ(InfoHeaderLines(facts)[1], "Output was/is generated in/by \"C:\\Odd\"\"Name\\100% sure\\x.exe\"");
    EXPECT_EQ(Quoted(""), "\"\"");
    EXPECT_EQ(Quoted("\"\""), "\"\"\"\"\"\"");
}

TEST(InfoHeaderText, JoinsTheLinesWithoutABreakAfterTheLast) {
    EXPECT_EQ(InfoHeaderText(SampleFacts()),
              std::string(kFirstLine) +
                  "\r\nOutput was/is generated in/by \"C:\\Program Files\\Zem\\ZemTarvelix.exe\""
                  "\r\nunder Windows version 6.1, build number 7601 with Service Pack 1"
                  "\r\nand user account Ann, on computer OFFICE7,"
                  "\r\nstarting on/at 08.12.2026 14:05:09 W. Europe Standard Time");
}

TEST(TimeZoneNameText, NamesTheZoneInEffect) {
    TIME_ZONE_INFORMATION zone{};
    wcscpy(zone.StandardName, L"Romance Standard Time");
    wcscpy(zone.DaylightName, L"Romance Daylight Time");
    EXPECT_EQ(TimeZoneNameText(TIME_ZONE_ID_STANDARD, zone), "Romance Standard Time");
    EXPECT_EQ(TimeZoneNameText(TIME_ZONE_ID_DAYLIGHT, zone), "Romance Daylight Time");
    EXPECT_EQ(TimeZoneNameText(TIME_ZONE_ID_UNKNOWN, zone), "");
    EXPECT_EQ(TimeZoneNameText(TIME_ZONE_ID_INVALID, zone), "");
    // A name that fills the whole field has no terminating zero.
    for (WCHAR& c : zone.StandardName) c = L'x';
    EXPECT_EQ(TimeZoneNameText(TIME_ZONE_ID_STANDARD, zone), std::string(32, 'x'));
}

TEST(LocalDateTimeText, ShortDateBlankLongTime) {
    const SYSTEMTIME time{2026, 12, 2, 8, 14, 5, 9, 0};
    char date[80] = {}, clock[80] = {};
    ASSERT_GT(::GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr, date, sizeof(date)), 0);
    ASSERT_GT(::GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &time, nullptr, clock, sizeof(clock)), 0);
    const std::string text = LocalDateTimeText(time);
    EXPECT_EQ(text, std::string(date) + " " + clock);
    EXPECT_NE(text.find("2026"), std::string::npos);
    EXPECT_NE(text.find("05:09"), std::string::npos);  // the long format carries seconds
}

}  // namespace
}  // namespace zem
