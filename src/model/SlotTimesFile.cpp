#include "model/SlotTimesFile.h"

#include "model/EntrySyntax.h"
#include "platform/Files.h"
#include "platform/Text.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <algorithm>
#include <filesystem>
#include <vector>

namespace rp {

QString TimesDayName(int weekday) {
    static const char* const names[] = {"Sun", "Mon", "Tues", "Weds", "Thurs", "Fri", "Sat"};
    if (weekday < 1 || weekday > 7)
        return {};
    return QLatin1String(names[weekday - 1]);
}

QString TimesFolder(const QString& appFolder) {
    return appFolder + QStringLiteral("/Times");
}

QString TimesFilePath(const QString& appFolder, const QString& siteNumber, const QString& siteName,
                      int weekday) {
    const QString number = trimBlanks(siteNumber);
    const QString name = trimBlanks(siteName);
    const bool digits = !number.isEmpty() && std::all_of(number.begin(), number.end(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
    // A name such as "a/b" would reach into a sub-folder.
    if (!digits || !IsValidSiteName(name))
        throw Error::runtime(err::BadFileName);
    return TimesFolder(appFolder) + QLatin1Char('/') + number + QLatin1Char('_') + name + QLatin1Char('_') +
           TimesDayName(weekday) + QStringLiteral(".dat");
}

SiteTimesRecord ReadSiteTimes(const QString& path) {
    SiteTimesRecord r;
    const QByteArray bytes = readExistingBinaryFile(path).value_or(QByteArray()).left(kSiteTimesRecordSize);
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
    int deleted = 0;
    try {
        for (int weekday = 1; weekday <= 7; ++weekday) {
            const QString path = TimesFilePath(appFolder, siteNumber, siteName, weekday);
            if (QFileInfo(path).isFile() && QFile::remove(path))
                ++deleted;
        }
    } catch (const Error&) {
        // A name that cannot name a file has no files.
    }
    return deleted;
}

void RenameSiteTimesFiles(const QString& appFolder, const QString& siteNumber, const QString& oldName,
                          const QString& newName) {
    namespace fs = std::filesystem;
    struct Move {
        fs::path from, to;
    };
    std::vector<Move> moves;
    for (int weekday = 1; weekday <= 7; ++weekday) {
        QString from;
        try {
            from = TimesFilePath(appFolder, siteNumber, oldName, weekday);
        } catch (const Error&) {
            return; // the old name could not name a file, so there is nothing to move
        }
        const QString to = TimesFilePath(appFolder, siteNumber, newName, weekday);
        if (from == to)
            return;
        if (QFileInfo(from).isFile())
            moves.push_back({fs::path(QFile::encodeName(from).toStdString()),
                             fs::path(QFile::encodeName(to).toStdString())});
    }
    for (size_t i = 0; i < moves.size(); ++i) {
        std::error_code failed;
        fs::rename(moves[i].from, moves[i].to, failed);
        if (!failed)
            continue;
        for (size_t j = 0; j < i; ++j) {
            std::error_code ignored;
            fs::rename(moves[j].to, moves[j].from, ignored);
        }
        throw Error::runtime(err::PathFileAccess);
    }
}

} // namespace rp
