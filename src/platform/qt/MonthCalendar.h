#pragma once

#include <QDate>
#include <QFont>
#include <QHash>
#include <QString>
#include <QVariant>
#include <QWidget>

class QPagedPaintDevice;
class QScrollBar;

namespace rp {

class DayEditor;
struct PrintoutContent;

// Where a printout went: printed tells whether its pages were made, file names the PDF file chosen in
// the print dialogue (empty for a printer, and when the dialogue was cancelled).
struct CalendarPrintResult {
    bool printed = false;
    QString file;
};

// The month control of the main window: a week grid, Sunday first, from FirstDate to LastDate with one
// multi-line text per date, edited in place and printed with a title and a sub-title.
//
// Colours are 0xBBGGRR numbers. The numbered appearance values the program sets are kept in a store;
// these ones change the drawing:
//   4  background of the grid: the area around and below the weeks and the days outside the range
//   30 the title and weekday band at the top
//   12 cells of Saturdays and Sundays
//   32 cells of Mondays to Fridays
//   22 colour of the day numbers (RGB(128, 0, 128) unless set)
// A DayBackColor set for a date replaces the cell colour of that date. Days outside the month of Date are
// drawn paler. Every other value (15, 33, 34, 56, 60, 71, 81, 92, 94, 95, 105, ...) is only stored.
//
// Editing: a double-click on a day, or Enter on the current day, raises DayEditRequested; the owner then
// calls StartDayEdit, and closing the editor raises DayEditEnded with EditText. The control itself never
// changes a CellText on its own.
class MonthCalendar : public QWidget {
    Q_OBJECT
public:
    explicit MonthCalendar(QWidget* parent = nullptr);
    ~MonthCalendar() override;

    // Range shown, current date and printed range.
    QDate FirstDate() const { return first_; }
    void setFirstDate(const QDate& date);
    QDate LastDate() const { return last_; }
    void setLastDate(const QDate& date);
    QDate Date() const { return date_; }
    void setDate(const QDate& date);
    int ShownMonth() const { return date_.isValid() ? date_.month() : 0; }
    int ShownYear() const { return date_.isValid() ? date_.year() : 0; }
    QDate PrintFirstDate() const { return printFirst_; }
    void setPrintFirstDate(const QDate& date) { printFirst_ = date; }
    QDate PrintLastDate() const { return printLast_; }
    void setPrintLastDate(const QDate& date) { printLast_ = date; }

    // Day texts and colours.
    QString CellText(const QDate& date) const { return texts_.value(date); }
    void setCellText(const QDate& date, const QString& text);
    void ClearAll();
    // -1 when no colour of its own was set for the date.
    int DayBackColor(const QDate& date) const { return backColors_.value(date, -1); }
    void setDayBackColor(const QDate& date, int bgr);
    static int WeekdayOf(const QDate& date);

    // Row heights: pixels on screen, 1/100 inch on paper.
    bool FixedDayHeight() const { return fixedDayHeight_; }
    void setFixedDayHeight(bool fixed);
    int DayHeight() const { return dayHeight_; }
    void setDayHeight(int pixels);
    int PrintDayHeight() const { return printDayHeight_; }
    void setPrintDayHeight(int hundredthsOfInch) { printDayHeight_ = hundredthsOfInch; }

    // Fonts and the cell text colour.
    QFont DateFont() const { return dateFont_; }
    void setDateFont(const QFont& font);
    QFont TextFont() const { return textFont_; }
    void setTextFont(const QFont& font);
    QFont PrintTextFont() const { return printTextFont_; }
    void setPrintTextFont(const QFont& font) { printTextFont_ = font; }
    int ForeColor() const { return foreColor_; }
    void setForeColor(int bgr);

    // Numbered appearance values (see above); an unknown id reads as an invalid QVariant.
    void setAppearance(int id, const QVariant& value);
    QVariant appearance(int id) const { return appearance_.value(id); }

    // Headings of the printout.
    QString PrintTitle() const { return printTitle_; }
    void setPrintTitle(const QString& title) { printTitle_ = title; }
    // The document's name, which the print dialogue also offers as the PDF file's name: a name fit for
    // a file, without the title's "/" and full stops. The trimmed title when none is set.
    QString PrintDocName() const;
    void setPrintDocName(const QString& name) { printDocName_ = name; }
    QString PrintSubTitle() const { return printSubTitle_; }
    void setPrintSubTitle(const QString& subTitle) { printSubTitle_ = subTitle; }

    // In-place editing. The flag is the caller's "edit only" choice and has no effect here; a date
    // outside FirstDate..LastDate opens nothing. An edit still open is ended (kept) first.
    void StartDayEdit(const QDate& date, bool flag = false);
    // The editor's text with CR LF line breaks: live while it is open, else as it was when it closed.
    QString EditText() const;
    bool isEditing() const { return editing_; }
    QDate editDate() const { return editDate_; }
    // Closes an open editor as the user would (keep = false is Escape); nothing when none is open.
    void endDayEdit(bool keep = true);

    // Keyboard cell and geometry, in this widget's coordinates (the grid scrolls under the header).
    QDate currentDate() const { return current_; }
    void setCurrentDate(const QDate& date);
    int weekCount() const;
    int rowHeight() const;
    QRect cellRect(const QDate& date) const;
    QDate dateAt(const QPoint& pos) const;
    void ensureDateVisible(const QDate& date);
    QScrollBar* verticalScrollBar() const { return scrollBar_; }

    // Printing of PrintFirstDate..PrintLastDate. PrintCalendar asks with the print dialogue (which also
    // offers a PDF file) and says where the pages went; cancelling prints nothing.
    CalendarPrintResult PrintCalendar(QWidget* parent = nullptr);
    bool printTo(QPagedPaintDevice& device) const;
    // Writes a landscape Letter PDF; a file that cannot be written throws Error.
    bool printToPdf(const QString& path) const;

    // Day and month names of the control.
    static const QStringList& dayNames();
    static const QStringList& monthNames();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void FirstDraw();
    void DayEditRequested(const QDate& date);
    void DayEditEnded(const QDate& date);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    PrintoutContent printoutContent() const;
    bool inRange(const QDate& date) const;
    QColor colorValue(int id) const;
    int titleBandHeight() const;
    int weekdayBandHeight() const;
    int gridTop() const { return titleBandHeight() + weekdayBandHeight(); }
    int gridWidth() const;
    int columnLeft(int column) const;
    void layoutChanged();
    void updateScrollBar();
    void placeEditor();
    void finishEdit(bool keep);

    void paintBands(QPainter& painter);
    void paintCell(QPainter& painter, const QDate& date, const QRect& cell);

    QDate first_;
    QDate last_;
    QDate date_;
    QDate printFirst_;
    QDate printLast_;
    QDate current_;
    QHash<QDate, QString> texts_;
    QHash<QDate, int> backColors_;
    QHash<int, QVariant> appearance_;
    bool fixedDayHeight_ = false;
    int dayHeight_ = 90;
    int printDayHeight_ = 125;
    QFont dateFont_;
    QFont textFont_;
    QFont printTextFont_;
    int foreColor_ = 0;
    QString printTitle_;
    QString printDocName_;
    QString printSubTitle_;

    QScrollBar* scrollBar_ = nullptr;
    DayEditor* editor_ = nullptr;
    bool editing_ = false;
    QDate editDate_;
    QString editOriginal_;
    QString editText_;
    bool firstDrawn_ = false;
};

} // namespace rp
