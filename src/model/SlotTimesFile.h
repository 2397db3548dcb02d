#pragma once

#include "platform/Error.h"

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
// The one way to name a site's times file, from the site number and name as stored (blanks at both ends
// removed). A number that is not all digits, or a name holding a character the site name rules forbid,
// cannot name a file in the Times folder: Error 52.
QString TimesFilePath(const QString& appFolder, const QString& siteNumber, const QString& siteName,
                      int weekday);

// A missing or empty file reads as UseTimes 0 and eight empty texts; a short one reads what it holds.
// A file that exists but cannot be read (no permission, a folder in its place) throws Error 70 or 75.
SiteTimesRecord ReadSiteTimes(const QString& path);
// Writes the record: UseTimes 1 when the flag is set, texts cut or blank-padded to 15 characters.
// The Times folder must exist (it is part of the installation): a missing folder fails with error 76.
void WriteSiteTimes(const QString& path, bool useTimes, const std::array<QString, 8>& texts);
// Deletes the seven times files of a site; returns how many went. A file that cannot be deleted, or a
// name that cannot name one, is no failure.
int DeleteSiteTimesFiles(const QString& appFolder, const QString& siteNumber, const QString& siteName);
// Moves the times files of a renamed site to its new name, replacing stale files of that name. When one
// cannot be moved, those already moved go back and Error 75 is thrown: the files stay under the old name.
void RenameSiteTimesFiles(const QString& appFolder, const QString& siteNumber, const QString& oldName,
                          const QString& newName);

} // namespace rp
