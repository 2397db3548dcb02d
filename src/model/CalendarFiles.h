#pragma once

#include <QString>
#include <QStringList>

namespace rp {

// Files that hand a generated month to the calendar window: "MMYY.n" with one 8-character assignment
// record per line, and "MMYY.nD" with the site heading and number. Link files "@LINK" + letter hold the
// first half of a linked pair in the same record form.

QString CalendarFilePath(const QString& appFolder, const QString& prefix, int n);
QString DescriptionFilePath(const QString& appFolder, const QString& prefix, int n);
QString LinkFilePath(const QString& appFolder, const QString& letter);

// Writes records, one per line, each ended by CR LF.
void WriteRecordFile(const QString& path, const QStringList& records);
// The records of a file joined without line ends; empty when the file is missing.
QString ReadRecordText(const QString& path);
// Cuts joined record text into 8-character records.
QStringList SplitRecords(const QString& text);

// Line 1: the site name followed by ". ", line 2: the site number text.
void WriteDescriptionFile(const QString& path, const QString& siteName, const QString& siteNumberText);
struct SiteDescription {
    QString heading;
    QString numberText;
};
// Reads the file in pairs of lines; the last pair counts. A missing file gives empty texts.
SiteDescription ReadDescriptionFile(const QString& path);

// Deletes the calendar files of the last generation ("????.?" and "????.?D"), and the link files
// ("@link?") when asked.
void DeleteCalendarFiles(const QString& appFolder, bool alsoLinkFiles);

} // namespace rp
