#pragma once

#include <QColor>
#include <QDate>
#include <QFont>
#include <QString>
#include <functional>

class QPagedPaintDevice;

namespace rp {

// What a calendar printout shows.
struct PrintoutContent {
    QDate first; // first and last date printed
    QDate last;
    QDate month;      // a date of the month the printout is of; days of other months print paler
    QString title;    // bold heading
    QString subTitle; // second heading, left out when empty
    QFont textFont;   // cell texts
    QFont dateFont;   // family and weight of the day numbers
    QColor dateColor;
    int dayHeight = 0; // row height in 1/100 inch; rows shrink to fit the page, 0 shares the page out
    std::function<QString(const QDate&)> text;
};

// Prints the weeks of first..last on the device's pages, six weeks to a page, each page with the
// headings, the month name and year, the weekday header and the grid. Returns false when the device
// cannot be painted on (for example a PDF file that cannot be written).
bool printCalendarPages(QPagedPaintDevice& device, const PrintoutContent& content);

} // namespace rp
