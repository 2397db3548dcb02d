#pragma once

#include <QString>

namespace rp {

class Ui;

// The short lists users type into the editors: date lists ("5 10-15 20"), site lists ("1 3", "1-3") and
// manual slot lists ("1A 12G 26C"), and their conversion into the schedule's tokens.

// Removes blanks before a dash, after a dash and doubled blanks; drops a leading dash.
QString CanonicaliseDateList(const QString& text);

// Replaces every range "low-high" by the numbers low..high separated by blanks (nothing when low > high).
// A part that is not all digits counts as 0; a range ends at most 31 after its low number.
QString ExpandDateRanges(const QString& text);

// Day-slot keys of an expanded list for the given letters: for each letter, for each number, the number
// padded to two digits and the letter ("5 12" with "AB" gives 05A12A05B12B). With the letter "S" it gives
// site-membership tokens ("1 3" gives 01S03S).
QString DateListToDayKeys(const QString& expandedList, const QString& letters);

// Day-slot keys of a manual slot list: blanks removed, cut after each capital A to H, a one-digit day
// padded ("1A 12G 26C" gives 01A12G26C). Anything after the last slot letter is dropped.
QString NormaliseManualList(const QString& text);

// Slot tokens of day-slot keys: each three-character key found in the month token list gets the weekday
// digit that follows it there; keys not in the month are dropped.
QString ManualKeysToSlotTokens(const QString& keys, const QString& monthTokens);

// Assignment records: every four-character slot token followed by the initials.
QString AppendInitials(const QString& slotTokens, const QString& initials);

// A clicked day appended to a field: directly after a trailing dash, else after one blank.
QString AppendDay(const QString& fieldText, int day);

// The editors' checks when a field is left. An empty field is set to one blank and passes. A failing
// check shows its message and returns false; the caller puts the focus back.
// Site names hold ASCII letters, digits and blanks only, so that they can name the site's files.
bool IsSiteNameCharacter(QChar c);
bool IsValidSiteName(const QString& name);

bool CheckDateList(QString& field, Ui& ui);
bool CheckManualList(QString& field, Ui& ui);

// Message texts of the two checks.
QString dateListErrorText();
QString manualListErrorText();

} // namespace rp
