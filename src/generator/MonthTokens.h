#pragma once

#include "model/Tokens.h"

#include <QString>
#include <array>
#include <bitset>
#include <vector>

namespace rp {

// A set of the month's slot tokens; bit i is token i of the month token list (day i / 8 + 1, letter i % 8).
// Availability lists hold valid tokens only, so a set gives exactly the same answers as searching the
// concatenated token text.
using TokenSet = std::bitset<kMaxMonthSlots>;

// The slot tokens of the month being generated: eight per day, A to H, each with its weekday digit.
class MonthTokens {
public:
    MonthTokens(int month, int year);

    // "01A301B3..." as the entry syntax routines search it.
    const QString& text() const { return text_; }
    int days() const { return days_; }
    int count() const { return days_ * kSlotLetters; }
    QStringView token(int index) const { return QStringView(text_).mid(index * 4, 4); }
    // The assignment record of a token and a set of initials.
    QString record(int index, const QString& initials) const;
    // Index of a four-character slot token of this month, or -1.
    int indexOf(const QString& token) const;
    int indexOfKey(const QString& dayKey) const; // by its first three characters
    static int dayOf(int index) { return index / kSlotLetters + 1; }
    QChar letterOf(int index) const { return text_[index * 4 + 2]; }
    QChar weekdayOf(int index) const { return text_[index * 4 + 3]; }
    // The number of a weekday digit (1 = Sunday); what QChar::digitValue gives, quicker for ASCII digits.
    static int weekdayNumber(QChar digit) {
        const char16_t u = digit.unicode();
        return u >= u'0' && u <= u'9' ? int(u - u'0') : digit.digitValue();
    }

    // Every token whose day-slot key occurs anywhere in a text of keys (a plain substring search).
    TokenSet keysFoundIn(const QString& keys) const;
    // Every token of a day; empty for days outside 1..days.
    const TokenSet& dayMask(int day) const;
    // Every token whose weekday digit is w; empty for other characters.
    const TokenSet& weekdayMask(QChar weekdayDigit) const;
    const TokenSet& all() const { return all_; }

private:
    QString text_;
    int days_ = 0;
    std::array<TokenSet, 33> dayMasks_{};
    std::array<TokenSet, 8> weekdayMasks_{};
    TokenSet none_;
    TokenSet all_;
};

} // namespace rp
