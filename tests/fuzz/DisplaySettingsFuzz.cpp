// The display settings: a 172-byte record of fonts, sizes, heights and letter choices, and the one-line
// file that names the set in use; the input is each of the three files.

#include "FuzzSupport.h"
#include "display_settings/DisplaySettings.h"
#include "platform/Text.h"

using namespace rp;

namespace {

DisplayValues withFacesTrimmed(DisplayValues v) {
    for (QString* face :
         {&v.m_DateFontScreen, &v.m_TextFontScreen, &v.m_DateFontPrinter, &v.m_TextFontPrinter})
        *face = trimRightBlanks(*face);
    return v;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = fuzz::bytesOf(data, size);

    const DisplayValues v = DecodeSettingsRecord(bytes.left(kSettingsRecordSize));
    FUZZ_CHECK(v.m_FullNameSize != 0);
    // What was read is written back as it was read; a face missing from a short record comes back blank.
    const QByteArray record = EncodeSettingsRecord(v, 0);
    FUZZ_CHECK(record.size() == kSettingsRecordSize);
    FUZZ_CHECK(withFacesTrimmed(DecodeSettingsRecord(record)) == withFacesTrimmed(v));

    for (const char* name :
         {"settings/TypeSettings.dat", "settings/CustomSettings.dat", "settings/DefaultSettings.dat"})
        fuzz::putFile(QLatin1String(name), bytes);
    DisplayState inForce;
    DisplaySettings files(inForce, fuzz::scratchFolder() + QStringLiteral("/settings"));
    files.loadAtStart();
    FUZZ_CHECK(inForce.values() == v);
    return 0;
}
