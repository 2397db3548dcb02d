#include "platform/qt/CellDrawing.h"

#include <QFontMetricsF>
#include <QPainter>

namespace rp {

QStringList cellLines(const QString& text) {
    QString plain = text;
    plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    plain.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    plain.replace(QLatin1Char('\t'), QLatin1String("    "));
    QStringList lines = plain.split(QLatin1Char('\n'));
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    return lines;
}

QFont scaledFont(const QFont& base, qreal factor) {
    QFont font = base;
    if (base.pointSizeF() > 0)
        font.setPointSizeF(base.pointSizeF() * factor);
    else if (base.pixelSize() > 0)
        font.setPixelSize(qMax(1, qRound(base.pixelSize() * factor)));
    return font;
}

QFont fittingFont(const QFont& base, int lineCount, qreal height, qreal minFactor,
                  const QPaintDevice* device) {
    if (lineCount <= 0 || height <= 0)
        return base;
    const auto spacing = [device](const QFont& f) {
        return QFontMetricsF(f, const_cast<QPaintDevice*>(device)).lineSpacing();
    };
    const qreal natural = spacing(base) * lineCount;
    if (natural <= height)
        return base;
    // Start from the proportional guess and step down until the lines fit or the floor is reached.
    qreal factor = qMax(minFactor, height / natural);
    QFont font = scaledFont(base, factor);
    while (factor > minFactor && spacing(font) * lineCount > height) {
        factor = qMax(minFactor, factor - 0.03);
        font = scaledFont(base, factor);
    }
    return font;
}

void drawCellLines(QPainter& painter, const QRectF& area, const QStringList& lines, const QRectF& corner) {
    const QFontMetricsF metrics(painter.font(), painter.device());
    const qreal lineHeight = metrics.lineSpacing();
    qreal y = area.top();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (y + metrics.height() > area.bottom() + 0.5) {
            // The rest does not fit: mark the cut in the corner.
            const QString more = QStringLiteral("\u2026");
            const qreal w = metrics.horizontalAdvance(more);
            painter.drawText(QPointF(area.right() - w, area.bottom() - metrics.descent()), more);
            return;
        }
        qreal right = area.right();
        if (corner.isValid() && y < corner.bottom() && y + lineHeight > corner.top())
            right = qMin(right, corner.left() - metrics.averageCharWidth() * 0.5);
        const qreal width = right - area.left();
        if (width > 0 && !lines[i].isEmpty()) {
            const QString shown = metrics.elidedText(lines[i], Qt::ElideRight, width);
            painter.drawText(QPointF(area.left(), y + metrics.ascent()), shown);
        }
        y += lineHeight;
    }
}

} // namespace rp
