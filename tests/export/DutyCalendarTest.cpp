// The iCalendar files of the duties, read back by a second, independent reader (python3-icalendar): for
// each agent the events are exactly its records in the calendar files, timed from the slot times files
// where they hold a range, in the zone asked for, with identifiers that do not change from one export to
// the next. And the CSV file beside them.

#include "OfficeBuilder.h"
#include "Printers.h"
#include "export/DutyExport.h"
#include "model/SlotTimesFile.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>

using namespace rp;
using namespace rp::test;

namespace {

const char* const kReader = R"(
import glob, json, os, sys
from icalendar import Calendar
out = {}
for path in sorted(glob.glob(os.path.join(sys.argv[1], '*.ics'))):
    with open(path, 'rb') as f:
        cal = Calendar.from_ical(f.read())
    events = []
    for ev in cal.walk('VEVENT'):
        start, end = ev.decoded('DTSTART'), ev.decoded('DTEND')
        timed = hasattr(start, 'hour')
        offset = start.utcoffset() if timed else None
        events.append({'uid': str(ev['UID']), 'summary': str(ev['SUMMARY']), 'start': start.isoformat(),
                       'end': end.isoformat(), 'timed': timed,
                       'offset': None if offset is None else offset.total_seconds() / 60})
    out[os.path.basename(path)] = {'version': str(cal['VERSION']), 'events': events}
print(json.dumps(out))
)";

// The files of a folder as the reader sees them, by file name.
QJsonObject readCalendars(const QString& folder) {
    // The system's python3, which python3-icalendar (scripts/setup-deps.sh) belongs to, before any other.
    QString python = QStandardPaths::findExecutable(QStringLiteral("python3"), {QStringLiteral("/usr/bin")});
    if (python.isEmpty())
        python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    EXPECT_FALSE(python.isEmpty());
    QProcess p;
    p.start(python, {QStringLiteral("-c"), QLatin1String(kReader), folder});
    EXPECT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    return QJsonDocument::fromJson(p.readAllStandardOutput()).object();
}

// North opens two morning slots a day and C and D on Thursdays, South one evening slot, both for part of
// January 2023. North's Thursday and Sunday times files hold ranges for some slots and a label for D.
// C+D is a team, GH works at no site of the office.
void buildOffice(OfficeRun& run) {
    SiteSetup north;
    north.am = everyDay(2);
    north.pm = onDay(5, 2);
    north.close = QStringLiteral("15-31");
    run.addSite(north);
    SiteSetup south;
    south.number = 2;
    south.name = QStringLiteral("South");
    south.ev = everyDay(1);
    south.close = QStringLiteral("1-7 22-31");
    run.addSite(south);
    run.addAgent(QStringLiteral("AL"), QStringLiteral("1 2"));
    run.addAgent(QStringLiteral("BO"), QStringLiteral("1"));
    run.addAgent(QStringLiteral("C+D"), QStringLiteral("1-2"));
    AgentSetup ef;
    ef.name = QStringLiteral("Lee, \u00c9mile");
    ef.initials = QStringLiteral("EF");
    ef.assigned = QStringLiteral("2");
    run.addAgent(ef);
    run.addAgent(QStringLiteral("GH"), QStringLiteral("9"));
    const QString folder = run.folder.path();
    WriteSiteTimes(TimesFilePath(folder, QStringLiteral("1"), QStringLiteral("North"), 5), true,
                   {QStringLiteral("9-12"), QStringLiteral("9:00-12:30"), QStringLiteral("13.30-17"),
                    QStringLiteral("Afternoon")});
    // Times that are not shown in place of the letters are the slot's hours all the same.
    WriteSiteTimes(TimesFilePath(folder, QStringLiteral("1"), QStringLiteral("North"), 1), false,
                   {QStringLiteral("8-10")});
}

struct Expected {
    QString site;
    QString siteNumber;
    QString record;
};

