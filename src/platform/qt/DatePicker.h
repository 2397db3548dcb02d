#pragma once

#include <QCalendarWidget>
#include <QDate>

namespace rp {

// The small month calendar the editors pick days with. It shows one month (MonthShown), remembers the
// day of the date last clicked (ClickedDay) and reports a click and a double click on a day of that
// month; the grey days of the months before and after it take no clicks. It never takes the
// keyboard focus, so the box it writes into keeps it.
class DatePicker : public QCalendarWidget {
    Q_OBJECT
public:
    explicit DatePicker(QWidget* parent = nullptr);

    QDate MonthShown() const { return monthShown_; }
    // Shows the month of the date.
    void setMonthShown(const QDate& date);
    int ClickedDay() const { return clickedDay_; }

    // What a click and a double click on the day do; tests call them as a mouse would.
    void clickDay(int day);
    void doubleClickDay(int day);

signals:
    void DateClick();
    void DateDoubleClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QDate monthShown_;
    int clickedDay_ = 0;
    bool pressedInMonth_ = false; // the last mouse press was on a day of the month shown
};

} // namespace rp
