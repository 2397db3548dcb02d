#pragma once

#include <QByteArray>
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

inline constexpr int kSettingsRecordSize = 172;
inline constexpr int kFaceWidth = 25;

// The record layout: faces as 25 Latin-1 characters blank-padded, numbers little-endian. Offset 148
// holds the kind the record was written as (0 custom, 1 default).
QByteArray EncodeSettingsRecord(const DisplayValues& v, int32_t kind);
// A short or empty record reads its missing fields as zero or blank; a full-name size of 0 reads as 6.
DisplayValues DecodeSettingsRecord(const QByteArray& record);

// The settings in force and their files in the settings folder: TypeSettings.dat (which set is in use),
// CustomSettings.dat and DefaultSettings.dat.
class DisplaySettings : public DisplayValues {
public:
    int16_t m_chkDefaultFonts = 1; // 1 default set in use, 0 custom

    explicit DisplaySettings(QString settingsFolder = {}) : folder_(std::move(settingsFolder)) {}
    void setFolder(const QString& settingsFolder) { folder_ = settingsFolder; }
    const QString& folder() const { return folder_; }
    QString recordPath(int kind) const;
    QString kindPath() const;

    // Reads TypeSettings.dat and loads the set it names; errors are passed over.
    void LoadAtStart();
    void SetFontsToCustom();
    void SetFontsToDefault();
    // Loads the set named by m_chkDefaultFonts.
    void LoadSetInUse();
    DisplayValues values() const { return *this; }
    void setValues(const DisplayValues& v) { static_cast<DisplayValues&>(*this) = v; }

    // Writes a record as record 1 of CustomSettings.dat (kind 0) or DefaultSettings.dat (kind 1).
    void WriteSettingsRecord(int kind, const DisplayValues& v) const;
    // Writes TypeSettings.dat anew with "0" or "1".
    void WriteSettingsKind(int kind) const;
    // Writes a set and then TypeSettings.dat naming it. When the second write fails the record is put
    // back as it was, so that a failure (thrown as Error) leaves both files unchanged.
    void WriteSettingsSet(int kind, const DisplayValues& v) const;
    // Reads one record file; a missing file is created empty and reads as all zeros.
    DisplayValues ReadSettingsRecord(int kind) const;

    // Called after each load with the kind loaded, so an open settings dialog can refresh its controls.
    std::function<void(int kind)> onLoaded;

private:
    void load(int kind);
    QString folder_;
};

} // namespace rp
