// A saved schedule: the calendar file ("2_CAL_North.TXT": site number, month, year, shown range, heading,
// rules, then each date's text ended by "~") and the report file beside it. What is read is written
// again and must read back the same, "~" in a day text saved as "-" and a line break inside the heading or
// the rules as a blank.

#include "FuzzSupport.h"
#include "platform/Error.h"
#include "workspace/SavedSchedules.h"

using namespace rp;

namespace {

// A header line as it is written: a carriage return or line feed inside it becomes a blank.
QString oneLine(QString s) {
    return s.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = fuzz::bytesOf(data, size);
    const QString calendar = fuzz::putFile(QStringLiteral("Saved/2_CAL_North.TXT"), bytes);
    const QString report = fuzz::putFile(QStringLiteral("Saved/2_RPT_North.TXT"), bytes);

    std::optional<SavedSchedule> read;
    try {
        read = ReadSavedCalendar(calendar, QLatin1Char('2'));
    } catch (const Error& e) {
        FUZZ_CHECK(e.number == 62);
    }
    (void)ReadSavedReport(report);
    if (!read)
        return 0;
    FUZZ_CHECK(read->texts.size() == read->end - read->start + 1);

    WriteSavedSchedule(calendar, report, *read, QStringLiteral("report"));
    const std::optional<SavedSchedule> back = ReadSavedCalendar(calendar, QLatin1Char('2'));
    FUZZ_CHECK(back.has_value());
    FUZZ_CHECK(back->siteNumberText == read->siteNumberText && back->month == read->month &&
               back->year == read->year && back->start == read->start && back->end == read->end);
    FUZZ_CHECK(back->heading == oneLine(read->heading) && back->rules == oneLine(read->rules));
    QStringList expected = read->texts;
    for (QString& t : expected)
        t.replace(QLatin1Char('~'), QLatin1Char('-'));
    FUZZ_CHECK(back->texts == expected);
    FUZZ_CHECK(ReadSavedReport(report) == QLatin1String("report"));
    return 0;
}