// Every duty record of the generation, by initials.
QHash<QString, QList<Expected>> recordsByInitials(const OfficeRun& run) {
    QHash<QString, QList<Expected>> out;
    for (int n = 1; n <= run.program.schedule.CalendarCount; ++n) {
        const QStringList d = QString::fromStdString(run.description(n)).split(QStringLiteral("\r\n"));
        for (const QString& r :
             QString::fromStdString(run.calendar(n)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
            if (r.mid(4) != QLatin1String("AGT?"))
                out[r.mid(4)] << Expected{d[0].chopped(2), d[1], r};
        }
    }
    return out;
}

QString unpadded(QString initials) {
    while (initials.endsWith(QLatin1Char('_')))
        initials.chop(1);
    return initials;
}

struct ZoneCase {
    const char* zone;
    std::optional<double> offset; // minutes east of UTC in January; none: local ("floating") times
};

class DutyCalendars : public ::testing::TestWithParam<ZoneCase> {};

} // namespace

TEST_P(DutyCalendars, ReadBackAsEachAgentsRecordsWithTheirTimes) {
    OfficeRun run;
    buildOffice(run);
    run.generate(1);
    QTemporaryDir out;
    DutyExportTarget target;
    target.calendarFolder = out.path();
    target.csvFile = out.filePath(QStringLiteral("duties.csv"));
    target.calendar.timeZone = GetParam().zone;
    target.calendar.stamp = QDateTime(QDate(2023, 1, 2), QTime(8, 0), Qt::UTC);
    const DutyExportResult result = ExportDuties(run.program, target);
    ASSERT_TRUE(result.problem.isEmpty()) << result.problem.toStdString();

    const QHash<QString, QList<Expected>> expected = recordsByInitials(run);
    const QJsonObject files = readCalendars(out.path());
    const QStringList agents{QStringLiteral("AL__"), QStringLiteral("BO__"), QStringLiteral("C+D_"),
                             QStringLiteral("EF__"), QStringLiteral("GH__")};
    EXPECT_EQ(files.size(), agents.size()) << "a file for every agent, with or without duties";
    int duties = 0;
    const QRegularExpression summary(QStringLiteral("^(.+): slot ([A-H])(?: \\((AM|PM1|PM2)\\))?$"));
    for (const QString& initials : agents) {
        SCOPED_TRACE(initials.toStdString());
        const QJsonObject file = files[DutyCalendarFileName(1, 2023, initials)].toObject();
        EXPECT_EQ(file[QStringLiteral("version")].toString(), QStringLiteral("2.0"));
        QStringList want, got, wantUids, gotUids;
        for (const Expected& e : expected.value(initials)) {
            want << QStringLiteral("2023-01-%1|%2|%3").arg(e.record.left(2), e.site, e.record.mid(2, 1));
            wantUids << QStringLiteral("2023-01-S%1-%2-%3@rotaplan")
                            .arg(e.siteNumber, e.record.left(3),
                                 QString::fromLatin1(QUrl::toPercentEncoding(unpadded(initials))));
        }
        for (const QJsonValue& v : file[QStringLiteral("events")].toArray()) {
            const QJsonObject ev = v.toObject();
            const QRegularExpressionMatch m = summary.match(ev[QStringLiteral("summary")].toString());
            ASSERT_TRUE(m.hasMatch()) << ev[QStringLiteral("summary")].toString().toStdString();
            const QString start = ev[QStringLiteral("start")].toString();
            const QString end = ev[QStringLiteral("end")].toString();
            const QDate date = QDate::fromString(start.left(10), Qt::ISODate);
            got << start.left(10) + QLatin1Char('|') + m.captured(1) + QLatin1Char('|') + m.captured(2);
            gotUids << ev[QStringLiteral("uid")].toString();

            // The hours where the site's times file of that weekday holds a range, else the whole day.
            const QString number =
                m.captured(1) == QLatin1String("North") ? QStringLiteral("1") : QStringLiteral("2");
            const SiteTimesRecord times = ReadSiteTimes(
                TimesFilePath(run.folder.path(), number, m.captured(1), date.dayOfWeek() % 7 + 1));
            const std::optional<SlotTimeRange> range =
                ParseSlotTimeRange(times.SlotText[size_t(m.captured(2)[0].unicode() - 'A')]);
            EXPECT_EQ(ev[QStringLiteral("timed")].toBool(), range.has_value()) << start.toStdString();
            if (range) {
                EXPECT_EQ(start.mid(11, 5) + QLatin1Char('-') + end.mid(11, 5), range->text());
                EXPECT_TRUE(m.captured(3).isEmpty());
                const QJsonValue offset = ev[QStringLiteral("offset")];
                if (GetParam().offset) {
                    EXPECT_EQ(offset.toDouble(), *GetParam().offset) << start.toStdString();
                } else {
                    EXPECT_TRUE(offset.isNull()) << start.toStdString();
                }
            } else {
                EXPECT_EQ(m.captured(3), ShiftOfSlot(m.captured(2)[0]));
                EXPECT_EQ(end, date.addDays(1).toString(Qt::ISODate));
            }
        }
        want.sort();
        got.sort();
        EXPECT_EQ(got, want);
        wantUids.sort();
        gotUids.sort();
        EXPECT_EQ(gotUids, wantUids);
        duties += int(want.size());
    }
    EXPECT_GT(duties, 40);
    EXPECT_EQ(result.duties, duties);
    QFile csvFile(target.csvFile);
    ASSERT_TRUE(csvFile.open(QIODevice::ReadOnly));
    const QByteArray bytes = csvFile.readAll();
    EXPECT_EQ(bytes.count("\r\n"), duties + 1);
    EXPECT_TRUE(bytes.contains("2023-01-05,Thu,North,C,13:30-17:00,")) << bytes.toStdString();
    EXPECT_TRUE(bytes.contains(",EF,\"Lee, \xc3\x89mile\"\r\n")) << bytes.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Zones, DutyCalendars,
                         ::testing::Values(ZoneCase{"Europe/Berlin", 60.0},
                                           ZoneCase{"America/New_York", -300.0}, ZoneCase{"Etc/UTC", 0.0},
                                           ZoneCase{"UTC", 0.0}, ZoneCase{"Nowhere/Town", std::nullopt}),
                         [](const auto& info) {
                             return QString::fromLatin1(info.param.zone)
                                 .replace(QRegularExpression(QStringLiteral("\\W")), QStringLiteral("_"))
                                 .toStdString();
                         });

