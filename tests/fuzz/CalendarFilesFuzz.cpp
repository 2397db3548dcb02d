// A generated calendar's two files as the calendar window reads them: the records file ("0124.1", one
// 8-character record per line) turned into day texts and agent summaries, and its description file.

#include "FuzzSupport.h"
#include "model/CalendarFiles.h"
#include "model/ScheduleState.h"
#include "workspace/Rendering.h"

using namespace rp;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = fuzz::bytesOf(data, size);
    const QString& folder = fuzz::scratchFolder();

    const QString recordsPath = CalendarFilePath(folder, QStringLiteral("0124"), 1);
    fuzz::putFile(QStringLiteral("0124.1"), bytes);
    const QString text = ReadRecordText(recordsPath);
    const QStringList records = SplitRecords(text);
    FUZZ_CHECK(records.join(QString()) == text);

    ScheduleState state;
    state.AgentInitials = {QStringLiteral("AB__"), QStringLiteral("CD__"), QStringLiteral("J+M_")};
    state.AgentNames = {QStringLiteral("Anne B"), QStringLiteral("Carl D"), QStringLiteral("Jo+Max")};
    const int letters = size > 0 ? data[0] % 3 : 0;
    state.LetterYes = letters == 0;
    state.LetterNo = letters == 1;
    state.LetterAgt = letters == 2;
    fuzz::SilentUi ui;
    BuildDayTexts(state, text, size > 1 && data[1] % 2 == 1, ui);
    for (int day = 1; day <= 31; ++day)
        FUZZ_CHECK(state.DayText[size_t(day)].count(QStringLiteral("\r\n")) == 8);
    const QStringList summaries = BuildAgentSummaries(state.AgentInitials, text);
    FUZZ_CHECK(summaries.size() == state.AgentInitials.size());

    fuzz::putFile(QStringLiteral("0124.1D"), bytes);
    (void)ReadDescriptionFile(DescriptionFilePath(folder, QStringLiteral("0124"), 1));
    return 0;
}
