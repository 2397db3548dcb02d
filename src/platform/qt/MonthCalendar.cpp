#include "platform/qt/MonthCalendar.h"

#include "platform/Calendar.h"
#include "platform/Files.h"
#include "platform/qt/BgrColor.h"
#include "platform/qt/CalendarNames.h"
#include "platform/qt/CalendarPrintout.h"
#include "platform/qt/CellDrawing.h"
#include "platform/qt/DayEditor.h"

#include <QBuffer>
#include <QKeyEvent>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollBar>

namespace rp {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// Day numbers are drawn in this colour until appearance value 22 says otherwise.
constexpr int kDateColor = bgrOf(128, 0, 128);

// Colours of the numbered values before the program sets them.
int defaultColor(int id) {
    switch (id) {
    case 4:
        return bgrOf(255, 255, 255);
    case 30:
        return bgrOf(214, 224, 240);
    case 12:
        return bgrOf(242, 242, 242);
    case 32:
        return bgrOf(255, 255, 255);
    case 22:
        return kDateColor;
    }
    return 0;
}

constexpr int kMinEditorWidth = 160;
constexpr int kMinEditorHeight = 96;
const QMarginsF kPdfMargins(12.7, 12.7, 12.7, 12.7); // millimetres: half an inch

QColor paler(const QColor& color, qreal amount) {
    const QColor white(Qt::white);
    return QColor::fromRgbF(float(color.redF() + (white.redF() - color.redF()) * amount),
                            float(color.greenF() + (white.greenF() - color.greenF()) * amount),
                            float(color.blueF() + (white.blueF() - color.blueF()) * amount));
}

// Black or white, whichever reads better on the background.
QColor inkOn(const QColor& background) {
    return background.lightnessF() < 0.5f ? QColor(Qt::white) : QColor(0x20, 0x20, 0x20);
}

QString toEditor(const QString& text) {
    QString plain = text;
    plain.replace(kCrLf, QStringLiteral("\n"));
    return plain;
}

QString fromEditor(const QString& text) {
    QString stored = text;
    stored.replace(QStringLiteral("\n"), kCrLf);
    return stored;
}

QString dayLabel(const QDate& date) {
    if (date.day() == 1)
        return calendarMonthNames().at(date.month() - 1) + QStringLiteral(" 1");
    return QString::number(date.day());
}

} // namespace

MonthCalendar::MonthCalendar(QWidget* parent)
    : QWidget(parent), printTitle_(QStringLiteral("ctCalendar Report Title")),
      printSubTitle_(QStringLiteral("Report Sub-Title")) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);

    dateFont_ = font();
    dateFont_.setBold(true);
    textFont_ = font();
    printTextFont_ = font();
    printTextFont_.setPointSize(8);

    const QDate today = QDate::currentDate();
    date_ = QDate(today.year(), today.month(), 1);
    const QDate last = date_.addMonths(1).addDays(-1);
    first_ = date_.addDays(-(weekdayOf(date_) - 1));
    last_ = last.addDays(7 - weekdayOf(last) % 7);
    printFirst_ = first_;
    printLast_ = last_;
    current_ = date_;

    scrollBar_ = new QScrollBar(Qt::Vertical, this);
    scrollBar_->setObjectName(QStringLiteral("calendarScrollBar"));
    scrollBar_->hide();
    connect(scrollBar_, &QScrollBar::valueChanged, this, [this] {
        placeEditor();
        update();
    });
}

MonthCalendar::~MonthCalendar() = default;

// ---- range and texts

void MonthCalendar::setFirstDate(const QDate& date) {
    endDayEdit(true);
    first_ = date;
    if (!inRange(current_))
        current_ = inRange(date_) ? date_ : first_;
    layoutChanged();
}

void MonthCalendar::setLastDate(const QDate& date) {
    endDayEdit(true);
    last_ = date;
    if (!inRange(current_))
        current_ = inRange(date_) ? date_ : first_;
    layoutChanged();
}

void MonthCalendar::setDate(const QDate& date) {
    date_ = date;
    if (inRange(date))
        current_ = date;
    update();
}

void MonthCalendar::setCellText(const QDate& date, const QString& text) {
    if (text.isEmpty())
        texts_.remove(date);
    else
        texts_.insert(date, text);
    update();
}

void MonthCalendar::ClearAll() {
    endDayEdit(true);
    texts_.clear();
    backColors_.clear();
    update();
}

void MonthCalendar::setDayBackColor(const QDate& date, int bgr) {
    if (bgr < 0)
        backColors_.remove(date);
    else
        backColors_.insert(date, bgr);
    update();
}

int MonthCalendar::WeekdayOf(const QDate& date) {
    return weekdayOf(date);
}

bool MonthCalendar::inRange(const QDate& date) const {
    return date.isValid() && first_.isValid() && last_.isValid() && date >= first_ && date <= last_;
}

