#pragma once

#include <QString>

namespace rp {

// The schedule's fixed-width tokens:
//   day-slot key      "05C"       day (2) + slot letter
//   slot token        "05C3"      key + weekday digit (1 = Sunday)
//   assignment record "05C3JD__"  slot token + initials
//   site token        "03S"       site number (2) + "S"
inline const QString kUnfilled = QStringLiteral("AGT?");
inline constexpr int kMaxAgents = 99;
inline constexpr int kMaxSites = 9;
inline constexpr int kSlotLetters = 8;
inline constexpr int kMaxMonthSlots = 31 * kSlotLetters;

// Initials as the generator uses them: blanks trimmed, cut to 4 and padded with "_" ("JD" -> "JD__").
QString padInitials(const QString& initials);
// Padded initials without their "_" ("JD__" -> "JD"), as people read them.
QString UnpaddedInitials(const QString& initials);
// The day of an assignment record (its first two characters), or 0 when they are not a day of a month with
// that many days.
int RecordDay(const QString& record, int daysInMonth);
// Two-digit site number followed by "S".
QString siteToken(int site);
// Two-digit day.
QString twoDigits(int n);
// The slot tokens of a month, eight per day, A to H within a day ("01A3" "01B3" ...).
QString MonthTokenList(int month, int year);

} // namespace rp
