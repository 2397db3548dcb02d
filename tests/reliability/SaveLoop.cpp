#include "SaveLoop.h"

#include "backup/Transfers.h"
#include "display_settings/DisplaySettings.h"
#include "model/EngineSettings.h"
#include "model/OfficeDatabase.h"
#include "platform/Database.h"
#include "platform/Error.h"
#include "platform/Ui.h"
#include "workspace/DayTextsFile.h"
#include "workspace/PersonalCalendar.h"
#include "workspace/SavedSchedules.h"

#include <QDir>

namespace rp::test {

namespace {

// Answers every message with OK and records nothing, so that a loop of thousands of saves stays small.
class QuietUi : public Ui {
public:
    Answer message(const QString&, const QString& = {}, Icon = Icon::None, Buttons = Buttons::Ok,
                   std::optional<Answer> = {}) override {
        return Answer::Ok;
    }
    std::optional<QString> input(const QString&, const QString& = {}) override { return std::nullopt; }
    void beep() override {}
    void setBusy(bool) override {}
    void endProgram() override {}
};

constexpr qint64 kJanuary2024First = 45291; // Sunday 31 December 2023, as a day number
constexpr qint64 kJanuary2024Last = 45332;  // Saturday 10 February 2024

QStringList dayTexts(int version) {
    QStringList texts;
    for (qint64 d = kJanuary2024First; d <= kJanuary2024Last; ++d) {
        if (version == 0)
            texts << (d % 5 == 0 ? QStringLiteral("Dentist") : QString());
        else
            texts << QStringLiteral("A-AB__\r\nB-CD__\r\nC-EF__\r\nD-\r\nE-GH__\r\nF-\r\nG-J+M_\r\nH-%1")
                         .arg(d);
    }
    return texts;
}

QString officeOf(const QString& folder, int version) {
    return folder + QStringLiteral("/office%1/floor.mdb").arg(version);
}

QString driveOf(const QString& folder) {
    return folder + QStringLiteral("/drive");
}

} // namespace

QStringList SaveLoopFiles() {
    return {QStringLiteral("Personal/12024.txt"),    QStringLiteral("settings/CustomSettings.dat"),
            QStringLiteral("settings/tune.dat"),     QStringLiteral("Saved/2_CAL_North.TXT"),
            QStringLiteral("Saved/2_RPT_North.TXT"), QStringLiteral("drive/RPBackup/floor.mdb")};
}

void PrepareSaveLoop(const QString& folder) {
    for (const char* sub : {"Personal", "settings", "Saved", "drive", "office0", "office1"})
        QDir(folder).mkpath(QLatin1String(sub));
    for (int version = 0; version < 2; ++version) {
        CreateOfficeDatabase(officeOf(folder, version));
        auto db = Database::open(officeOf(folder, version));
        db->execute(QStringLiteral("INSERT INTO Sites (fdSNum, fdSName, fdAM1) VALUES (1, 'North', 1)"));
        for (int i = 0; i < (version == 0 ? 3 : 60); ++i)
            db->execute(QStringLiteral("INSERT INTO Agents (fdName, fdInitial, fdAssigned) "
                                       "VALUES ('Agent %1 of version %2', 'A%1', '1')")
                            .arg(i)
                            .arg(version));
    }
}

void SaveVersion(const QString& folder, int version) {
    DayTextsFile personal;
    personal.start = kJanuary2024First;
    personal.end = kJanuary2024Last;
    personal.heading = QStringLiteral("Personal");
    personal.texts = dayTexts(version);
    WritePersonalMonthFile(PersonalMonthPath(folder, 1, 2024), personal);

    DisplayState inForce;
    DisplayValues values;
    values.m_DateFontScreen =
        version == 0 ? QStringLiteral("Arial") : QStringLiteral("DejaVu Sans Condensed");
    values.m_DateSizeScreen = 10 + version;
    values.m_FullNameSize = 6 + version;
    DisplaySettings(inForce, folder + QStringLiteral("/settings")).WriteSettingsRecord(0, values);

    TuneSettings tune;
    tune.daysAfter = int16_t(version + 1);
    tune.onceDay = int16_t(version);
    WriteTuneFile(folder + QStringLiteral("/settings/tune.dat"), tune);

    SavedSchedule saved;
    saved.siteNumberText = QStringLiteral("2");
    saved.month = QStringLiteral("1");
    saved.year = QStringLiteral("2024");
    saved.start = kJanuary2024First;
    saved.end = kJanuary2024Last;
    saved.heading = QStringLiteral("North. ");
    saved.rules = version == 0
                      ? QStringLiteral("AUTOMATIC FINE TUNING.")
                      : QStringLiteral("Once/day:True. Once/Week:False. Once/weekday:False. Method:1");
    saved.texts = dayTexts(1 - version);
    const QString savedFolder = SavedFolder(folder);
    WriteSavedSchedule(savedFolder + QStringLiteral("/2_CAL_North.TXT"),
                       savedFolder + QStringLiteral("/2_RPT_North.TXT"), saved,
                       QStringLiteral("Report of version %1\r\n").arg(version).repeated(version * 40 + 1));

    QuietUi ui;
    if (!ExportToDrive(ui, officeOf(folder, version), driveOf(folder), CopyRoutines{}))
        throw Error{75, QStringLiteral("The backup could not be exported")};
}

} // namespace rp::test
