#include "model/EngineSettings.h"

#include "platform/Files.h"
#include "platform/Text.h"

#include <QFileInfo>
#include <QtEndian>

namespace rp {

namespace {

int16_t int16At(const QByteArray& bytes, int offset) {
    if (offset + 2 > bytes.size())
        return 0;
    return qFromLittleEndian<int16_t>(bytes.constData() + offset);
}

void putInt16(QByteArray& bytes, int offset, int16_t v) {
    qToLittleEndian<int16_t>(v, bytes.data() + offset);
}

} // namespace

MonthSetting ReadMonthFile(const QString& path) {
    const QByteArray bytes = readBinaryFile(path).value_or(QByteArray());
    return {int16At(bytes, 0), int16At(bytes, 2)};
}

void WriteMonthFile(const QString& path, const MonthSetting& m) {
    QByteArray bytes(4, '\0');
    putInt16(bytes, 0, m.month);
    putInt16(bytes, 2, m.year);
    writeBinaryFileAtomic(path, bytes);
}

TuneSettings ReadTuneFile(const QString& path) {
    const QByteArray bytes = readBinaryFile(path).value_or(QByteArray());
    TuneSettings t;
    t.daysAfter = int16At(bytes, 0);
    t.daysBefore = int16At(bytes, 2);
    t.onceDay = int16At(bytes, 4);
    t.onceWeek = int16At(bytes, 6);
    t.onceWeekday = int16At(bytes, 8);
    t.method1 = int16At(bytes, 10);
    t.method2 = int16At(bytes, 12);
    return t;
}

void WriteTuneFile(const QString& path, const TuneSettings& t) {
    QByteArray bytes(14, '\0');
    const int16_t fields[] = {t.daysAfter,   t.daysBefore, t.onceDay, t.onceWeek,
                              t.onceWeekday, t.method1,    t.method2};
    for (int i = 0; i < 7; ++i)
        putInt16(bytes, 2 * i, fields[i]);
    writeBinaryFileAtomic(path, bytes);
}

QString AutoTuneFilePath(const QString& appFolder) {
    return appFolder + QStringLiteral("/settings/AutoTune.dat");
}

QString ReadAutoTune(const QString& appFolder) {
    const QString path = AutoTuneFilePath(appFolder);
    const std::optional<QString> text = readTextFile(path);
    if (!text && !QFileInfo::exists(path)) {
        try {
            WriteAutoTune(appFolder, QStringLiteral("-1"));
        } catch (...) {
            // A settings folder that cannot be written still generates with the manual rules.
        }
        return QStringLiteral("-1");
    }
    const QStringList lines = splitLines(text.value_or(QString()));
    return lines.isEmpty() ? QString() : trimBlanks(lines.first());
}

void WriteAutoTune(const QString& appFolder, const QString& value) {
    writeTextFileAtomic(AutoTuneFilePath(appFolder), crlfLines({value}));
}

} // namespace rp
