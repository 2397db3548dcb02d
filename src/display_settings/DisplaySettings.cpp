#include "display_settings/DisplaySettings.h"

#include "model/Program.h"
#include "platform/Error.h"
#include "platform/Files.h"
#include "platform/Text.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace rp {

namespace {

class RecordWriter {
public:
    RecordWriter() : bytes_(kSettingsRecordSize, '\0') {}
    void face(int offset, const QString& s) {
        bytes_.replace(offset, kFaceWidth, fixedLatin1(s, kFaceWidth));
    }
    void i32(int offset, int32_t v) { qToLittleEndian<int32_t>(v, bytes_.data() + offset); }
    void i16(int offset, int16_t v) { qToLittleEndian<int16_t>(v, bytes_.data() + offset); }
    QByteArray bytes() const { return bytes_; }

private:
    QByteArray bytes_;
};

class RecordReader {
public:
    explicit RecordReader(const QByteArray& b) : bytes_(b) {}
    QString face(int offset) const {
        if (offset >= bytes_.size())
            return {};
        QByteArray part = bytes_.mid(offset, kFaceWidth);
        // Bytes missing from a short record, and zero bytes, read as blanks.
        part = part.leftJustified(kFaceWidth, ' ');
        part.replace('\0', ' ');
        return QString::fromLatin1(part);
    }
    int32_t i32(int offset) const {
        return offset + 4 <= bytes_.size() ? qFromLittleEndian<int32_t>(bytes_.constData() + offset) : 0;
    }
    int16_t i16(int offset) const {
        return offset + 2 <= bytes_.size() ? qFromLittleEndian<int16_t>(bytes_.constData() + offset) : 0;
    }

private:
    const QByteArray& bytes_;
};

} // namespace

QByteArray EncodeSettingsRecord(const DisplayValues& v, int32_t kind) {
    RecordWriter w;
    w.face(0, v.m_DateFontScreen);
    w.i32(25, v.m_DateSizeScreen);
    w.i16(29, v.m_DateBoldScreen);
    w.i16(31, v.m_DateItalicScreen);
    w.face(33, v.m_TextFontScreen);
    w.i32(58, v.m_TextSizeScreen);
    w.i16(62, v.m_TextBoldScreen);
    w.i16(64, v.m_TextItalicScreen);
    w.i32(66, v.m_TextForeColorScreen);
    w.face(70, v.m_DateFontPrinter);
    w.i32(95, v.m_DateSizePrinter);
    w.i16(99, v.m_DateBoldPrinter);
    w.i16(101, v.m_DateItalicPrinter);
    w.face(103, v.m_TextFontPrinter);
    w.i32(128, v.m_TextSizePrinter);
    w.i16(132, v.m_TextBoldPrinter);
    w.i16(134, v.m_TextItalicPrinter);
    w.i32(136, v.m_TextForeColorPrinter);
    w.i32(140, v.m_DateHeightPrinter);
    w.i32(144, v.m_DateHeightScreen);
    w.i32(148, kind);
    w.i32(152, v.m_LetterYes);
    w.i32(156, v.m_LetterNo);
    w.i32(160, v.m_LetterAgt);
    w.i32(164, v.m_CheckFullName);
    w.i32(168, v.m_FullNameSize);
    return w.bytes();
}

DisplayValues DecodeSettingsRecord(const QByteArray& record) {
    const RecordReader r(record);
    DisplayValues v;
    v.m_DateFontScreen = r.face(0);
    v.m_DateSizeScreen = r.i32(25);
    v.m_DateBoldScreen = r.i16(29);
    v.m_DateItalicScreen = r.i16(31);
    v.m_TextFontScreen = r.face(33);
    v.m_TextSizeScreen = r.i32(58);
    v.m_TextBoldScreen = r.i16(62);
    v.m_TextItalicScreen = r.i16(64);
    v.m_TextForeColorScreen = r.i32(66);
    v.m_DateFontPrinter = r.face(70);
    v.m_DateSizePrinter = r.i32(95);
    v.m_DateBoldPrinter = r.i16(99);
    v.m_DateItalicPrinter = r.i16(101);
    v.m_TextFontPrinter = r.face(103);
    v.m_TextSizePrinter = r.i32(128);
    v.m_TextBoldPrinter = r.i16(132);
    v.m_TextItalicPrinter = r.i16(134);
    v.m_TextForeColorPrinter = r.i32(136);
    v.m_DateHeightPrinter = r.i32(140);
    v.m_DateHeightScreen = r.i32(144);
    v.m_LetterYes = r.i32(152);
    v.m_LetterNo = r.i32(156);
    v.m_LetterAgt = r.i32(160);
    v.m_CheckFullName = r.i32(164);
    v.m_FullNameSize = r.i32(168);
    if (v.m_FullNameSize == 0)
        v.m_FullNameSize = 6;
    return v;
}

DisplaySettings::DisplaySettings(Program& program)
    : DisplaySettings(program.display, program.paths.file(QStringLiteral("settings"))) {}

QString DisplaySettings::recordPath(int kind) const {
    return folder_ +
           (kind == 0 ? QStringLiteral("/CustomSettings.dat") : QStringLiteral("/DefaultSettings.dat"));
}

QString DisplaySettings::kindPath() const {
    return folder_ + QStringLiteral("/TypeSettings.dat");
}

DisplayValues DisplaySettings::ReadSettingsRecord(int kind) const {
    const QString path = recordPath(kind);
    if (!QFileInfo::exists(path)) {
        try {
            writeBinaryFileAtomic(path, QByteArray());
        } catch (const Error&) {
            // A folder that cannot be written still loads the zero record.
        }
        return DecodeSettingsRecord(QByteArray());
    }
    return DecodeSettingsRecord(readBinaryFile(path).value_or(QByteArray()).left(kSettingsRecordSize));
}

void DisplaySettings::load(int kind) {
    inForce_.setValues(ReadSettingsRecord(kind));
    if (inForce_.onLoaded)
        inForce_.onLoaded(kind);
}

void DisplaySettings::SetFontsToCustom() {
    load(0);
}

void DisplaySettings::SetFontsToDefault() {
    load(1);
}

void DisplaySettings::loadSetInUse() {
    if (inForce_.m_chkDefaultFonts < 1)
        SetFontsToCustom();
    else
        SetFontsToDefault();
}

void DisplaySettings::loadAtStart() {
    const QStringList lines = splitLines(readTextFile(kindPath()).value_or(QString()));
    const QString first = lines.isEmpty() ? QString() : trimBlanks(lines.first());
    inForce_.m_chkDefaultFonts = first.isEmpty() ? int16_t(1) : int16_t(leadingNumber(first));
    loadSetInUse();
}

void DisplaySettings::WriteSettingsRecord(int kind, const DisplayValues& v) const {
    writeBinaryFileAtomic(recordPath(kind), EncodeSettingsRecord(v, kind));
}

void DisplaySettings::WriteSettingsKind(int kind) const {
    writeTextFileAtomic(kindPath(), crlfLines({QString::number(kind)}));
}

void DisplaySettings::writeSettingsSet(int kind, const DisplayValues& v) const {
    const QString path = recordPath(kind);
    const bool existed = QFileInfo::exists(path);
    const std::optional<QByteArray> before = readBinaryFile(path);
    WriteSettingsRecord(kind, v);
    try {
        WriteSettingsKind(kind);
    } catch (const Error&) {
        try {
            if (before)
                writeBinaryFileAtomic(path, *before);
            else if (!existed)
                QFile::remove(path);
        } catch (const Error&) {
            // The failure reported is the one of the kind file.
        }
        throw;
    }
}

} // namespace rp
