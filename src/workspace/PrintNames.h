#pragma once

#include <QString>

namespace rp {

// The end of a calendar printout's title: twenty blanks and the product's web address, or nothing while
// the program has no real address (one under the reserved ".example" domain).
QString PrintTitleSuffix();

// The name a printout of a month is offered under, and so the PDF file the print dialogue proposes: the
// heading without what a file name cannot hold or a dialogue would cut ("/", full stops and the like),
// then the year and month, "Downtown 2027-02".
QString PrintDocumentName(const QString& heading, int month, int year);

} // namespace rp
