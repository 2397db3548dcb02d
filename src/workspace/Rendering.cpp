#include "workspace/Rendering.h"

#include "model/ScheduleState.h"
#include "model/SlotTimesFile.h"
#include "platform/Calendar.h"
#include "platform/Ui.h"

#include <QFileInfo>

namespace rp {

namespace {
const QString kCrLf = QStringLiteral("\r\n");
}

void BuildDayTexts(ScheduleState& state, const QString& calendarText, bool fullName, Ui& ui) {
    // cells[day][letter]
    std::array<std::array<QString, 8>, 32> cells{};
    for (qsizetype i = 0; i < calendarText.size(); i += 8) {
        const QString record = calendarText.mid(i, 8);
        const QString dayText = record.left(2);
        bool ok = false;
        const int day = dayText.toInt(&ok);
        const QChar letter = record.size() > 2 ? record[2] : QChar();
        if (!ok || day < 0 || day > 31 || letter < QLatin1Char('A') || letter > QLatin1Char('H')) {
            ui.message(QStringLiteral("An error was detected while creating the schedule. Check the agent "
                                      "information you've entered, especially any manual entries."),
                       QStringLiteral("Error"), Icon::Warning, Buttons::Ok);
            continue;
        }
        QString code = record.mid(4, 4);
        if (fullName) {
            const qsizetype at = state.AgentInitials.indexOf(code);
            if (at >= 0 && at < state.AgentNames.size())
                code = state.AgentNames[at];
        }
        QString& cell = cells[size_t(day)][size_t(letter.unicode() - 'A')];
        cell = cell.isEmpty() ? code : cell + QStringLiteral(" + ") + code;
    }
    for (int day = 1; day <= 31; ++day) {
        QString text;
        for (int l = 0; l < 8; ++l) {
            const QString& cell = cells[size_t(day)][size_t(l)];
            const QString prefix = QString(QLatin1Char(char('A' + l))) + QLatin1Char('-');
            if (state.LetterYes)
                text += prefix + cell;
            else if (state.LetterNo)
                text += cell;
            else if (cell.size() > 1)
                text += prefix + cell;
            text += kCrLf;
        }
        state.DayText[size_t(day)] = text;
    }
}

QString SummaryDayName(QChar weekdayDigit) {
    static const char* const names[] = {"SUN", "MON", "TUE", "WED", "THU", "FRI"};
    const int w = weekdayDigit.digitValue();
    return w >= 1 && w <= 6 ? QLatin1String(names[w - 1]) : QStringLiteral("SAT");
}

QStringList BuildAgentSummaries(const QStringList& initials, const QString& calendarText) {
    QStringList summaries;
    for (const QString& code : initials) {
        QStringList entries;
        for (qsizetype i = 0; i < calendarText.size(); i += 8) {
            const QString record = calendarText.mid(i, 8);
            if (!record.contains(code))
                continue;
            entries << SummaryDayName(record.size() > 3 ? record[3] : QChar()) + QLatin1Char('/') +
                           record.left(2) + QLatin1Char('/') + record.mid(2, 1) + QLatin1Char(' ');
        }
        auto dayOf = [](const QString& e) { return e.mid(e.indexOf(QLatin1Char('/')) + 1, 2).toInt(); };
        // Exchange sort by day: later entries with a smaller day move forward.
        for (qsizetype k = 0; k + 1 < entries.size(); ++k) {
            for (qsizetype l = k + 1; l < entries.size(); ++l) {
                if (dayOf(entries[l]) < dayOf(entries[k]))
                    entries.swapItemsAt(k, l);
            }
        }
        summaries << entries.join(QString()) + QStringLiteral(" (%1)").arg(entries.size());
    }
    return summaries;
}

SiteTimes GetSiteTimesByDay(SiteTimesLookup& lookup, int weekday, Ui& ui, bool& resetCalendarIndex) {
    SiteTimes times;
    times[0] = QStringLiteral("0");
    QString dayName = TimesDayName(weekday);
    if (dayName.isEmpty())
        ui.message(QStringLiteral("Unknown Case in frmCalendar.GetTimesByDay"), QStringLiteral("Error"),
                   Icon::Critical, Buttons::Ok);
    if (lookup.siteHeading.isEmpty()) {
        if (!lookup.siteInformationMessageShown) {
            lookup.siteInformationMessageShown = true;
            ui.message(QStringLiteral("Check your site information.\r\nIf you deleted a site you may need to "
                                      "restart the application"),
                       QStringLiteral("GetSiteTimesByDay"), Icon::None, Buttons::Ok);
            resetCalendarIndex = true;
        }
        return times;
    }
    QString siteName = lookup.siteHeading;
    siteName.chop(2);
    SiteTimesRecord record;
    try {
        record = ReadSiteTimes(TimesFilePath(lookup.appFolder, lookup.siteNumberText, siteName, weekday));
    } catch (const Error&) {
        // A times file that cannot be read, or a name that cannot name one: the letters are shown.
        return times;
    }
    times[0] = QString::number(record.UseTimes);
    for (int i = 0; i < 8; ++i)
        times[size_t(i + 1)] = record.SlotText[size_t(i)];
    return times;
}

QString ReplaceLetters(const QString& text, const SiteTimes& times) {
    bool printable = false;
    for (QChar c : text) {
        if (c.unicode() >= 32 && c.unicode() <= 126) {
            printable = true;
            break;
        }
    }
    if (!printable)
        return {};
    QString result = text;
    for (int i = 0; i < 8; ++i) {
        const QString prefix = QString(QLatin1Char(char('A' + i))) + QLatin1Char('-');
        const qsizetype at = result.indexOf(prefix);
        if (at >= 0)
            result.replace(at, 2, times[size_t(i + 1)] + QLatin1Char(' '));
    }
    return result;
}

MonthRange SetMonthRange(int month, int year) {
    const QDate first(year, month, 1);
    const QDate last = first.addMonths(1).addDays(-1);
    MonthRange r;
    r.first = first.addDays(-((weekdayOf(first) - 1) % 7));
    r.last = last.addDays(7 - (weekdayOf(last) % 7));
    return r;
}

} // namespace rp
