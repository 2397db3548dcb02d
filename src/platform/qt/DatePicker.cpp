#include "platform/qt/DatePicker.h"

#include <QAbstractItemView>
#include <QEvent>

namespace rp {

DatePicker::DatePicker(QWidget* parent) : QCalendarWidget(parent) {
    setFirstDayOfWeek(Qt::Sunday);
    setGridVisible(true);
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    setNavigationBarVisible(true);
    setFocusPolicy(Qt::NoFocus);
    for (QWidget* child : findChildren<QWidget*>())
        child->setFocusPolicy(Qt::NoFocus);
    if (auto* view = findChild<QAbstractItemView*>())
        view->viewport()->installEventFilter(this);
    connect(this, &QCalendarWidget::clicked, this, [this](QDate date) {
        clickedDay_ = date.day();
        pressedInMonth_ = true;
        emit DateClick();
    });
}

void DatePicker::setMonthShown(const QDate& date) {
    if (!date.isValid())
        return;
    monthShown_ = QDate(date.year(), date.month(), 1);
    // The days clicked are days of this month: the grey days of the months around it cannot be clicked.
    setDateRange(monthShown_, monthShown_.addMonths(1).addDays(-1));
    setCurrentPage(date.year(), date.month());
    setSelectedDate(monthShown_);
}

void DatePicker::clickDay(int day) {
    const QDate date(yearShown(), monthShown(), day);
    if (!date.isValid())
        return;
    setSelectedDate(date);
    clickedDay_ = day;
    emit DateClick();
}

void DatePicker::doubleClickDay(int day) {
    const QDate date(yearShown(), monthShown(), day);
    if (!date.isValid())
        return;
    // A double click is a click followed by the double click itself, as the mouse delivers it.
    clickDay(day);
    emit DateDoubleClick();
}

bool DatePicker::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress)
        pressedInMonth_ = false;
    if (event->type() == QEvent::MouseButtonDblClick) {
        const bool handled = QCalendarWidget::eventFilter(watched, event);
        // Only a double click on a day of the month shown (its first click was a DateClick).
        if (pressedInMonth_)
            emit DateDoubleClick();
        return handled;
    }
    return QCalendarWidget::eventFilter(watched, event);
}

} // namespace rp
