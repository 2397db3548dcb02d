#include "OfficeBuilder.h"

#include "OfficeData.h"
#include "model/OfficeDatabase.h"
#include "platform/Database.h"

#include <QDate>
#include <QRegularExpression>

namespace rp::test {

namespace {

QString sqlText(const std::optional<QString>& v) {
    if (!v)
        return QStringLiteral("NULL");
    QString quoted = *v;
    quoted.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

QString sqlNumber(const std::optional<int>& v) {
    return v ? QString::number(*v) : QStringLiteral("NULL");
}

} // namespace

WeekCounts everyDay(int count) {
    WeekCounts c;
    c.fill(count);
    return c;
}

WeekCounts onDay(int weekday, int count) {
    WeekCounts c{};
    c[size_t(weekday - 1)] = count;
    return c;
}

OfficeRun::OfficeRun(int month, int year) : program(ui, folder.path()), month_(month), year_(year) {
    CreateOfficeDatabase(program.paths.DatabasePath);
    WriteMonthFile(program.paths.MonthFilePath, MonthSetting{int16_t(month), int16_t(year)});
    program.schedule.SchedMonth = QString::number(month);
    program.schedule.SchedYear = QString::number(year);
    useRules();
}

void OfficeRun::addSite(const SiteSetup& s) {
    QStringList columns{QStringLiteral("fdSNum"), QStringLiteral("fdSName")};
    QStringList values{QString::number(s.number), sqlText(s.name)};
    const std::array<std::pair<const char*, const WeekCounts*>, 3> periods{
        {{"fdAM", &s.am}, {"fdPM", &s.pm}, {"fdEV", &s.ev}}};
    for (const auto& [prefix, counts] : periods) {
        for (int w = 1; w <= 7; ++w) {
            columns << QLatin1String(prefix) + QString::number(w);
            values << QString::number((*counts)[size_t(w - 1)]);
        }
    }
    columns << QStringLiteral("fdSClose") << QStringLiteral("fdLink");
    values << sqlText(s.close) << sqlText(s.link);
    execute(QStringLiteral("INSERT INTO Sites (%1) VALUES (%2)").arg(columns.join(','), values.join(',')));
}

void OfficeRun::addAgent(const QString& initials, const QString& sites) {
    AgentSetup a;
    a.name = QStringLiteral("Agent ") + initials;
    a.initials = initials;
    a.assigned = sites;
    addAgent(a);
}

void OfficeRun::addAgent(const AgentSetup& a) {
    execute(
        QStringLiteral("INSERT INTO Agents (fdName, fdInitial, fdMaxTimes, fdAssigned, fdOffAll, fdOffAM, "
                       "fdOffPM1, fdOffPM2, fdManOn1, fdManSite1, fdManOn2, fdManSite2) VALUES "
                       "(%1, %2, %3, %4, %5, %6, %7, %8, %9, %10, %11, %12)")
            .arg(sqlText(a.name), sqlText(a.initials), sqlNumber(a.maxTimes), sqlText(a.assigned),
                 sqlText(a.offAll), sqlText(a.offAM), sqlText(a.offPM1), sqlText(a.offPM2), sqlText(a.manOn1))
            .arg(sqlNumber(a.manSite1), sqlText(a.manOn2), sqlNumber(a.manSite2)));
}

void OfficeRun::execute(const QString& sql) {
    Database::open(program.paths.DatabasePath)->execute(sql);
}

void OfficeRun::useRules(const TuneSettings& tune) {
    WriteTuneFile(program.paths.TuneFilePath, tune);
    WriteAutoTune(folder.path(), QStringLiteral("0"));
}

void OfficeRun::useAutomatic() {
    WriteAutoTune(folder.path(), QStringLiteral("1"));
}

GenerationSummary OfficeRun::generate(int rotationStart) {
    GenerationOptions options;
    options.rotation = [this, rotationStart](int agentCount) {
        rotationAgentCount = agentCount;
        return rotationStart;
    };
    options.showFirstCalendar = [this] { ++showCalls; };
    return Generate(program, options);
}

std::string OfficeRun::file(const QString& name) const {
    return folder.read(name).toStdString();
}

std::string OfficeRun::calendar(int n) const {
    return file(QStringLiteral("%1%2.%3")
                    .arg(month_, 2, 10, QLatin1Char('0'))
                    .arg(year_ % 100, 2, 10, QLatin1Char('0'))
                    .arg(n));
}

std::string OfficeRun::description(int n) const {
    return file(QStringLiteral("%1%2.%3D")
                    .arg(month_, 2, 10, QLatin1Char('0'))
                    .arg(year_ % 100, 2, 10, QLatin1Char('0'))
                    .arg(n));
}

QStringList OfficeRun::generatedFiles() const {
    static const QRegularExpression pattern(QStringLiteral("^(.{4}\\..D?|@link.)$"),
                                            QRegularExpression::CaseInsensitiveOption);
    QStringList out;
    for (const QString& name : folder.files()) {
        if (pattern.match(name).hasMatch())
            out << name;
    }
    return out;
}

QStringList OfficeRun::shown() const {
    QStringList out;
    for (const auto& m : ui.messages())
        out << m.title + QLatin1Char('|') + m.text;
    return out;
}

std::string records(const QString& spaceSeparated) {
    std::string out;
    for (const QString& r : spaceSeparated.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        out += r.toStdString() + "\r\n";
    return out;
}

std::string descriptionOf(const QString& siteName, const QString& number) {
    return (siteName + QStringLiteral(". \r\n") + number + QStringLiteral("\r\n")).toStdString();
}

QString tokenOf(int year, int month, int day, char letter) {
    const int weekday = QDate(year, month, day).dayOfWeek() % 7 + 1; // Qt: Monday 1 .. Sunday 7
    return dayKey(day, QLatin1Char(letter)) + QString::number(weekday);
}

} // namespace rp::test
