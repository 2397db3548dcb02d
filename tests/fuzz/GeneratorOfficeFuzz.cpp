// The generator on a damaged office database: the input is the file floor.mdb (the seeds are the
// example offices). Every input must end in a message or in calendars, by both routines, never in a
// crash or a hang.

#include "FuzzSupport.h"
#include "generator/GenerationDriver.h"
#include "model/CalendarFiles.h"
#include "model/EngineSettings.h"
#include "model/Program.h"
#include "platform/Files.h"

#include <QFileInfo>

using namespace rp;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString& folder = fuzz::scratchFolder();
    fuzz::SilentUi ui;
    Program program(ui, folder);
    fuzz::putFile(QStringLiteral("floor.mdb"), fuzz::bytesOf(data, size));
    QFile::remove(program.paths.DatabasePath + QStringLiteral("-journal"));
    WriteMonthFile(program.paths.MonthFilePath, {2, 2024});
    program.schedule.SchedMonth = QStringLiteral("2");
    program.schedule.SchedYear = QStringLiteral("2024");

    TuneSettings rules;
    rules.onceDay = 1;
    rules.daysAfter = 1;
    rules.method1 = 0;
    rules.method2 = -1;
    WriteTuneFile(program.paths.TuneFilePath, rules);
    for (const char* autoTune : {"1", "0"}) {
        WriteAutoTune(folder, QLatin1String(autoTune));
        GenerationOptions options;
        options.rotation = [size](int agents) { return agents > 0 ? int(size % unsigned(agents)) + 1 : 1; };
        GenerationSummary summary;
        try {
            summary = Generate(program, options);
        } catch (const ProgramEnded&) {
            // The database could not be accessed: the program shows its message and ends.
            FUZZ_CHECK(ui.ended);
            return 0;
        }
        FUZZ_CHECK(summary.calendars.size() <= size_t(kMaxSites));
        FUZZ_CHECK(int(summary.calendars.size()) == program.schedule.CalendarCount || summary.linkError);
        for (int n = 1; n <= program.schedule.CalendarCount && !summary.linkError; ++n) {
            const QString records = ReadRecordText(CalendarFilePath(folder, QStringLiteral("0224"), n));
            FUZZ_CHECK(records.size() % 8 == 0);
        }
    }
    return 0;
}
