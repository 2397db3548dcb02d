#include "model/CalendarFiles.h"

#include "platform/Files.h"
#include "platform/Text.h"

namespace rp {

QString CalendarFilePath(const QString& appFolder, const QString& prefix, int n) {
    return appFolder + QLatin1Char('/') + prefix + QLatin1Char('.') + QString::number(n);
}

QString DescriptionFilePath(const QString& appFolder, const QString& prefix, int n) {
    return CalendarFilePath(appFolder, prefix, n) + QLatin1Char('D');
}

QString LinkFilePath(const QString& appFolder, const QString& letter) {
    return appFolder + QStringLiteral("/@LINK") + letter;
}

void WriteRecordFile(const QString& path, const QStringList& records) {
    writeTransientTextFileAtomic(path, crlfLines(records));
}

QString ReadRecordText(const QString& path) {
    const auto text = readTextFile(path);
    if (!text)
        return {};
    return splitLines(*text).join(QString());
}

QStringList SplitRecords(const QString& text) {
    QStringList out;
    for (qsizetype i = 0; i < text.size(); i += 8)
        out << text.mid(i, 8);
    return out;
}

void WriteDescriptionFile(const QString& path, const QString& siteName, const QString& siteNumberText) {
    writeTransientTextFileAtomic(path,
                                 crlfLines({siteName + QStringLiteral(". "), trimBlanks(siteNumberText)}));
}

SiteDescription ReadDescriptionFile(const QString& path) {
    SiteDescription d;
    const auto text = readTextFile(path);
    if (!text)
        return d;
    const QStringList lines = splitLines(*text);
    for (qsizetype i = 0; i < lines.size(); i += 2) {
        d.heading = lines[i];
        d.numberText = i + 1 < lines.size() ? trimBlanks(lines[i + 1]) : QString();
    }
    return d;
}

void DeleteCalendarFiles(const QString& appFolder, bool alsoLinkFiles) {
    QStringList patterns{QStringLiteral("????.?"), QStringLiteral("????.?D")};
    if (alsoLinkFiles)
        patterns << QStringLiteral("@link?");
    deleteMatchingFiles(appFolder, patterns);
}

} // namespace rp
