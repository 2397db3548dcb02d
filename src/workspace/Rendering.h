#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <array>

namespace rp {

class Ui;
struct ScheduleState;

// Turning a generated calendar file into what the calendar window shows.

// The eight lines of every day 1..31 (letters A to H, each line ended by CR LF), built from the
// calendar's 8-character records; codes become full names when fullName is set. A record that cannot be
// placed is reported once per record. The texts go into state.DayText.
void BuildDayTexts(ScheduleState& state, const QString& calendarText, bool fullName, Ui& ui);

// Per agent of initials, the duties of the calendar: "MON/05/A " ... sorted by day, then " (count)".
QStringList BuildAgentSummaries(const QStringList& initials, const QString& calendarText);

// Slot times of a weekday for the shown site: entry 0 the use-times value as text, 1..8 the texts of
// A..H. A site heading that is empty gives entry 0 = "0" (and, once per run, a message).
using SiteTimes = std::array<QString, 9>;
struct SiteTimesLookup {
    QString appFolder;
    QString siteHeading;
    QString siteNumberText;
    bool siteInformationMessageShown = false; // the "Check your site information." message, once per run
};
SiteTimes GetSiteTimesByDay(SiteTimesLookup& lookup, int weekday, Ui& ui, bool& resetCalendarIndex);

// Replaces the first "A-" .. "H-" of a day text by the slot's time text and a blank.
QString ReplaceLetters(const QString& text, const SiteTimes& times);

// The shown range of a month: from the Sunday on or before the 1st to the first Saturday after the last
// day (a month ending on a Saturday runs on to the Saturday a week later).
struct MonthRange {
    QDate first;
    QDate last;
};
MonthRange SetMonthRange(int month, int year);

// Day names of the summaries by weekday digit ("SUN" .. "SAT").
QString SummaryDayName(QChar weekdayDigit);

} // namespace rp
