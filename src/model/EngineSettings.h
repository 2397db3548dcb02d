#pragma once

#include <QString>
#include <array>
#include <cstdint>

namespace rp {

// The files that steer generation, in the settings folder: month.dat (month and year to generate),
// tune.dat (the manual rules) and AutoTune.dat (automatic fine tuning on or off). A missing or short
// binary file reads its missing fields as 0.

struct MonthSetting {
    int16_t month = 0;
    int16_t year = 0;
    bool valid() const { return month >= 1 && month <= 12 && year >= 100 && year <= 9999; }
};
MonthSetting ReadMonthFile(const QString& path);
void WriteMonthFile(const QString& path, const MonthSetting& m);

struct TuneSettings {
    // Fields 1..7 of the record.
    int16_t daysAfter = 0;   // 0, 1 or 2
    int16_t daysBefore = 0;  // 0, 1 or 2
    int16_t onceDay = 0;     // on when 1
    int16_t onceWeek = 0;    // on when 1
    int16_t onceWeekday = 0; // on when 1
    int16_t method1 = -1;    // -1 chosen: method "1", else method "2"
    int16_t method2 = 0;

    QString methodText() const { return method1 == -1 ? QStringLiteral("1") : QStringLiteral("2"); }
    bool operator==(const TuneSettings&) const = default;
};
TuneSettings ReadTuneFile(const QString& path);
void WriteTuneFile(const QString& path, const TuneSettings& t);

// The first line of AutoTune.dat, trimmed; a missing file is created holding "-1".
QString ReadAutoTune(const QString& appFolder);
void WriteAutoTune(const QString& appFolder, const QString& value);
QString AutoTuneFilePath(const QString& appFolder);

} // namespace rp
