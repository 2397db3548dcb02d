#include "generator/MonthTokens.h"

#include "platform/Calendar.h"

#include <algorithm>

namespace rp {

MonthTokens::MonthTokens(int month, int year)
    : text_(MonthTokenList(month, year)), days_(int(text_.size() / 4 / kSlotLetters)) {
    for (int i = 0; i < count(); ++i) {
        dayMasks_[size_t(dayOf(i))].set(size_t(i));
        weekdayMasks_[size_t(weekdayOf(i).digitValue())].set(size_t(i));
        all_.set(size_t(i));
    }
}

QString MonthTokens::record(int index, const QString& initials) const {
    // Made at its full size at once: a generation makes one for every slot.
    QString r(4 + initials.size(), Qt::Uninitialized);
    QChar* out = r.data();
    std::copy_n(text_.constData() + index * 4, 4, out);
    std::copy_n(initials.constData(), initials.size(), out + 4);
    return r;
}

int MonthTokens::indexOf(const QString& token) const {
    if (token.size() != 4)
        return -1;
    const qsizetype at = text_.indexOf(token);
    return at >= 0 && at % 4 == 0 ? int(at / 4) : -1;
}

int MonthTokens::indexOfKey(const QString& dayKey) const {
    if (dayKey.size() != 3)
        return -1;
    const qsizetype at = text_.indexOf(dayKey);
    return at >= 0 && at % 4 == 0 ? int(at / 4) : -1;
}

TokenSet MonthTokens::keysFoundIn(const QString& keys) const {
    TokenSet found;
    for (qsizetype i = 0; i + 3 <= keys.size(); ++i) {
        const QChar d1 = keys[i], d2 = keys[i + 1], letter = keys[i + 2];
        if (!d1.isDigit() || !d2.isDigit() || letter < QLatin1Char('A') || letter > QLatin1Char('H') ||
            d1.unicode() > '9' || d2.unicode() > '9')
            continue;
        const int day = (d1.unicode() - '0') * 10 + (d2.unicode() - '0');
        if (day >= 1 && day <= days_)
            found.set(size_t((day - 1) * kSlotLetters + (letter.unicode() - 'A')));
    }
    return found;
}

const TokenSet& MonthTokens::dayMask(int day) const {
    return day >= 1 && day <= days_ ? dayMasks_[size_t(day)] : none_;
}

const TokenSet& MonthTokens::weekdayMask(QChar weekdayDigit) const {
    const int w = weekdayNumber(weekdayDigit);
    return w >= 1 && w <= 7 ? weekdayMasks_[size_t(w)] : none_;
}

} // namespace rp
