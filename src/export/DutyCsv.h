#pragma once

#include "export/DutyList.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace rp {

// One CSV file (RFC 4180, UTF-8, lines ended by CR LF) of all duties: a heading line, then per duty the
// date (ISO), the weekday, the site, the slot, its times ("09:00-12:30", empty when the slot has none),
// the initials and the name.
QByteArray DutyCsvText(const std::vector<Duty>& duties);

// A field as RFC 4180 writes it: in double quotes, its quotes doubled, when it holds a comma, a quote or
// a line break.
QString CsvField(const QString& text);

} // namespace rp
