#pragma once

#include <QString>
#include <optional>

namespace rp {

// The hours of a slot as an office writes them in its slot times files: "9-12", "9:00-12:30",
// "13.30-17". Minutes from midnight; the end may be 24:00 and comes after the start.
struct SlotTimeRange {
    int start = 0;
    int end = 0;

    // "09:00-12:30".
    QString text() const;
    bool operator==(const SlotTimeRange&) const = default;
};

// Nothing when the text is not a time range (a label such as "Morning", or an empty text).
std::optional<SlotTimeRange> ParseSlotTimeRange(const QString& text);

} // namespace rp
