// The entry syntax of date lists, site lists and manual slot lists, as the generator turns them into
// tokens and as the editors check them, on any text a field of the office database may hold.

#include "FuzzSupport.h"
#include "generator/MonthTokens.h"
#include "model/EntrySyntax.h"
#include "model/Tokens.h"
#include "platform/Text.h"

using namespace rp;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const int month = size > 0 ? data[0] % 12 + 1 : 1;
    const int year = 2023 + (size > 1 ? data[1] % 6 : 0);
    const MonthTokens tokens(month, year);

    // Date and site lists: canonicalised, expanded and turned into keys as the loaders do.
    const QString expanded = ExpandDateRanges(CanonicaliseDateList(trimBlanks(text)));
    FUZZ_CHECK(!expanded.contains(QLatin1Char('-')));
    for (const char* letters : {"AB", "CDEF", "GH", "ABCDEFGH", "S"}) {
        const QString keys = DateListToDayKeys(expanded, QLatin1String(letters));
        (void)tokens.keysFoundIn(keys);
    }
    FUZZ_CHECK(!ExpandDateRanges(text).contains(QLatin1Char('-')));

    // Manual slot lists: keys, slot tokens of the month and assignment records.
    const QString keys = NormaliseManualList(trimBlanks(text));
    const QString slotTokens = ManualKeysToSlotTokens(keys, tokens.text());
    FUZZ_CHECK(slotTokens.size() % 4 == 0);
    const QString records = AppendInitials(slotTokens, padInitials(text.left(6)));
    FUZZ_CHECK(records.size() == slotTokens.size() * 2);
    for (qsizetype i = 0; i < slotTokens.size(); i += 4)
        (void)tokens.indexOf(slotTokens.mid(i, 4));

    // The editors' checks and calendar clicks.
    fuzz::SilentUi ui;
    QString field = text;
    const bool datesPass = CheckDateList(field, ui);
    FUZZ_CHECK(datesPass == (ui.messages == 0));
    field = text;
    (void)CheckManualList(field, ui);
    (void)AppendDay(text, size > 2 ? data[2] % 31 + 1 : 1);
    (void)IsValidSiteName(text);
    return 0;
}
