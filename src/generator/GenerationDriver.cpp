#include "generator/GenerationDriver.h"

#include "generator/AutoAssign.h"
#include "generator/GapFilling.h"
#include "generator/ManualAssignments.h"
#include "generator/RuleAssign.h"
#include "generator/SiteLoader.h"
#include "model/CalendarFiles.h"
#include "model/EngineSettings.h"
#include "model/Program.h"
#include "platform/Error.h"
#include "platform/Files.h"
#include "platform/Ui.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace rp {

namespace {

const QString kTitle = QStringLiteral("cmdGenerate");

// Thrown inside the driver when an error ends the command.
struct CommandEnded {};

class Driver {
public:
    Driver(Program& program, const GenerationOptions& options)
        : program_(program), ui_(program.ui), state_(program.schedule), options_(options) {}

    GenerationSummary run() {
        try {
            generate();
        } catch (const CommandEnded&) {
            summary_.ended = true;
            ui_.setBusy(false);
        }
        return summary_;
    }

private:
    // Runs one step under the command's error policy: a missing file is passed over, an index outside a
    // table ends the command, anything else is reported and the next step runs. Returns whether the step
    // finished.
    template <typename Step> bool step(Step&& body) {
        try {
            body();
            return true;
        } catch (const Error& e) {
            if (e.number == err::FileNotFound)
                return false;
            ui_.message(QStringLiteral("Error #%1 .%2").arg(e.number).arg(e.description), kTitle,
                        Icon::Information, Buttons::Ok);
            if (e.number == err::SubscriptOutOfRange)
                throw CommandEnded{};
            return false;
        }
    }

    void generate() {
        const QString& folder = program_.paths.AppFolder;
        ui_.setBusy(true);
        DeleteCalendarFiles(folder, true);
        state_.CalendarCount = 0;
        links_.clear();

        const MonthSetting month =
            options_.month ? *options_.month : ReadMonthFile(program_.paths.MonthFilePath);
        tune_ = ReadTuneFile(program_.paths.TuneFilePath);
        state_.LetterYes = program_.display.m_LetterYes;
        state_.LetterNo = program_.display.m_LetterNo;
        state_.LetterAgt = program_.display.m_LetterAgt;
        if (!month.valid()) {
            ui_.setBusy(false);
            ui_.message(
                QStringLiteral("The month to generate cannot be read from the settings. Choose the month "
                               "with the Month command, then generate again."),
                kTitle, Icon::Information, Buttons::Ok);
            throw CommandEnded{};
        }
        prefix_ = twoDigits(month.month) + twoDigits(month.year % 100);

        GenerationTables tables(month.month, month.year);
        if (!LoadSites(program_, tables)) {
            summary_.databaseUnavailable = true;
            ui_.setBusy(false);
            throw CommandEnded{};
        }
        AgentLoad load = AgentLoad::Loaded;
        try {
            load = LoadAgents(program_, tables);
        } catch (const Error& e) {
            if (err::isDatabaseError(e.number)) {
                // Without a readable agents table nothing sensible can be generated: report it once.
                ui_.message(QStringLiteral("Error #%1 .%2").arg(e.number).arg(e.description), kTitle,
                            Icon::Information, Buttons::Ok);
                summary_.databaseUnavailable = true;
                throw CommandEnded{};
            }
            step([&] { throw e; }); // the command's policy: an index error ends it, others are reported
            tables.resizeAgents(0);
            state_.AgentCount = 0;
        }
        if (load == AgentLoad::TooMany) {
            ui_.setBusy(false);
            throw CommandEnded{};
        }

        summary_.rotationStart = options_.rotation ? options_.rotation(tables.agentCount()) : 1;
        RotateAgents(tables, summary_.rotationStart);
        state_.AgentInitials = tables.initials;
        state_.AgentNames = tables.names;

        step([&] { BuildManualLists(program_, tables); });
        DoManualBookkeeping(tables);

        // The method and the rules are read once, when there is a site to fill: nothing changes them while
        // the sites are filled.
        const std::vector<int> order = processingOrder(tables);
        const bool automatic = !order.empty() && ReadAutoTune(folder) == QLatin1String("1");
        for (int s : order)
            processSite(tables, s, automatic);
        if (options_.fillGaps.value_or(ReadFillGaps(program_.paths.AppFolder)))
            step([&] { summary_.gapsFilled = FillGaps(program_, month.month, month.year); });

        state_.CalendarFilePrefix = prefix_;
        linkCheck();
    }

