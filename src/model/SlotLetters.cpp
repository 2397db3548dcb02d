#include "model/SlotLetters.h"

namespace rp {

namespace {

// The first `count` letters of a period, or none when the count is outside 1 to the period's size.
QString periodLetters(const QString& letters, qint64 count) {
    if (count < 1 || count > letters.size())
        return {};
    return letters.left(qsizetype(count));
}

} // namespace

QString LettersInUse(qint64 morning, qint64 firstAfternoon, qint64 secondAfternoon) {
    return periodLetters(QStringLiteral("AB"), morning) +
           periodLetters(QStringLiteral("CDEF"), firstAfternoon) +
           periodLetters(QStringLiteral("GH"), secondAfternoon);
}

} // namespace rp
