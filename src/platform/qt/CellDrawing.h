#pragma once

#include <QFont>
#include <QRectF>
#include <QStringList>

class QPainter;
class QPaintDevice;

namespace rp {

// The lines of a cell text: split at CR LF (a lone LF breaks too); blank lines at the end are dropped,
// since they show nothing and should not shrink the text.
QStringList cellLines(const QString& text);

// The base font scaled by a factor, whether it was given in points or in pixels.
QFont scaledFont(const QFont& base, qreal factor);

// The base font, made smaller when needed (but not below minFactor of its size) so that lineCount lines
// fit into height on the given device.
QFont fittingFont(const QFont& base, int lineCount, qreal height, qreal minFactor,
                  const QPaintDevice* device);

// Draws the lines from the top of area with the painter's font and pen, each cut with an ellipsis to the
// width. Lines beside the corner box (the day number) are cut before it. Lines that do not fit in full
// below the area are left out; then a small ellipsis in the bottom right corner says there is more.
void drawCellLines(QPainter& painter, const QRectF& area, const QStringList& lines, const QRectF& corner);

} // namespace rp