    // Sites by ascending number of open slots, equal ones by site number; a site with neither open slots
    // nor manual records gets no calendar.
    std::vector<int> processingOrder(const GenerationTables& tables) const {
        std::vector<int> order;
        for (int s = 1; s <= kMaxSites && s <= state_.SiteCount; ++s) {
            const SiteSlots& site = tables.sites[size_t(s)];
            if (!site.open.empty() || !site.manual.isEmpty())
                order.push_back(s);
        }
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            return tables.sites[size_t(a)].open.size() < tables.sites[size_t(b)].open.size();
        });
        return order;
    }

    void processSite(GenerationTables& tables, int s, bool automatic) {
        const QString& folder = program_.paths.AppFolder;
        SiteResult result;
        step([&] {
            result = automatic ? FillSiteAutomatic(program_, tables, s)
                               : FillSiteByRules(program_, tables, s, tune_);
        });
        QStringList records = result.records();
        const SiteSlots& site = tables.sites[size_t(s)];

        if (!site.link.isEmpty()) {
            countLink(site.link);
            const QString linkFile = LinkFilePath(folder, site.link);
            if (!QFileInfo::exists(linkFile)) {
                step([&] { WriteRecordFile(linkFile, records); });
                return; // the first half of the pair waits for its partner
            }
            step([&] {
                records += SplitRecords(ReadRecordText(linkFile));
                QFile::remove(linkFile);
            });
        }

        state_.CalendarCount += 1;
        const QString file = CalendarFilePath(folder, prefix_, state_.CalendarCount);
        step([&] { WriteRecordFile(file, records); });
        state_.RulesText = RulesSummary(automatic, tune_);
        step([&] { WriteDescriptionFile(file + QLatin1Char('D'), site.name, site.numberText); });
        summary_.calendars.push_back({QFileInfo(file).fileName(), site.name + QStringLiteral(". ")});
    }

    void countLink(const QString& letter) {
        for (auto& row : links_) {
            if (row.first == letter) {
                ++row.second;
                return;
            }
        }
        links_.push_back({letter, 1});
    }

    void linkCheck() {
        bool anyCounted = false, anyOdd = false;
        for (const auto& row : links_) {
            anyCounted |= row.second > 0;
            anyOdd |= row.second % 2 == 1;
        }
        if (anyCounted && anyOdd) {
            ui_.message(
                QStringLiteral("Uneven number of linked sites. If a letter was placed in Site Link field, \n"
                               "there must be an identical letter in another site.\n"),
                QStringLiteral("Site Links Error."), Icon::None, Buttons::Ok);
            ui_.setBusy(false);
            DeleteCalendarFiles(program_.paths.AppFolder, true);
            summary_.linkError = true;
            return;
        }
        state_.CurrentSiteCalendar = 0;
        if (options_.showFirstCalendar)
            options_.showFirstCalendar();
    }

    Program& program_;
    Ui& ui_;
    ScheduleState& state_;
    const GenerationOptions& options_;
    TuneSettings tune_;
    QString prefix_;
    std::vector<std::pair<QString, int>> links_;
    GenerationSummary summary_;
};

} // namespace

QString RulesSummary(bool automatic, const TuneSettings& tune) {
    if (automatic)
        return QStringLiteral("AUTOMATIC FINE TUNING.");
    auto flag = [](int16_t v) { return v == 1 ? QStringLiteral("True") : QStringLiteral("False"); };
    return QStringLiteral("Once/day:%1. Once/Week:%2. Once/weekday:%3. Method:%4")
        .arg(flag(tune.onceDay), flag(tune.onceWeek), flag(tune.onceWeekday), tune.methodText());
}

GenerationSummary Generate(Program& program, const GenerationOptions& options) {
    return Driver(program, options).run();
}

} // namespace rp
