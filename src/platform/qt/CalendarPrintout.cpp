#include "platform/qt/CalendarPrintout.h"

#include "platform/qt/CalendarNames.h"
#include "platform/qt/CellDrawing.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

namespace rp {

namespace {

constexpr int kWeeksPerPage = 6;
constexpr qreal kMinTextPoints = 5.0;

const QColor kInk(0x20, 0x20, 0x20);
const QColor kPaleInk(0x9a, 0x9a, 0x9a);
const QColor kOtherMonthFill(0xf3, 0xf3, 0xf3);
const QColor kGridLine(0x9a, 0x9a, 0x9a);
const QColor kFrameLine(0x40, 0x40, 0x40);

QColor blend(const QColor& a, const QColor& b, qreal t) {
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

QFont fontOf(const QFont& family, qreal points, bool bold) {
    QFont font = family;
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(false);
    return font;
}

// One page: the device, its resolution and the fixed parts of the layout.
class PageRenderer {
public:
    PageRenderer(QPainter& painter, const PrintoutContent& content)
        : p_(painter), c_(content), dpi_(qreal(painter.device()->logicalDpiY())),
          width_(qreal(painter.device()->width())), height_(qreal(painter.device()->height())) {}

    void render(const WeekSpan& weeks, int firstWeek, int weekCount);

private:
    qreal pt(qreal points) const { return points * dpi_ / 72.0; }
    QFontMetricsF metrics(const QFont& font) const { return QFontMetricsF(font, p_.device()); }

    qreal drawHeadings(const QDate& month);
    qreal drawWeekdayHeader(qreal top);
    void drawCell(const QRectF& cell, const QDate& date, const QDate& month, qreal rowHeight);
    void drawGridLines(qreal top, qreal rowHeight, int rows);

    qreal columnX(int column) const { return width_ * column / 7.0; }

    QPainter& p_;
    const PrintoutContent& c_;
    qreal dpi_;
    qreal width_;
    qreal height_;
};

// The month a page is about: the chosen month when the page shows it, else the month of its middle day.
QDate pageMonth(const PrintoutContent& c, const WeekSpan& weeks, int firstWeek, int weekCount) {
    const QDate pageFirst = weeks.dateAt(firstWeek, 0);
    const QDate pageLast = weeks.dateAt(firstWeek + weekCount - 1, 6);
    if (c.month.isValid() && QDate(c.month.year(), c.month.month(), 1) <= pageLast &&
        QDate(c.month.year(), c.month.month(), 1).addMonths(1) > pageFirst)
        return c.month;
    return pageFirst.addDays(pageFirst.daysTo(pageLast) / 2);
}

qreal PageRenderer::drawHeadings(const QDate& month) {
    const QFont titleFont = fontOf(c_.textFont, 16, true);
    const QFont monthFont = fontOf(c_.textFont, 20, true);
    const QFont subFont = fontOf(c_.textFont, 11, false);
    const QFontMetricsF titleMetrics = metrics(titleFont);
    const QFontMetricsF monthMetrics = metrics(monthFont);

    const QString monthText = monthTitle(month);
    const qreal monthWidth = monthMetrics.horizontalAdvance(monthText);
    const qreal lineHeight = qMax(titleMetrics.height(), monthMetrics.height());
    const qreal baseline = qMax(titleMetrics.ascent(), monthMetrics.ascent());

    p_.setPen(c_.dateColor);
    p_.setFont(monthFont);
    p_.drawText(QPointF(width_ - monthWidth, baseline), monthText);

    p_.setPen(kInk);
    p_.setFont(titleFont);
    const qreal titleRoom = width_ - monthWidth - pt(24);
    p_.drawText(QPointF(0, baseline), titleMetrics.elidedText(c_.title, Qt::ElideRight, titleRoom));
    qreal y = lineHeight;

    if (!c_.subTitle.trimmed().isEmpty()) {
        p_.setFont(subFont);
        p_.setPen(QColor(0x40, 0x40, 0x40));
        const QFontMetricsF subMetrics = metrics(subFont);
        const QRectF room(0, y + pt(3), width_, subMetrics.lineSpacing() * 2);
        const QRectF used = subMetrics.boundingRect(room, Qt::TextWordWrap, c_.subTitle);
        p_.drawText(room, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, c_.subTitle);
        y += pt(3) + qMin(used.height(), room.height());
    }
    return y + pt(10);
}

qreal PageRenderer::drawWeekdayHeader(qreal top) {
    const QFont font = fontOf(c_.textFont, 10, true);
    const QFontMetricsF fm = metrics(font);
    const qreal bandHeight = fm.height() * 1.7;
    const QRectF band(0, top, width_, bandHeight);
    p_.fillRect(band, blend(c_.dateColor, Qt::white, 0.86));
    p_.setFont(font);
    p_.setPen(blend(c_.dateColor, Qt::black, 0.35));

    const QStringList& names = calendarDayNames();
    qreal widest = 0;
    for (const QString& name : names)
        widest = qMax(widest, fm.horizontalAdvance(name));
    const bool shortNames = widest > width_ / 7.0 - pt(6);
    for (int col = 0; col < 7; ++col) {
        const QRectF cell(columnX(col), top, columnX(col + 1) - columnX(col), bandHeight);
        p_.drawText(cell, Qt::AlignCenter, shortNames ? names[col].left(3) : names[col]);
    }
    return top + bandHeight;
}

void PageRenderer::drawCell(const QRectF& cell, const QDate& date, const QDate& month, qreal rowHeight) {
    const bool printed = date >= c_.first && date <= c_.last;
    const bool inMonth = date.month() == month.month() && date.year() == month.year();
    if (!printed || !inMonth)
        p_.fillRect(cell, kOtherMonthFill);
    if (!printed)
        return;

    // Day number in the top right corner; the first of a month also names the month.
    const qreal numberPoints = qBound(7.0, rowHeight / dpi_ * 72.0 * 0.14, 12.0);
    const QFont numberFont = fontOf(c_.dateFont, numberPoints, true);
    const QFontMetricsF nm = metrics(numberFont);
    const QString number = date.day() == 1 ? calendarMonthNames().at(date.month() - 1) + QStringLiteral(" 1")
                                           : QString::number(date.day());
    const qreal pad = pt(3);
    const qreal numberWidth = nm.horizontalAdvance(number);
    const QRectF corner(cell.right() - pad - numberWidth, cell.top() + pt(1.5), numberWidth, nm.height());
    p_.setFont(numberFont);
    p_.setPen(inMonth ? c_.dateColor : kPaleInk);
    p_.drawText(QPointF(corner.left(), corner.top() + nm.ascent()), number);

    const QStringList lines = cellLines(c_.text ? c_.text(date) : QString());
    if (lines.isEmpty())
        return;
    const QRectF area = cell.adjusted(pad, pt(2), -pad, -pt(1.5));
    QFont base = c_.textFont;
    if (base.pointSizeF() <= 0)
        base.setPointSizeF(8);
    const qreal minFactor = qMin(1.0, kMinTextPoints / base.pointSizeF());
    p_.setFont(fittingFont(base, int(lines.size()), area.height(), minFactor, p_.device()));
    p_.setPen(inMonth ? kInk : QColor(0x70, 0x70, 0x70));
    p_.save();
    p_.setClipRect(cell);
    drawCellLines(p_, area, lines, corner);
    p_.restore();
}

void PageRenderer::drawGridLines(qreal top, qreal rowHeight, int rows) {
    const qreal bottom = top + rowHeight * rows;
    QPen grid(kGridLine, pt(0.6));
    p_.setPen(grid);
    for (int row = 1; row < rows; ++row)
        p_.drawLine(QPointF(0, top + rowHeight * row), QPointF(width_, top + rowHeight * row));
    for (int col = 1; col < 7; ++col)
        p_.drawLine(QPointF(columnX(col), top), QPointF(columnX(col), bottom));
    QPen frame(kFrameLine, pt(1.2));
    frame.setJoinStyle(Qt::MiterJoin);
    p_.setPen(frame);
    p_.setBrush(Qt::NoBrush);
    p_.drawRect(QRectF(0, top, width_, bottom - top));
}

void PageRenderer::render(const WeekSpan& weeks, int firstWeek, int weekCount) {
    const QDate month = pageMonth(c_, weeks, firstWeek, weekCount);
    const qreal headerTop = drawHeadings(month);
    const qreal gridTop = drawWeekdayHeader(headerTop);
    if (weekCount <= 0)
        return;
    const qreal room = height_ - gridTop;
    const qreal wanted = c_.dayHeight > 0 ? c_.dayHeight / 100.0 * dpi_ : room / weekCount;
    // Pages after the first keep the first page's row height, so all pages match.
    const int rowsOnFullPage = qMin(weeks.weeks, kWeeksPerPage);
    const qreal rowHeight = qMin(wanted, room / rowsOnFullPage);

    for (int row = 0; row < weekCount; ++row) {
        for (int col = 0; col < 7; ++col) {
            const QRectF cell(columnX(col), gridTop + rowHeight * row, columnX(col + 1) - columnX(col),
                              rowHeight);
            drawCell(cell, weeks.dateAt(firstWeek + row, col), month, rowHeight);
        }
    }
    drawGridLines(gridTop, rowHeight, weekCount);
    // Close the weekday band into the frame.
    p_.setPen(QPen(kFrameLine, pt(1.2)));
    p_.drawRect(QRectF(0, headerTop, width_, gridTop - headerTop));
}

} // namespace

bool printCalendarPages(QPagedPaintDevice& device, const PrintoutContent& content) {
    const WeekSpan weeks = weekSpan(content.first, content.last);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    PageRenderer page(painter, content);
    if (weeks.weeks == 0) {
        // Nothing to print but the headings.
        page.render(weekSpan(content.month, content.month), 0, 0);
        return painter.end();
    }
    for (int firstWeek = 0; firstWeek < weeks.weeks; firstWeek += kWeeksPerPage) {
        if (firstWeek > 0)
            device.newPage();
        page.render(weeks, firstWeek, qMin(kWeeksPerPage, weeks.weeks - firstWeek));
    }
    return painter.end();
}

} // namespace rp
