// The files that steer generation: month.dat, tune.dat and AutoTune.dat, each holding the input.

#include "FuzzSupport.h"
#include "generator/GenerationDriver.h"
#include "generator/MonthTokens.h"
#include "model/EngineSettings.h"

using namespace rp;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = fuzz::bytesOf(data, size);
    const QString& folder = fuzz::scratchFolder();

    const MonthSetting month = ReadMonthFile(fuzz::putFile(QStringLiteral("settings/month.dat"), bytes));
    if (month.valid()) {
        // The generation builds the month's tokens from it.
        const MonthTokens tokens(month.month, month.year);
        FUZZ_CHECK(tokens.days() >= 28 && tokens.days() <= 31);
        FUZZ_CHECK(MonthTokenList(month.month, month.year) == tokens.text());
    }

    const TuneSettings tune = ReadTuneFile(fuzz::putFile(QStringLiteral("settings/tune.dat"), bytes));
    const QString method = tune.methodText();
    FUZZ_CHECK(method == QLatin1String("1") || method == QLatin1String("2"));
    (void)RulesSummary(false, tune);

    fuzz::putFile(QStringLiteral("settings/AutoTune.dat"), bytes);
    const QString autoTune = ReadAutoTune(folder);
    FUZZ_CHECK(!autoTune.contains(QLatin1Char('\n')));
    return 0;
}
