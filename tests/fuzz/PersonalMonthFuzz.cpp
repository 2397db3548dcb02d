// The personal calendar's files: a month file (day numbers of the shown range, heading, rules, then each
// date's text ended by "~") and LastCalendar.txt; and the month file written from any day texts, which
// must read back as written (a "~" that would end a text early kept as "-").

#include "FuzzSupport.h"
#include "workspace/DayTextsFile.h"
#include "workspace/PersonalCalendar.h"

#include <QDate>

using namespace rp;

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// Day texts made from the input: its text cut at every NUL character, at most 42 of them, each line break
// a CR LF as the month control gives them.
QStringList dayTextsOf(const QString& text) {
    QStringList texts = text.split(QChar(u'\0'));
    if (texts.size() > 42)
        texts.resize(42);
    for (QString& t : texts)
        t.replace(kCrLf, QStringLiteral("\n")).replace(QLatin1Char('\n'), kCrLf);
    return texts;
}

// A text as it reads back: a "~" before its last line is kept as "-".
QString readBack(const QString& text) {
    QStringList lines = text.split(kCrLf);
    for (qsizetype i = 0; i + 1 < lines.size(); ++i)
        lines[i].replace(QLatin1Char('~'), QLatin1Char('-'));
    return lines.join(kCrLf);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = fuzz::bytesOf(data, size);
    const QString& folder = fuzz::scratchFolder();

    const QString monthPath = PersonalMonthPath(folder, 1, 2024);
    fuzz::putFile(QStringLiteral("Personal/12024.txt"), bytes);
    const DayTextsFile read = ReadPersonalMonthFile(monthPath);
    if (!read.damage) {
        FUZZ_CHECK(read.start > 0 || read.texts.isEmpty());
        FUZZ_CHECK(read.texts.size() == (read.start > 0 ? read.end - read.start + 1 : 0));
    }

    fuzz::putFile(QStringLiteral("Personal/LastCalendar.txt"), bytes);
    const PersonalMonth last = ReadLastCalendar(folder, QDate(2024, 1, 15));
    FUZZ_CHECK(last.month >= 1 && last.month <= 12 && last.year >= 1900 && last.year <= 9999);
    FUZZ_CHECK(IsValidMonthText(last.monthText()) && IsValidYearText(last.yearText()));

    // Whatever the user typed into the days is read back exactly.
    DayTextsFile written;
    written.texts = dayTextsOf(QString::fromUtf8(bytes));
    written.start = 45290; // Sunday 31 December 2023, the first date January 2024 shows
    written.end = written.start + written.texts.size() - 1;
    written.heading = QStringLiteral("Personal");
    written.rules = QString();
    WritePersonalMonthFile(monthPath, written);
    const DayTextsFile back = ReadPersonalMonthFile(monthPath);
    FUZZ_CHECK(!back.damage);
    FUZZ_CHECK(back.start == written.start && back.end == written.end);
    QStringList expected;
    for (const QString& t : written.texts)
        expected << readBack(t);
    FUZZ_CHECK(back.texts == expected);
    return 0;
}