const QStringList& MonthCalendar::dayNames() {
    return calendarDayNames();
}

const QStringList& MonthCalendar::monthNames() {
    return calendarMonthNames();
}

// ---- appearance

void MonthCalendar::setFixedDayHeight(bool fixed) {
    fixedDayHeight_ = fixed;
    layoutChanged();
}

void MonthCalendar::setDayHeight(int pixels) {
    dayHeight_ = pixels;
    layoutChanged();
}

void MonthCalendar::setDateFont(const QFont& font) {
    dateFont_ = font;
    layoutChanged();
}

void MonthCalendar::setTextFont(const QFont& font) {
    textFont_ = font;
    if (editor_ != nullptr)
        editor_->setFont(font);
    update();
}

void MonthCalendar::setForeColor(int bgr) {
    foreColor_ = bgr;
    update();
}

void MonthCalendar::setAppearance(int id, const QVariant& value) {
    appearance_.insert(id, value);
    update();
}

QColor MonthCalendar::colorValue(int id) const {
    bool ok = false;
    const int value = appearance_.value(id).toInt(&ok);
    return colorFromBgr(ok && value >= 0 ? value : defaultColor(id));
}

// ---- geometry

int MonthCalendar::titleBandHeight() const {
    QFont title = font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.25);
    return QFontMetrics(title).height() + 8;
}

int MonthCalendar::weekdayBandHeight() const {
    return fontMetrics().height() + 8;
}

int MonthCalendar::gridWidth() const {
    return width() - (scrollBar_->isVisible() ? scrollBar_->width() : 0);
}

int MonthCalendar::columnLeft(int column) const {
    return gridWidth() * column / 7;
}

int MonthCalendar::weekCount() const {
    return weekSpan(first_, last_).weeks;
}

int MonthCalendar::rowHeight() const {
    const int minimum = QFontMetrics(dateFont_).height() + 2 * QFontMetrics(textFont_).lineSpacing() + 6;
    if (fixedDayHeight_)
        return qMax(dayHeight_, 16);
    const int weeks = qMax(1, weekCount());
    return qMax(minimum, (height() - gridTop()) / weeks);
}

QRect MonthCalendar::cellRect(const QDate& date) const {
    const WeekSpan span = weekSpan(first_, last_);
    if (span.weeks == 0 || !date.isValid() || date < span.start || date > span.dateAt(span.weeks - 1, 6))
        return {};
    const int row = span.weekOf(date);
    const int column = span.columnOf(date);
    const int top = gridTop() + row * rowHeight() - scrollBar_->value();
    return QRect(columnLeft(column), top, columnLeft(column + 1) - columnLeft(column), rowHeight());
}

QDate MonthCalendar::dateAt(const QPoint& pos) const {
    const WeekSpan span = weekSpan(first_, last_);
    if (span.weeks == 0 || pos.y() < gridTop() || pos.x() < 0 || pos.x() >= gridWidth())
        return {};
    const int row = (pos.y() - gridTop() + scrollBar_->value()) / rowHeight();
    int column = 0;
    while (column < 6 && pos.x() >= columnLeft(column + 1))
        ++column;
    if (row >= span.weeks)
        return {};
    const QDate date = span.dateAt(row, column);
    return inRange(date) ? date : QDate();
}

void MonthCalendar::layoutChanged() {
    updateScrollBar();
    placeEditor();
    update();
}

void MonthCalendar::updateScrollBar() {
    const int viewport = qMax(0, height() - gridTop());
    const int content = weekCount() * rowHeight();
    const int range = qMax(0, content - viewport);
    scrollBar_->setRange(0, range);
    scrollBar_->setPageStep(qMax(1, viewport));
    scrollBar_->setSingleStep(qMax(1, rowHeight() / 4));
    scrollBar_->setGeometry(width() - scrollBar_->sizeHint().width(), gridTop(),
                            scrollBar_->sizeHint().width(), viewport);
    scrollBar_->setVisible(range > 0);
}

void MonthCalendar::ensureDateVisible(const QDate& date) {
    const QRect cell = cellRect(date);
    if (!cell.isValid())
        return;
    const int viewportBottom = height();
    if (cell.top() < gridTop())
        scrollBar_->setValue(scrollBar_->value() - (gridTop() - cell.top()));
    else if (cell.bottom() >= viewportBottom)
        scrollBar_->setValue(scrollBar_->value() +
                             qMin(cell.top() - gridTop(), cell.bottom() - viewportBottom + 1));
}

void MonthCalendar::setCurrentDate(const QDate& date) {
    if (!inRange(date))
        return;
    current_ = date;
    ensureDateVisible(date);
    update();
}

QSize MonthCalendar::sizeHint() const {
    return {7 * 110, gridTop() + 5 * 90};
}

