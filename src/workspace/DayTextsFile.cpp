#include "workspace/DayTextsFile.h"

#include "platform/Files.h"
#include "platform/Text.h"

namespace rp {

namespace {
const QString kCrLf = QStringLiteral("\r\n");
// A shown month spans at most six weeks; anything longer is a damaged file.
constexpr qint64 kMaxDays = 42;
} // namespace

QString DayTextLines(const QStringList& texts) {
    QString out;
    for (const QString& t : texts) {
        // A line holding "~" ends a text when it is read, so only the text's last line may keep one.
        QStringList lines = QString(t).replace(kCrLf, QStringLiteral("\n")).split(QLatin1Char('\n'));
        for (qsizetype i = 0; i + 1 < lines.size(); ++i)
            lines[i].replace(QLatin1Char('~'), QLatin1Char('-'));
        out += lines.join(kCrLf) + QLatin1Char('~') + kCrLf;
    }
    return out;
}

QStringList ReadDayTexts(const QStringList& lines, qsizetype from, qsizetype count) {
    QStringList texts;
    qsizetype i = from;
    for (qsizetype n = 0; n < count && i < lines.size(); ++n) {
        // The lines of one text are joined by CR LF up to the line that ends it with "~"; no line break is
        // added after the last one, so a text read back is the text that was written.
        QStringList parts;
        while (i < lines.size()) {
            const QString line = lines[i++];
            if (!line.isEmpty() && line.contains(QLatin1Char('~'))) {
                parts << line.left(line.size() - 1);
                break;
            }
            parts << line;
        }
        texts << parts.join(kCrLf);
    }
    return texts;
}

DayTextsFile ReadPersonalMonthFile(const QString& path) {
    DayTextsFile f;
    std::optional<QString> content;
    try {
        content = readExistingTextFile(path);
    } catch (const Error& e) {
        f.damage = e;
        return f;
    }
    if (!content || content->isEmpty())
        return f;
    const QStringList lines = splitLines(*content);
    bool okStart = false, okEnd = false;
    const qint64 start = lines.size() > 0 ? trimBlanks(lines[0]).toLongLong(&okStart) : 0;
    const qint64 end = lines.size() > 1 ? trimBlanks(lines[1]).toLongLong(&okEnd) : 0;
    if (lines.size() < 2) {
        f.damage = Error::runtime(err::InputPastEndOfFile);
        return f;
    }
    if (!okStart || !okEnd) {
        f.damage = Error::runtime(err::TypeMismatch);
        return f;
    }
    if (start <= 0 || end < start || end - start + 1 > kMaxDays) {
        f.damage = Error::runtime(err::SubscriptOutOfRange);
        return f;
    }
    f.start = start;
    f.end = end;
    f.heading = lines.value(2);
    f.rules = lines.value(3);
    f.texts = ReadDayTexts(lines, 4, end - start + 1);
    if (lines.size() < 4 || f.texts.size() < end - start + 1)
        f.damage = Error::runtime(err::InputPastEndOfFile);
    return f;
}

void WritePersonalMonthFile(const QString& path, const DayTextsFile& file) {
    const QString header =
        crlfLines({QString::number(file.start), QString::number(file.end), file.heading, file.rules});
    writeTextFileAtomic(path, header + DayTextLines(file.texts));
}

} // namespace rp