TEST(DutyCalendarFiles, ASecondExportOfTheSameMonthChangesOnlyTheTimeStamps) {
    OfficeRun run;
    buildOffice(run);
    run.generate(1);
    QTemporaryDir first, second;
    for (auto [dir, day] : {std::pair{&first, 2}, std::pair{&second, 3}}) {
        DutyExportTarget target;
        target.calendarFolder = dir->path();
        target.calendar.timeZone = "Europe/Berlin";
        target.calendar.stamp = QDateTime(QDate(2023, 1, day), QTime(8, 0), Qt::UTC);
        ExportDuties(run.program, target);
    }
    const QStringList names = QDir(first.path()).entryList(QDir::Files);
    EXPECT_EQ(names, QDir(second.path()).entryList(QDir::Files));
    for (const QString& name : names) {
        QByteArray a = readFile(first.filePath(name)), b = readFile(second.filePath(name));
        if (a.contains("BEGIN:VEVENT")) {
            EXPECT_NE(a, b) << name.toStdString();
        }
        a.replace("DTSTAMP:20230102T080000Z", "DTSTAMP:X");
        b.replace("DTSTAMP:20230103T080000Z", "DTSTAMP:X");
        EXPECT_EQ(a, b) << name.toStdString();
    }
}

TEST(DutyCalendarFiles, NothingGeneratedWritesNothing) {
    OfficeRun run;
    buildOffice(run);
    QTemporaryDir out;
    DutyExportTarget target;
    target.calendarFolder = out.path();
    target.csvFile = out.filePath(QStringLiteral("duties.csv"));
    const DutyExportResult result = ExportDuties(run.program, target);
    EXPECT_FALSE(result.problem.isEmpty());
    EXPECT_TRUE(QDir(out.path()).entryList(QDir::Files).isEmpty());
}

TEST(DutyCalendarFiles, AFolderThatCannotBeWrittenIsAnError) {
    OfficeRun run;
    buildOffice(run);
    run.generate(1);
    DutyExportTarget target;
    target.calendarFolder = run.folder.file(QStringLiteral("missing/folder"));
    EXPECT_THROW(ExportDuties(run.program, target), Error);
}
