// Generation cases kept as data, one folder per case under cases/ (cases/README.md describes the files):
// the office as SQL, the month and the settings of one or more generations in a row, and what each
// generation must leave behind: the files of the program folder byte for byte, the messages shown and the
// schedule values.
//
// With ROTAPLAN_WRITE_EXPECTED=1 the cases write their expected outputs from the program instead of
// comparing them; pick cases with --gtest_filter.

#include "OfficeBuilder.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <map>

using namespace rp;
using namespace rp::test;

namespace {

const QString kCaseFolder = QStringLiteral(ROTAPLAN_GENERATOR_CASES);

using Files = std::map<QString, QByteArray>;

bool writingExpected() {
    return qEnvironmentVariable("ROTAPLAN_WRITE_EXPECTED") == QLatin1String("1");
}

// The files of a folder by name (none when it is missing); the office database is an input, not an output.
Files filesIn(const QString& folder) {
    Files files;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden, QDir::Name)) {
        if (name != QLatin1String("floor.mdb"))
            files[name] = readFile(dir.filePath(name));
    }
    return files;
}

QStringList namesOf(const Files& files) {
    QStringList names;
    for (const auto& [name, bytes] : files)
        names << name;
    return names;
}

TuneSettings tuneFrom(const QJsonObject& fields) {
    TuneSettings t;
    const std::pair<const char*, int16_t*> known[] = {
        {"daysAfter", &t.daysAfter}, {"daysBefore", &t.daysBefore},   {"onceDay", &t.onceDay},
        {"onceWeek", &t.onceWeek},   {"onceWeekday", &t.onceWeekday}, {"method1", &t.method1},
        {"method2", &t.method2}};
    for (const auto& [name, field] : known)
        *field = int16_t(fields.value(QLatin1String(name)).toInt(*field));
    return t;
}

// Puts the settings of one generation in place; what a generation leaves out stays as it was.
void applySettings(OfficeRun& run, const QJsonObject& s, int& rotationStart) {
    static const QStringList known{"month",         "year",         "autoTune", "tune",
                                   "rotationStart", "fullNameSize", "sql",      "then"};
    for (const QString& key : s.keys())
        EXPECT_TRUE(known.contains(key)) << "unknown setting " << key;
    if (s.contains(QLatin1String("sql")))
        run.execute(s.value(QLatin1String("sql")).toString());
    if (s.contains(QLatin1String("tune")))
        WriteTuneFile(run.program.paths.TuneFilePath, tuneFrom(s.value(QLatin1String("tune")).toObject()));
    if (s.contains(QLatin1String("autoTune")))
        WriteAutoTune(run.folder.path(), s.value(QLatin1String("autoTune")).toString());
    rotationStart = s.value(QLatin1String("rotationStart")).toInt(rotationStart);
    auto& nameSize = run.program.display.m_FullNameSize;
    nameSize = s.value(QLatin1String("fullNameSize")).toInt(nameSize);
}

// What a generation leaves besides files: the messages shown, the schedule values, the summary, the busy
// pointer as the generation left it and the calls of the generation's callbacks.
QJsonObject outcomeOf(const OfficeRun& run, const GenerationSummary& summary) {
    QJsonArray messages;
    for (const auto& m : run.ui.messages()) {
        messages.append(QJsonObject{{"title", m.title},
                                    {"icon", QLatin1String(nameOf(m.icon))},
                                    {"buttons", QLatin1String(nameOf(m.buttons))},
                                    {"text", m.text}});
    }
    QJsonArray calendars;
    for (const auto& c : summary.calendars)
        calendars.append(QJsonObject{{"file", c.fileName}, {"heading", c.heading}});
    const ScheduleState& s = run.program.schedule;
    return {{"messages", messages},
            {"RulesText", s.RulesText},
            {"CalendarCount", s.CalendarCount},
            {"CalendarFilePrefix", s.CalendarFilePrefix},
            {"SiteCount", s.SiteCount},
            {"AgentCount", s.AgentCount},
            {"AgentInitials", QJsonArray::fromStringList(s.AgentInitials)},
            {"AgentNames", QJsonArray::fromStringList(s.AgentNames)},
            {"PassToggle", QJsonArray{s.PassToggle[0], s.PassToggle[1]}},
            {"busy", run.ui.busy()},
            {"showCalls", run.showCalls},
            {"rotationAgentCount", run.rotationAgentCount},
            {"summary", QJsonObject{{"calendars", calendars},
                                    {"rotationStart", summary.rotationStart},
                                    {"ended", summary.ended},
                                    {"linkError", summary.linkError},
                                    {"databaseUnavailable", summary.databaseUnavailable}}}};
}

