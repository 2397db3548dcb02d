// The hours an office writes in its slot times files, and the shift of each slot letter.

#include "export/SlotTimeRange.h"

#include "export/DutyList.h"

#include <gtest/gtest.h>

using namespace rp;

TEST(SlotTimeRange, ReadsTheWaysOfficesWriteHours) {
    const struct {
        const char* text;
        int start; // -1: not a range
        int end;
        const char* shown;
    } cases[] = {
        {"9-12", 540, 720, "09:00-12:00"},
        {"9:00-12:30", 540, 750, "09:00-12:30"},
        {"13.30-17", 810, 1020, "13:30-17:00"},
        {" 9 - 12 ", 540, 720, "09:00-12:00"},
        {"07:45-08:15", 465, 495, "07:45-08:15"},
        {"18-24", 1080, 1440, "18:00-24:00"},
        {"12-9", -1, 0, ""},
        {"9-9", -1, 0, ""},
        {"Morning", -1, 0, ""},
        {"", -1, 0, ""},
        {"9", -1, 0, ""},
        {"25-26", -1, 0, ""},
        {"9:60-10", -1, 0, ""},
        {"9:5-10", -1, 0, ""},
        {"23-24:30", -1, 0, ""},
        {"9-12 and 14-16", -1, 0, ""},
    };
    for (const auto& c : cases) {
        const std::optional<SlotTimeRange> r = ParseSlotTimeRange(QLatin1String(c.text));
        if (c.start < 0) {
            EXPECT_FALSE(r) << c.text;
            continue;
        }
        ASSERT_TRUE(r) << c.text;
        EXPECT_EQ(*r, (SlotTimeRange{c.start, c.end})) << c.text;
        EXPECT_EQ(r->text(), QLatin1String(c.shown));
    }
}

TEST(SlotTimeRange, EachSlotLetterBelongsToItsShift) {
    const char* shifts[] = {"AM", "AM", "PM1", "PM1", "PM1", "PM1", "PM2", "PM2"};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(ShiftOfSlot(QChar(u'A' + i)), QLatin1String(shifts[i]));
}
