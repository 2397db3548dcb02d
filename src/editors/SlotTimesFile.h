#pragma once

#include <QString>
#include <array>
#include <cstdint>

namespace rp {

// Slot times of one site and weekday: the texts shown in place of the slot letters A to H, and whether
// they are shown. Kept in Times/<site number>_<site name>_<day name>.dat as one 122-byte record.
struct SiteTimesRecord {
    int16_t UseTimes = 0; // 0 show letters; 1 or more show the texts
    std::array<QString, 8> SlotText;
    bool showsTimes() const { return UseTimes >= 1; }
};

inline constexpr int kSiteTimesRecordSize = 122;
inline constexpr int kSlotTextWidth = 15;

// Day names used in the file names, weekday 1 = Sunday .. 7 = Saturday ("Sun", "Mon", "Tues", "Weds",
// "Thurs", "Fri", "Sat"); empty for any other number.
QString TimesDayName(int weekday);
QString TimesFolder(const QString& appFolder);
QString TimesFilePath(const QString& appFolder, const QString& siteNumber, const QString& siteName, int weekday);

// A missing or empty file reads as UseTimes 0 and eight empty texts; a short one reads what it holds.
SiteTimesRecord ReadSiteTimes(const QString& path);
// Writes the record: UseTimes 1 when the flag is set, texts cut or blank-padded to 15 characters.
// The Times folder must exist (it is part of the installation): a missing folder fails with error 76.
void WriteSiteTimes(const QString& path, bool useTimes, const std::array<QString, 8>& texts);
// Deletes every file "<number>_<name>_*.dat" of the Times folder; returns how many went.
int DeleteSiteTimesFiles(const QString& appFolder, const QString& siteNumber, const QString& siteName);

} // namespace rp
