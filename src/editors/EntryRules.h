#pragma once

#include "model/SlotLetters.h"

#include <QList>
#include <QString>
#include <optional>

namespace rp {

// What the editors' boxes let in, character by character, and the small texts and numbers the editors
// build from their records. No widgets: the windows apply these to typed and pasted text alike.

// The verdict of a box on one character: it passes (possibly changed, a to A), is refused (a beep), or
// is replaced by a blank after a message.
struct KeyOutcome {
    enum class Kind { Pass, Refuse, Replace };
    Kind kind = Kind::Pass;
    QChar ch;
    static KeyOutcome pass(QChar c) { return {Kind::Pass, c}; }
    static KeyOutcome refuse(QChar c) { return {Kind::Refuse, c}; }
    static KeyOutcome blank() { return {Kind::Replace, QLatin1Char(' ')}; }
};
using KeyRule = KeyOutcome (*)(QChar);

// The Enter key as a character.
inline constexpr char16_t kEnterChar = u'\r';

// Agent boxes.
KeyOutcome AgentNameKey(QChar c);     // anything but an apostrophe or a double quote (those become a blank)
KeyOutcome AgentInitialsKey(QChar c); // as the name
KeyOutcome AgentSitesKey(QChar c);    // 1 to 9, blank, Enter
KeyOutcome MaxTimesKey(QChar c);      // 0 to 9, Enter
KeyOutcome DateListKey(QChar c);      // 0 to 9, blank, dash, Enter (also the site holiday box)
KeyOutcome ManualOnKey(QChar c);      // 0 to 9, A to H (a to h become capitals), blank, Enter
KeyOutcome ManualSiteKey(QChar c);    // 0 to 9, Enter
KeyOutcome AnyKey(QChar c);           // everything passes
// Site boxes.
KeyOutcome SiteNameKey(QChar c);  // letters a-z, A-Z, digits, blank; anything else becomes a blank
KeyOutcome SiteLinkKey(QChar c);  // A to Z (a to z become capitals), Enter
KeyOutcome SlotCountKey(QChar c); // 0 to 9, Enter

// An insertion (typed or pasted) as a box takes it: each character through the rule, line ends that pass
// dropped (the boxes hold one line), and cut to room characters when room >= 0.
struct FilteredText {
    QString text;
    bool refused = false;  // some character was refused
    bool replaced = false; // some character was replaced by a blank
    bool cut = false;      // the insertion did not fit
};
FilteredText FilterInsertion(const QString& inserted, KeyRule rule, int room);

// What the boxes take. A box takes at most its limit of typed or pasted characters; a click on the calendar
// (or on a site list) adds to a box only while it holds at most its click room.
inline constexpr int kAgentNameLimit = 24;
inline constexpr int kAgentInitialsLimit = 4;
inline constexpr int kAgentSitesLimit = 22;
inline constexpr int kAgentSitesClickRoom = 20;
inline constexpr int kMaxTimesLimit = 2;
inline constexpr int kDateOffLimit = 43; // the four date-off boxes of an agent
inline constexpr int kDateOffClickRoom = 39;
inline constexpr int kManualSiteLimit = 1;
inline constexpr int kManualOnLimit = 27; // the two boxes of the days and slots an agent is on
inline constexpr int kManualOnClickRoom = 26;
inline constexpr int kSiteNameLimit = 14;
inline constexpr int kSiteLinkLimit = 1;
inline constexpr int kSlotCountLimit = 1;
inline constexpr int kHolidayLimit = 24;
inline constexpr int kHolidayClickRoom = 74;
// Agent names, initials and site names need at least this many characters.
inline constexpr int kShortestName = 2;

// The text a box is given when it is left empty.
inline const QString kBlankField = QStringLiteral(" ");
inline const QString kNoLimitMaxTimes = QStringLiteral("99");
inline const QString kNoManualSite = QStringLiteral("0");
inline const QString kNoSlots = QStringLiteral("0");
QString StoredFormOfEmptied(const QString& text, const QString& storedForm);
// Whether a text is empty after removing blanks at both ends.
bool IsBlankText(const QString& text);

// Site numbers run from 1 to 9; a new site gets the lowest number no site has (10 when all are taken).
inline constexpr int kHighestSiteNumber = 9;
int LowestFreeSiteNumber(const QList<int>& numbers);

// List entries.
QString AgentListEntry(const QString& name, const QString& initials); // "Mary Jones (MJ)"
QString AgentNameOfEntry(const QString& entry);                       // the text before the first " ("
QString SiteListEntry(const QString& number, const QString& name);    // "3 - North Office"
// The site digit an entry starts with, or nothing when it does not start with 1 to 9.
std::optional<QChar> SiteDigitOfEntry(const QString& entry);
// The agent's sites box after a click on a site list entry: a blank and the digit appended, or nothing
// (a beep) when the entry has no digit or the box already holds more than kAgentSitesClickRoom characters.
std::optional<QString> SitesAfterListClick(const QString& sites, const QString& entry);
QString SiteTimesEntry(const QString& number,
                       const QString& name);        // "1_Main Office", blanks out of the number
QString SiteNameOfTimesEntry(const QString& entry); // from the third character on

// The 21 slot boxes of the site editor: box 3*(weekday-1)+period, period 0 morning, 1 first afternoon,
// 2 second afternoon. The column of a box: fdAM1 ... fdEV7.
inline constexpr int kSlotBoxes = 21;
QString SlotColumn(int box);

// The dash tip is shown once, the first time a date list grows beyond kDashTipLength characters.
inline constexpr int kDashTipLength = 25;
bool NeedsDashTip(bool alreadyShown, const QString& text);

} // namespace rp