QSize MonthCalendar::minimumSizeHint() const {
    return {7 * 40, gridTop() + 80};
}

// ---- painting

void MonthCalendar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), colorValue(4));

    const WeekSpan span = weekSpan(first_, last_);
    painter.save();
    painter.setClipRect(QRect(0, gridTop(), gridWidth(), height() - gridTop()));
    for (int row = 0; row < span.weeks; ++row) {
        const QRect rowRect = cellRect(span.dateAt(row, 0));
        if (rowRect.bottom() < gridTop() || rowRect.top() > height())
            continue;
        for (int column = 0; column < 7; ++column) {
            const QDate date = span.dateAt(row, column);
            paintCell(painter, date, cellRect(date));
        }
    }
    painter.restore();
    paintBands(painter);
}

void MonthCalendar::paintBands(QPainter& painter) {
    const QColor band = colorValue(30);
    const QRect title(0, 0, width(), titleBandHeight());
    const QRect weekdays(0, title.bottom() + 1, width(), weekdayBandHeight());
    painter.fillRect(title.united(weekdays), band);

    QFont titleFont = font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.25);
    painter.setFont(titleFont);
    painter.setPen(inkOn(band));
    painter.drawText(title, Qt::AlignCenter, monthTitle(date_));

    QFont dayFont = font();
    dayFont.setBold(true);
    painter.setFont(dayFont);
    const QFontMetrics fm(dayFont);
    const QStringList& names = calendarDayNames();
    for (int column = 0; column < 7; ++column) {
        const QRect cell(columnLeft(column), weekdays.top(), columnLeft(column + 1) - columnLeft(column),
                         weekdays.height());
        const QString name =
            fm.horizontalAdvance(names[column]) + 6 > cell.width() ? names[column].left(3) : names[column];
        painter.drawText(cell, Qt::AlignCenter, name);
    }
    painter.setPen(band.darker(135));
    painter.drawLine(0, weekdays.bottom(), width(), weekdays.bottom());
}

void MonthCalendar::paintCell(QPainter& painter, const QDate& date, const QRect& cell) {
    if (!inRange(date))
        return; // the grid background shows through
    const bool inMonth = date.month() == date_.month() && date.year() == date_.year();
    const int weekday = weekdayOf(date);
    QColor fill = backColors_.contains(date) ? colorFromBgr(backColors_.value(date))
                                             : colorValue(weekday == 1 || weekday == 7 ? 12 : 32);
    if (!inMonth)
        fill = paler(fill, 0.6);
    painter.fillRect(cell, fill);

    painter.setPen(QColor(0xa0, 0xa0, 0xa0));
    painter.drawLine(cell.topRight(), cell.bottomRight());
    painter.drawLine(cell.bottomLeft(), cell.bottomRight());

    // Day number in the top right corner.
    const QFontMetrics nm(dateFont_);
    const QString number = dayLabel(date);
    const int numberWidth = nm.horizontalAdvance(number);
    const QRect corner(cell.right() - 4 - numberWidth, cell.top() + 2, numberWidth, nm.height());
    painter.setFont(dateFont_);
    painter.setPen(inMonth ? colorValue(22) : paler(colorValue(22), 0.55));
    painter.drawText(corner, Qt::AlignRight | Qt::AlignTop, number);

    const QStringList lines = cellLines(texts_.value(date));
    if (!lines.isEmpty()) {
        const QRectF area = QRectF(cell).adjusted(4, 2, -5, -2);
        painter.setFont(fittingFont(textFont_, int(lines.size()), area.height(), 0.75, this));
        const QColor ink = colorFromBgr(foreColor_);
        painter.setPen(inMonth ? ink : paler(ink, 0.5));
        painter.save();
        painter.setClipRect(cell, Qt::IntersectClip);
        drawCellLines(painter, area, lines, QRectF(corner));
        painter.restore();
    }

    if (date == current_ && hasFocus() && !editing_) {
        QPen focus(palette().color(QPalette::Highlight), 2);
        focus.setJoinStyle(Qt::MiterJoin);
        painter.setPen(focus);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(cell).adjusted(1.5, 1.5, -1.5, -1.5));
    }
}

// ---- events

void MonthCalendar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutChanged();
}

void MonthCalendar::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    updateScrollBar();
    if (!firstDrawn_) {
        firstDrawn_ = true;
        emit FirstDraw();
    }
}

void MonthCalendar::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const QDate date = dateAt(event->position().toPoint());
        if (date.isValid())
            setCurrentDate(date);
        setFocus(Qt::MouseFocusReason);
    }
    QWidget::mousePressEvent(event);
}

void MonthCalendar::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const QDate date = dateAt(event->position().toPoint());
    if (!date.isValid())
        return;
    setCurrentDate(date);
    emit DayEditRequested(date);
}

