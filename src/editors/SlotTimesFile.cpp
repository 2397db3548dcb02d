#include "editors/SlotTimesFile.h"

#include "platform/Files.h"
#include "platform/Text.h"

#include <QDir>
#include <QFile>
#include <QtEndian>

namespace rp {

QString TimesDayName(int weekday) {
    static const char* const names[] = {"Sun", "Mon", "Tues", "Weds", "Thurs", "Fri", "Sat"};
    if (weekday < 1 || weekday > 7)
        return {};
    return QLatin1String(names[weekday - 1]);
}

QString TimesFolder(const QString& appFolder) { return appFolder + QStringLiteral("/Times"); }

QString TimesFilePath(const QString& appFolder, const QString& siteNumber, const QString& siteName, int weekday) {
    return TimesFolder(appFolder) + QLatin1Char('/') + siteNumber + QLatin1Char('_') + siteName +
           QLatin1Char('_') + TimesDayName(weekday) + QStringLiteral(".dat");
}

SiteTimesRecord ReadSiteTimes(const QString& path) {
    SiteTimesRecord r;
    const QByteArray bytes = readBinaryFile(path).value_or(QByteArray()).left(kSiteTimesRecordSize);
    if (bytes.size() >= 2)
        r.UseTimes = qFromLittleEndian<int16_t>(bytes.constData());
    for (int i = 0; i < 8; ++i) {
        const int offset = 2 + i * kSlotTextWidth;
        QByteArray part = bytes.mid(offset, kSlotTextWidth);
        part.replace('\0', ' ');
        r.SlotText[size_t(i)] = trimBlanks(QString::fromLatin1(part));
    }
    return r;
}

void WriteSiteTimes(const QString& path, bool useTimes, const std::array<QString, 8>& texts) {
    QByteArray bytes(2, '\0');
    qToLittleEndian<int16_t>(useTimes ? 1 : 0, bytes.data());
    for (const QString& t : texts)
        bytes += fixedLatin1(t, kSlotTextWidth);
    writeBinaryFileAtomic(path, bytes);
}

int DeleteSiteTimesFiles(const QString& appFolder, const QString& siteNumber, const QString& siteName) {
    const QString prefix = siteNumber + QLatin1Char('_') + siteName + QLatin1Char('_');
    QDir dir(TimesFolder(appFolder));
    int deleted = 0;
    for (const QString& name : dir.entryList(QDir::Files)) {
        if (name.startsWith(prefix) && name.endsWith(QStringLiteral(".dat")) && QFile::remove(dir.filePath(name)))
            ++deleted;
    }
    return deleted;
}

} // namespace rp
