// The CSV file of all duties: RFC 4180 quoting, UTF-8, CR LF.

#include "export/DutyCsv.h"

#include <gtest/gtest.h>

using namespace rp;

TEST(DutyCsv, QuotesOnlyWhatNeedsQuoting) {
    const struct {
        const char* text;
        const char* field;
    } cases[] = {{"North", "North"},
                 {"", ""},
                 {"Lee, Ann", "\"Lee, Ann\""},
                 {"Ann \"Nan\" Lee", "\"Ann \"\"Nan\"\" Lee\""},
                 {"two\r\nlines", "\"two\r\nlines\""},
                 {"line\nfeed", "\"line\nfeed\""},
                 {" blanks ", " blanks "}};
    for (const auto& c : cases)
        EXPECT_EQ(CsvField(QString::fromUtf8(c.text)), QString::fromUtf8(c.field)) << c.text;
}

TEST(DutyCsv, OneHeadingThenOneLinePerDuty) {
    Duty timed;
    timed.date = QDate(2023, 1, 5);
    timed.site = QStringLiteral("North");
    timed.slot = QLatin1Char('C');
    timed.initials = QStringLiteral("JD__");
    timed.name = QStringLiteral("Doe, Jöhn");
    timed.times = SlotTimeRange{810, 1020};
    Duty allDay = timed;
    allDay.date = QDate(2023, 1, 8);
    allDay.slot = QLatin1Char('G');
    allDay.initials = QStringLiteral("A+B_");
    allDay.name.clear();
    allDay.times.reset();
    EXPECT_EQ(DutyCsvText({timed, allDay}),
              QByteArray("Date,Weekday,Site,Slot,Times,Initials,Name\r\n"
                         "2023-01-05,Thu,North,C,13:30-17:00,JD,\"Doe, J\xc3\xb6hn\"\r\n"
                         "2023-01-08,Sun,North,G,,A+B,\r\n"));
    EXPECT_EQ(DutyCsvText({}), QByteArray("Date,Weekday,Site,Slot,Times,Initials,Name\r\n"));
}
