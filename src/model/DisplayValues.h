#pragma once

#include <QString>
#include <cstdint>
#include <functional>

namespace rp {

// One complete set of calendar display values, as stored in a 172-byte settings record.
// Flags are 16-bit: -1 true, 0 false.
struct DisplayValues {
    QString m_DateFontScreen;
    int32_t m_DateSizeScreen = 0;
    int16_t m_DateBoldScreen = 0;
    int16_t m_DateItalicScreen = 0;
    QString m_TextFontScreen;
    int32_t m_TextSizeScreen = 0;
    int16_t m_TextBoldScreen = 0;
    int16_t m_TextItalicScreen = 0;
    int32_t m_TextForeColorScreen = 0;
    QString m_DateFontPrinter;
    int32_t m_DateSizePrinter = 0;
    int16_t m_DateBoldPrinter = 0;
    int16_t m_DateItalicPrinter = 0;
    QString m_TextFontPrinter;
    int32_t m_TextSizePrinter = 0;
    int16_t m_TextBoldPrinter = 0;
    int16_t m_TextItalicPrinter = 0;
    int32_t m_TextForeColorPrinter = 0;
    int32_t m_DateHeightPrinter = 0;
    int32_t m_DateHeightScreen = 0;
    int32_t m_LetterYes = 0;
    int32_t m_LetterNo = 0;
    int32_t m_LetterAgt = 0;
    int32_t m_CheckFullName = 0;
    int32_t m_FullNameSize = 6;

    bool operator==(const DisplayValues&) const = default;
};

// The calendar display settings in force, as the generator, the calendar and the settings dialog read
// them. Their files and the loading of a set belong to the display settings library (DisplaySettings).
struct DisplayState : DisplayValues {
    int16_t m_chkDefaultFonts = 1; // 1 default set in use, 0 custom

    DisplayValues values() const { return *this; }
    void setValues(const DisplayValues& v) { static_cast<DisplayValues&>(*this) = v; }

    // Called after each load with the kind loaded, so an open settings dialog can refresh its controls.
    std::function<void(int kind)> onLoaded;
};

} // namespace rp
