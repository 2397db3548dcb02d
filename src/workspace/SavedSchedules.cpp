#include "workspace/SavedSchedules.h"

#include "platform/Calendar.h"
#include "platform/Error.h"
#include "platform/Files.h"
#include "platform/Text.h"
#include "workspace/DayTextsFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <algorithm>

namespace rp {

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kTxt = QStringLiteral(".TXT");
// Lines of the calendar file before the day texts.
constexpr qsizetype kHeaderLines = 7;
// A shown month spans at most six weeks.
constexpr qint64 kMaxDays = 42;

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool allDigits(const QString& s) {
    return !s.isEmpty() && std::all_of(s.begin(), s.end(), isDigit);
}

// Regular files of a folder in name order, by character codes.
QStringList fileNames(const QString& folder) {
    QStringList names = QDir(folder).entryList(QDir::Files);
    std::sort(names.begin(), names.end());
    return names;
}

QString decode(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

std::optional<QString> readText(const QString& path) {
    const std::optional<QByteArray> bytes = readExistingBinaryFile(path);
    if (!bytes)
        return std::nullopt;
    return decode(*bytes);
}

// A header line written as one line, whatever it held.
QString oneLine(QString s) {
    s.replace(QLatin1Char('\r'), QLatin1Char(' '));
    s.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return s;
}

// A day text as it is written: no "~" of its own, and every line break a CR LF, so that it reads back
// exactly as written.
QString dayText(QString s) {
    s.replace(QLatin1Char('~'), QLatin1Char('-'));
    s.replace(kCrLf, QStringLiteral("\n"));
    s.replace(QLatin1Char('\n'), kCrLf);
    return s;
}

std::optional<qint64> dayNumberLine(const QString& line) {
    const QString s = trimBlanks(line);
    bool ok = false;
    const qint64 n = s.toLongLong(&ok);
    return allDigits(s) && ok ? std::optional<qint64>(n) : std::nullopt;
}

} // namespace

QString SavedFolder(const QString& appFolder) {
    return appFolder + QStringLiteral("/Saved");
}

QString CleanName(const QString& siteHeading) {
    const QString t = trimBlanks(siteHeading);
    const auto bad = std::find_if(t.begin(), t.end(), [](QChar c) {
        return !(isDigit(c) || c == QLatin1Char(' ') || (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
                 (c >= QLatin1Char('a') && c <= QLatin1Char('z')));
    });
    return t.left(bad - t.begin());
}

bool IsSavedCalendarName(const QString& fileName) {
    return fileName.size() >= 9 && fileName[0] >= QLatin1Char('0') && fileName[0] <= QLatin1Char('8') &&
           fileName[1] == QLatin1Char('_') && fileName.mid(2, 3) == QLatin1String("CAL") &&
           fileName.right(4).toUpper() == kTxt;
}

QString SavedCalendarFileName(const QString& siteNumberText, const QString& cleanName) {
    return siteNumberText + QStringLiteral("_CAL_") + cleanName + kTxt;
}

QString SavedReportFileName(const QString& calendarFileName) {
    return QString(calendarFileName).replace(1, 4, QStringLiteral("_RPT"));
}

QString SavedFilePath(const QString& folder, const QString& fileName) {
    for (const QString& name : fileNames(folder)) {
        if (name.compare(fileName, Qt::CaseInsensitive) == 0)
            return folder + QLatin1Char('/') + name;
    }
    return folder + QLatin1Char('/') + fileName;
}

bool IsListedSiteNumber(const QString& siteNumberText) {
    return siteNumberText.size() == 1 && siteNumberText[0] >= QLatin1Char('1') &&
           siteNumberText[0] <= QLatin1Char('5');
}

SavedList ArrayFilesFunction(const QString& appFolder) {
    SavedList list;
    QStringList captions(5), files(5);
    QList<QDateTime> modified(5);
    int last = 0;
    const QString folder = SavedFolder(appFolder);
    for (const QString& name : fileNames(folder)) {
        if (!IsSavedCalendarName(name))
            continue;
        if (!IsListedSiteNumber(name.left(1))) {
            list.overLimit = true;
            continue;
        }
        const int site = name[0].digitValue();
        last = std::max(last, site);
        const QDateTime time = QFileInfo(folder + QLatin1Char('/') + name).lastModified();
        if (!files[site - 1].isEmpty() && time < modified[site - 1])
            continue;
        modified[site - 1] = time;
        captions[site - 1] =
            name.left(1) + QLatin1Char(' ') + name.mid(6, std::max<qsizetype>(0, name.size() - 10));
        files[site - 1] = name;
    }
    captions.resize(last);
    files.resize(last);
    list.captions = captions << QString();
    list.files = files << QString();
    return list;
}

QString SavedCalendarText(const SavedSchedule& s) {
    QStringList texts;
    for (const QString& t : s.texts)
        texts << dayText(t);
    return crlfLines({s.siteNumberText, s.month, s.year, QString::number(s.start), QString::number(s.end),
                      oneLine(s.heading), oneLine(s.rules)}) +
           DayTextLines(texts);
}

void WriteSavedSchedule(const QString& calendarPath, const QString& reportPath, const SavedSchedule& schedule,
                        const QString& reportText) {
    QDir().mkpath(QFileInfo(calendarPath).absolutePath());
    const std::optional<QByteArray> before = readBinaryFile(calendarPath);
    writeTextFileAtomic(calendarPath, SavedCalendarText(schedule));
    try {
        writeTextFileAtomic(reportPath, reportText + kCrLf);
    } catch (const Error&) {
        // The calendar goes back as it was, so that a failed save leaves the saved schedule whole.
        try {
            if (before)
                writeBinaryFileAtomic(calendarPath, *before);
            else
                QFile::remove(calendarPath);
        } catch (const Error&) {
            // The failure reported is the one of the report.
        }
        throw;
    }
}

QString SaveSiteSchedule(const QString& appFolder, const SavedSchedule& schedule, const QString& reportText) {
    const QString folder = SavedFolder(appFolder);
    const QString calendar =
        SavedFilePath(folder, SavedCalendarFileName(schedule.siteNumberText, CleanName(schedule.heading)));
    const QString calendarName = QFileInfo(calendar).fileName();
    WriteSavedSchedule(calendar, SavedFilePath(folder, SavedReportFileName(calendarName)), schedule,
                       reportText);
    for (const QString& name : fileNames(folder)) {
        if (name == calendarName || !IsSavedCalendarName(name) || name[0] != calendarName[0])
            continue;
        // The report first: a calendar left without its report still opens, a report alone is never listed.
        QFile::remove(SavedFilePath(folder, SavedReportFileName(name)));
        QFile::remove(folder + QLatin1Char('/') + name);
    }
    return calendar;
}

std::optional<SavedSchedule> ReadSavedCalendar(const QString& path, QChar siteDigit) {
    const std::optional<QString> content = readText(path);
    if (!content)
        return std::nullopt;
    const QStringList lines = splitLines(*content);
    if (lines.size() < kHeaderLines)
        return std::nullopt;
    SavedSchedule s;
    s.siteNumberText = trimBlanks(lines[0]);
    const QString month = trimBlanks(lines[1]);
    s.year = trimBlanks(lines[2]);
    const auto start = dayNumberLine(lines[3]);
    const auto end = dayNumberLine(lines[4]);
    if (s.siteNumberText != QString(siteDigit) || !isDigit(siteDigit) || !allDigits(month) ||
        month.size() > 2 || month.toInt() < 1 || month.toInt() > 12 || s.year.size() != 4 ||
        !allDigits(s.year) || !start || !end || *end < *start || *end - *start + 1 > kMaxDays)
        return std::nullopt;
    const QDate firstOfMonth(s.year.toInt(), month.toInt(), 1);
    const qint64 first = dayNumber(firstOfMonth);
    if (!firstOfMonth.isValid() || first < *start || first > *end)
        return std::nullopt;
    s.month = QString::number(month.toInt());
    s.start = *start;
    s.end = *end;
    s.heading = lines[5];
    s.rules = lines[6];
    const qsizetype count = *end - *start + 1;
    // Each day ends at the next line holding "~"; the file is whole when there are enough of them.
    const auto ends = std::count_if(lines.begin() + kHeaderLines, lines.end(), [](const QString& l) {
        return !l.isEmpty() && l.contains(QLatin1Char('~'));
    });
    if (ends < count)
        throw Error::runtime(err::InputPastEndOfFile);
    s.texts = ReadDayTexts(lines, kHeaderLines, count);
    return s;
}

QString ReadSavedReport(const QString& path) {
    QString text = readText(path).value_or(QString());
    if (text.endsWith(kCrLf))
        text.chop(2);
    return text;
}

QStringList DeleteSavedSchedules(const QString& appFolder) {
    const QString folder = SavedFolder(appFolder);
    QStringList failed;
    for (const QString& name : fileNames(folder)) {
        if (name.size() >= 6 && name[1] == QLatin1Char('_') && name[5] == QLatin1Char('_') &&
            !QFile::remove(folder + QLatin1Char('/') + name))
            failed << name;
    }
    return failed;
}

} // namespace rp