std::string compact(const QJsonValue& v) {
    return QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact).toStdString();
}

void expectSameFiles(const Files& actual, const Files& expected) {
    EXPECT_EQ(namesOf(actual), namesOf(expected)) << "files in the program folder";
    for (const auto& [name, bytes] : expected) {
        const auto it = actual.find(name);
        if (it != actual.end()) {
            EXPECT_EQ(it->second.toStdString(), bytes.toStdString()) << name;
        }
    }
}

void expectSameValues(const QJsonObject& actual, const QJsonObject& expected) {
    QStringList keys = actual.keys() + expected.keys();
    keys.removeDuplicates();
    for (const QString& key : keys)
        EXPECT_EQ(compact(actual.value(key)), compact(expected.value(key))) << key;
}

void writeExpected(const QString& base, const Files& files, const QJsonObject& outcome) {
    QDir folder(base);
    folder.removeRecursively();
    if (!files.empty()) {
        ASSERT_TRUE(folder.mkpath(base));
    }
    for (const auto& [name, bytes] : files)
        writeFile(folder.filePath(name), bytes);
    writeFile(base + QStringLiteral(".json"), QJsonDocument(outcome).toJson(QJsonDocument::Indented));
}

QJsonObject readJson(const QString& path) {
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(readFile(path), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << path << ": " << error.errorString();
    return doc.object();
}

std::vector<std::string> caseNames() {
    std::vector<std::string> names;
    for (const QString& name : QDir(kCaseFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        names.push_back(name.toStdString());
    return names;
}

class GenerationCase : public ::testing::TestWithParam<std::string> {};

TEST_P(GenerationCase, LeavesTheExpectedFilesMessagesAndValues) {
    const QDir dir(kCaseFolder + QLatin1Char('/') + QString::fromStdString(GetParam()));
    const QByteArray office = readFile(dir.filePath(QStringLiteral("office.sql")));
    ASSERT_TRUE(office.startsWith("-- ")) << "office.sql begins with a comment saying what the case shows";
    const QJsonObject settings = readJson(dir.filePath(QStringLiteral("generate.json")));
    ASSERT_TRUE(settings.contains(QLatin1String("month")) && settings.contains(QLatin1String("year")));

    OfficeRun run(settings.value(QLatin1String("month")).toInt(),
                  settings.value(QLatin1String("year")).toInt());
    run.execute(QString::fromUtf8(office));
    for (const auto& [name, bytes] : filesIn(dir.filePath(QStringLiteral("before"))))
        run.folder.write(name, bytes);

    // The first generation, then the changes before each further one.
    QJsonArray generations{settings};
    for (const QJsonValue& next : settings.value(QLatin1String("then")).toArray())
        generations.append(next);
    int rotationStart = 1;
    for (int i = 0; i < generations.size(); ++i) {
        SCOPED_TRACE("generation " + std::to_string(i + 1));
        applySettings(run, generations[i].toObject(), rotationStart);
        run.ui.clear();
        const GenerationSummary summary = run.generate(rotationStart);
        expectNoUnexpectedPrompts(run.ui);
        EXPECT_TRUE(run.folder.exists(QStringLiteral("floor.mdb"))) << "the office database stays";

        const QString base =
            dir.filePath(i == 0 ? QStringLiteral("expected") : QStringLiteral("expected-%1").arg(i + 1));
        const Files files = filesIn(run.folder.path());
        const QJsonObject outcome = outcomeOf(run, summary);
        if (writingExpected()) {
            writeExpected(base, files, outcome);
        } else {
            expectSameFiles(files, filesIn(base));
            expectSameValues(outcome, readJson(base + QStringLiteral(".json")));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, GenerationCase, ::testing::ValuesIn(caseNames()),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });

TEST(GenerationCases, TheCaseFolderHoldsCases) {
    EXPECT_FALSE(caseNames().empty()) << kCaseFolder;
}

} // namespace
