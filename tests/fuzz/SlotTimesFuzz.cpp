// A slot times file of one site and weekday, read as the renderer reads it and applied to a day's text.

#include "FuzzSupport.h"
#include "model/SlotTimesFile.h"
#include "workspace/Rendering.h"

using namespace rp;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString& folder = fuzz::scratchFolder();
    const QString path = TimesFilePath(folder, QStringLiteral("1"), QStringLiteral("North"), 1);
    fuzz::putFile(QStringLiteral("Times/1_North_Sun.dat"), fuzz::bytesOf(data, size));

    const SiteTimesRecord record = ReadSiteTimes(path);
    for (const QString& text : record.SlotText)
        FUZZ_CHECK(text.size() <= kSlotTextWidth);

    fuzz::SilentUi ui;
    SiteTimesLookup lookup{folder, QStringLiteral("North. "), QStringLiteral("1"), false};
    bool resetIndex = false;
    const SiteTimes times = GetSiteTimesByDay(lookup, 1, ui, resetIndex);
    const QString day = QStringLiteral("A-AB__\r\nB-\r\nC-CD__\r\nD-\r\nE-\r\nF-\r\nG-J+M_\r\nH-AGT?\r\n");
    (void)ReplaceLetters(day, times);
    return 0;
}
