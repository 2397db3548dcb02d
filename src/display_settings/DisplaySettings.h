#pragma once

#include "model/DisplayValues.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <utility>

namespace rp {

struct Program;

inline constexpr int kSettingsRecordSize = 172;
inline constexpr int kFaceWidth = 25;

// The record layout: faces as 25 Latin-1 characters blank-padded, numbers little-endian. Offset 148
// holds the kind the record was written as (0 custom, 1 default).
QByteArray EncodeSettingsRecord(const DisplayValues& v, int32_t kind);
// A short or empty record reads its missing fields as zero or blank; a full-name size of 0 reads as 6.
DisplayValues DecodeSettingsRecord(const QByteArray& record);

// The settings files of a settings folder: TypeSettings.dat (which set is in use), CustomSettings.dat and
// DefaultSettings.dat; loading a set puts it in force.
class DisplaySettings {
public:
    DisplaySettings(DisplayState& inForce, QString settingsFolder)
        : inForce_(inForce), folder_(std::move(settingsFolder)) {}
    // The program's settings in force and the settings folder of its program folder.
    explicit DisplaySettings(Program& program);

    const QString& folder() const { return folder_; }
    QString recordPath(int kind) const;
    QString kindPath() const;

    // Reads TypeSettings.dat and loads the set it names; errors are passed over.
    void loadAtStart();
    void SetFontsToCustom();
    void SetFontsToDefault();
    // Loads the set named by m_chkDefaultFonts.
    void loadSetInUse();

    // Writes a record as record 1 of CustomSettings.dat (kind 0) or DefaultSettings.dat (kind 1).
    void WriteSettingsRecord(int kind, const DisplayValues& v) const;
    // Writes TypeSettings.dat anew with "0" or "1".
    void WriteSettingsKind(int kind) const;
    // Writes a set and then TypeSettings.dat naming it. When the second write fails the record is put
    // back as it was, so that a failure (thrown as Error) leaves both files unchanged.
    void writeSettingsSet(int kind, const DisplayValues& v) const;
    // Reads one record file; a missing file is created empty and reads as all zeros.
    DisplayValues ReadSettingsRecord(int kind) const;

private:
    void load(int kind);
    DisplayState& inForce_;
    QString folder_;
};

} // namespace rp
