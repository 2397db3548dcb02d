#include "export/SlotTimeRange.h"

#include <QRegularExpression>

namespace rp {

namespace {

QString clock(int minutes) {
    return QStringLiteral("%1:%2")
        .arg(minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

QString SlotTimeRange::text() const {
    return clock(start) + QLatin1Char('-') + clock(end);
}

std::optional<SlotTimeRange> ParseSlotTimeRange(const QString& text) {
    static const QRegularExpression range(
        QStringLiteral("^\\s*(\\d{1,2})(?:[:.](\\d{2}))?\\s*-\\s*(\\d{1,2})(?:[:.](\\d{2}))?\\s*$"));
    const QRegularExpressionMatch m = range.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const int h1 = m.captured(1).toInt(), m1 = m.captured(2).toInt();
    const int h2 = m.captured(3).toInt(), m2 = m.captured(4).toInt();
    if (h1 > 23 || m1 > 59 || h2 > 24 || m2 > 59 || (h2 == 24 && m2 != 0))
        return std::nullopt;
    const SlotTimeRange r{h1 * 60 + m1, h2 * 60 + m2};
    if (r.end <= r.start)
        return std::nullopt;
    return r;
}

} // namespace rp
