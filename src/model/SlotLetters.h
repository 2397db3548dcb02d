#pragma once

#include <QString>

namespace rp {

// Slot letters a site opens on a weekday for its three counts: morning 1-2 (A, B), first afternoon 1-4
// (C to F), second afternoon 1-2 (G, H); a count outside its range opens none of its letters.
QString LettersInUse(qint64 morning, qint64 firstAfternoon, qint64 secondAfternoon);

} // namespace rp