void MonthCalendar::keyPressEvent(QKeyEvent* event) {
    qint64 step = 0;
    switch (event->key()) {
    case Qt::Key_Left:
        step = -1;
        break;
    case Qt::Key_Right:
        step = 1;
        break;
    case Qt::Key_Up:
        step = -7;
        break;
    case Qt::Key_Down:
        step = 7;
        break;
    case Qt::Key_Home:
        setCurrentDate(first_);
        return;
    case Qt::Key_End:
        setCurrentDate(last_);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F2:
        if (inRange(current_))
            emit DayEditRequested(current_);
        return;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    setCurrentDate(current_.addDays(step));
}

void MonthCalendar::wheelEvent(QWheelEvent* event) {
    if (scrollBar_->isVisible())
        scrollBar_->setValue(scrollBar_->value() - event->angleDelta().y() * rowHeight() / 240);
    event->accept();
}

void MonthCalendar::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void MonthCalendar::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

// ---- in-place editing

void MonthCalendar::StartDayEdit(const QDate& date, bool flag) {
    Q_UNUSED(flag);
    endDayEdit(true);
    if (!inRange(date))
        return;
    if (editor_ == nullptr) {
        editor_ = new DayEditor(this);
        connect(editor_, &DayEditor::finished, this, &MonthCalendar::finishEdit);
    }
    editDate_ = date;
    editOriginal_ = CellText(date);
    editText_ = editOriginal_;
    current_ = date;
    ensureDateVisible(date);
    editor_->setFont(textFont_);
    editor_->setPlainText(toEditor(editOriginal_));
    editor_->moveCursor(QTextCursor::End);
    editing_ = true;
    placeEditor();
    editor_->show();
    editor_->raise();
    editor_->setFocus(Qt::OtherFocusReason);
    update();
}

QString MonthCalendar::EditText() const {
    if (editing_ && editor_ != nullptr)
        return fromEditor(editor_->toPlainText());
    return editText_;
}

void MonthCalendar::endDayEdit(bool keep) {
    finishEdit(keep);
}

void MonthCalendar::finishEdit(bool keep) {
    if (!editing_)
        return;
    editing_ = false;
    editText_ = keep ? fromEditor(editor_->toPlainText()) : editOriginal_;
    // Keys that close the editor leave the keyboard on the calendar; a click elsewhere keeps its target.
    if (editor_->hasFocus())
        setFocus(Qt::OtherFocusReason);
    editor_->hide();
    update();
    emit DayEditEnded(editDate_);
}

void MonthCalendar::placeEditor() {
    if (editor_ == nullptr || !editing_)
        return;
    const QRect cell = cellRect(editDate_);
    // A small cell gets a larger editor; it stays inside the grid area.
    QRect box(cell.topLeft(),
              QSize(qMax(cell.width(), kMinEditorWidth), qMax(cell.height(), kMinEditorHeight)));
    const QRect grid(0, gridTop(), gridWidth(), qMax(0, height() - gridTop()));
    if (box.right() > grid.right())
        box.moveRight(grid.right());
    if (box.bottom() > grid.bottom() && box.height() <= grid.height())
        box.moveBottom(grid.bottom());
    if (box.left() < grid.left())
        box.moveLeft(grid.left());
    if (box.top() < grid.top())
        box.moveTop(grid.top());
    editor_->setGeometry(box);
}

// ---- printing

PrintoutContent MonthCalendar::printoutContent() const {
    PrintoutContent content;
    content.first = printFirst_;
    content.last = printLast_;
    content.month = date_;
    content.title = printTitle_;
    content.subTitle = printSubTitle_;
    content.textFont = printTextFont_;
    content.dateFont = dateFont_;
    content.dateColor = colorValue(22);
    content.dayHeight = printDayHeight_;
    content.text = [this](const QDate& date) { return CellText(date); };
    return content;
}

bool MonthCalendar::printTo(QPagedPaintDevice& device) const {
    return printCalendarPages(device, printoutContent());
}

QString MonthCalendar::PrintDocName() const {
    return printDocName_.isEmpty() ? printTitle_.trimmed() : printDocName_;
}

CalendarPrintResult MonthCalendar::PrintCalendar(QWidget* parent) {
    endDayEdit(true);
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(PrintDocName());
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setPageMargins(kPdfMargins, QPageLayout::Millimeter);
    QPrintDialog dialog(&printer, parent != nullptr ? parent : this);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QString file = printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : QString();
    return {printTo(printer), file};
}

bool MonthCalendar::printToPdf(const QString& path) const {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(1200);
        writer.setTitle(printTitle_.trimmed());
        writer.setCreator(QStringLiteral("Rotaplan"));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Landscape, kPdfMargins,
                                         QPageLayout::Millimeter));
        if (!printTo(writer))
            return false;
    }
    writeBinaryFileAtomic(path, buffer.data());
    return true;
}

} // namespace rp
