// Every writer of the program against a target it cannot write: a file marked read-only (which the
// program refuses even to the administrator the tests run as), a folder in the file's place, a parent
// folder that is a regular file, and a parent folder under /proc. Each throws the error its callers report
// (70 permission denied, 76 path not found) and leaves what was there as it was, without stray files. The
// export of a backup reports its failure itself.

#include "ScriptedUi.h"
#include "backup/Transfers.h"
#include "display_settings/DisplaySettings.h"
#include "model/CalendarFiles.h"
#include "model/EngineSettings.h"
#include "model/OfficeDatabase.h"
#include "model/SlotTimesFile.h"
#include "platform/Error.h"
#include "platform/Text.h"
#include "workspace/DayTextsFile.h"
#include "workspace/PersonalCalendar.h"
#include "workspace/SavedSchedules.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <map>

using namespace rp;

namespace {

// A writer and the files it writes, relative to the program folder it is given.
struct Writer {
    const char* name;
    QStringList files;
    std::function<void(const QString& folder)> write;
};

SavedSchedule savedSchedule() {
    SavedSchedule s{QStringLiteral("2"),
                    QStringLiteral("1"),
                    QStringLiteral("2024"),
                    45291,
                    45332,
                    QStringLiteral("North. "),
                    QStringLiteral("AUTOMATIC FINE TUNING."),
                    {}};
    s.texts = QStringList(42, QStringLiteral("A-AB__"));
    return s;
}

DisplaySettings displaySettings(const QString& folder) {
    static DisplayState inForce;
    return DisplaySettings(inForce, folder + QStringLiteral("/settings"));
}

std::vector<Writer> writers() {
    return {
        {"MonthFile",
         {QStringLiteral("settings/month.dat")},
         [](const QString& f) {
             WriteMonthFile(f + QStringLiteral("/settings/month.dat"), {3, 2024});
         }},
        {"TuneFile",
         {QStringLiteral("settings/tune.dat")},
         [](const QString& f) { WriteTuneFile(f + QStringLiteral("/settings/tune.dat"), TuneSettings{}); }},
        {"AutoTune",
         {QStringLiteral("settings/AutoTune.dat")},
         [](const QString& f) { WriteAutoTune(f, QStringLiteral("1")); }},
        {"SettingsRecord",
         {QStringLiteral("settings/CustomSettings.dat")},
         [](const QString& f) { displaySettings(f).WriteSettingsRecord(0, DisplayValues{}); }},
        {"SettingsKind",
         {QStringLiteral("settings/TypeSettings.dat")},
         [](const QString& f) { displaySettings(f).WriteSettingsKind(0); }},
        {"SettingsSet",
         {QStringLiteral("settings/CustomSettings.dat"), QStringLiteral("settings/TypeSettings.dat")},
         [](const QString& f) { displaySettings(f).writeSettingsSet(0, DisplayValues{}); }},
        {"SiteTimes",
         {QStringLiteral("Times/1_North_Sun.dat")},
         [](const QString& f) {
             WriteSiteTimes(TimesFilePath(f, QStringLiteral("1"), QStringLiteral("North"), 1), true,
                            {QStringLiteral("9-11")});
         }},
        {"PersonalMonth",
         {QStringLiteral("Personal/12024.txt")},
         [](const QString& f) {
             DayTextsFile file;
             file.start = 45291;
             file.end = 45292;
             file.texts = {QStringLiteral("a"), QStringLiteral("b")};
             WritePersonalMonthFile(PersonalMonthPath(f, 1, 2024), file);
         }},
        {"LastCalendar",
         {QStringLiteral("Personal/LastCalendar.txt")},
         [](const QString& f) { WriteLastCalendar(f, QStringLiteral("3"), QStringLiteral("2024")); }},
        {"SavedSchedule",
         {QStringLiteral("Saved/2_CAL_North.TXT"), QStringLiteral("Saved/2_RPT_North.TXT")},
         [](const QString& f) {
             WriteSavedSchedule(f + QStringLiteral("/Saved/2_CAL_North.TXT"),
                                f + QStringLiteral("/Saved/2_RPT_North.TXT"), savedSchedule(),
                                QStringLiteral("report"));
         }},
        {"CalendarRecords",
         {QStringLiteral("0124.1")},
         [](const QString& f) {
             WriteRecordFile(CalendarFilePath(f, QStringLiteral("0124"), 1), {QStringLiteral("01A1AB__")});
         }},
        {"CalendarDescription",
         {QStringLiteral("0124.1D")},
         [](const QString& f) {
             WriteDescriptionFile(DescriptionFilePath(f, QStringLiteral("0124"), 1), QStringLiteral("North"),
                                  QStringLiteral("1"));
         }},
        {"LinkFile",
         {QStringLiteral("@LINKA")},
         [](const QString& f) {
             WriteRecordFile(LinkFilePath(f, QStringLiteral("A")), {QStringLiteral("01A1AB__")});
         }},
    };
}

// The targets a writer cannot write, and the error it is to report.
enum class Place { ReadOnlyFile, FolderInItsPlace, ParentIsAFile, ParentUnderProc };

const char* const kPlaces[] = {"ReadOnlyFile", "FolderInItsPlace", "ParentIsAFile", "ParentUnderProc"};

struct Case {
    Writer writer;
    Place place;
    int error;
    friend void PrintTo(const Case& c, std::ostream* os) {
        *os << c.writer.name << " to a " << kPlaces[int(c.place)] << ", error " << c.error;
    }
};

std::string nameOf(const ::testing::TestParamInfo<Case>& info) {
    return std::string(info.param.writer.name) + "_" + kPlaces[int(info.param.place)];
}

std::vector<Case> cases() {
    std::vector<Case> out;
    for (const Writer& w : writers()) {
        out.push_back({w, Place::ReadOnlyFile, err::PermissionDenied});
        out.push_back({w, Place::FolderInItsPlace, err::PermissionDenied});
        out.push_back({w, Place::ParentIsAFile, err::PathNotFound});
        out.push_back({w, Place::ParentUnderProc, err::PermissionDenied});
    }
    return out;
}

// Every file and folder under a folder with its content ("(folder)" for a folder).
std::map<QString, QByteArray> contents(const QString& folder) {
    std::map<QString, QByteArray> out;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info = it.fileInfo();
        QFile f(path);
        out[QDir(folder).relativeFilePath(path)] =
            info.isSymLink() ? "(link) " + info.symLinkTarget().toUtf8()
            : info.isDir()   ? QByteArray("(folder)")
                             : (f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)"));
    }
    return out;
}

class WriteFailure : public ::testing::TestWithParam<Case> {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        folder = dir.path();
        for (const char* sub : {"settings", "Times", "Personal", "Saved"})
            QDir(folder).mkpath(QLatin1String(sub));
    }
    QString path(const QString& relative) const { return folder + QLatin1Char('/') + relative; }
    void write(const QString& relative, const QByteArray& bytes) {
        QFile f(path(relative));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << relative.toStdString();
        f.write(bytes);
    }
    // Puts the parent folder of the writer's files in the given place; returns the program folder to write
    // in.
    QString placeParent(Place place, const QString& relative) {
        const QString parent = QFileInfo(relative).path();
        if (parent == QLatin1String(".")) {
            // Files of the program folder itself: the program folder is the one out of reach.
            if (place == Place::ParentUnderProc)
                return QStringLiteral("/proc/self");
            write(QStringLiteral("plain"), "not a folder");
            return path(QStringLiteral("plain"));
        }
        QDir(path(parent)).removeRecursively();
        if (place == Place::ParentUnderProc)
            EXPECT_TRUE(QFile::link(QStringLiteral("/proc/self"), path(parent)));
        else
            write(parent, "not a folder");
        return folder;
    }

    QTemporaryDir dir;
    QString folder;
};

} // namespace

TEST_P(WriteFailure, ReportsItsErrorAndLeavesWhatWasThere) {
    const Case& c = GetParam();
    QString target = folder;
    switch (c.place) {
    case Place::ReadOnlyFile:
        for (const QString& f : c.writer.files) {
            write(f, "old " + f.toUtf8());
            QFile::setPermissions(path(f), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        }
        break;
    case Place::FolderInItsPlace:
        for (const QString& f : c.writer.files)
            QDir(folder).mkpath(f);
        break;
    case Place::ParentIsAFile:
    case Place::ParentUnderProc:
        target = placeParent(c.place, c.writer.files.first());
        break;
    }
    const auto before = contents(folder);
    try {
        c.writer.write(target);
        ADD_FAILURE() << "the write did not fail";
    } catch (const Error& e) {
        EXPECT_EQ(e.number, c.error) << e.description.toStdString();
        EXPECT_FALSE(e.description.isEmpty());
    }
    EXPECT_EQ(contents(folder), before) << "what was there is left as it was, and nothing is added";
}

INSTANTIATE_TEST_SUITE_P(Writers, WriteFailure, ::testing::ValuesIn(cases()), nameOf);

// The writers of two files: when the second cannot be written, the first is put back as it was.
TEST(WriteFailure, SavedScheduleWhoseReportCannotBeWrittenKeepsTheOldCalendar) {
    QTemporaryDir dir;
    const QString saved = dir.filePath(QStringLiteral("Saved"));
    QDir().mkpath(saved);
    const QString calendar = saved + QStringLiteral("/2_CAL_North.TXT");
    const QString report = saved + QStringLiteral("/2_RPT_North.TXT");
    WriteSavedSchedule(calendar, report, savedSchedule(), QStringLiteral("old report"));
    QFile c(calendar);
    ASSERT_TRUE(c.open(QIODevice::ReadOnly));
    const QByteArray old = c.readAll();
    c.close();
    QFile::setPermissions(report, QFile::ReadOwner);

    SavedSchedule changed = savedSchedule();
    changed.texts.first() = QStringLiteral("changed");
    try {
        WriteSavedSchedule(calendar, report, changed, QStringLiteral("new report"));
        ADD_FAILURE() << "the write did not fail";
    } catch (const Error& e) {
        EXPECT_EQ(e.number, err::PermissionDenied);
    }
    ASSERT_TRUE(c.open(QIODevice::ReadOnly));
    EXPECT_EQ(c.readAll(), old);
    EXPECT_EQ(ReadSavedReport(report), QStringLiteral("old report"));
}

TEST(WriteFailure, SavedScheduleNeverSavedBeforeLeavesNoCalendarWhenItsReportFails) {
    QTemporaryDir dir;
    const QString saved = dir.filePath(QStringLiteral("Saved"));
    QDir().mkpath(saved + QStringLiteral("/2_RPT_North.TXT")); // a folder where the report goes
    EXPECT_THROW(WriteSavedSchedule(saved + QStringLiteral("/2_CAL_North.TXT"),
                                    saved + QStringLiteral("/2_RPT_North.TXT"), savedSchedule(),
                                    QStringLiteral("r")),
                 Error);
    EXPECT_FALSE(QFileInfo::exists(saved + QStringLiteral("/2_CAL_North.TXT")));
}

TEST(WriteFailure, SettingsSetWhoseKindFileCannotBeWrittenKeepsTheOldRecord) {
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("settings"));
    DisplayState inForce;
    DisplaySettings files(inForce, dir.filePath(QStringLiteral("settings")));
    DisplayValues old;
    old.m_DateFontScreen = QStringLiteral("Old face");
    files.WriteSettingsRecord(0, old);
    files.WriteSettingsKind(1);
    QFile::setPermissions(files.kindPath(), QFile::ReadOwner);
    DisplayValues changed;
    changed.m_DateFontScreen = QStringLiteral("New face");
    EXPECT_THROW(files.writeSettingsSet(0, changed), Error);
    EXPECT_EQ(trimRightBlanks(files.ReadSettingsRecord(0).m_DateFontScreen), QStringLiteral("Old face"));
}

// Export of a backup to a drive whose backup folder cannot be written: the export's message, and the
// previous backup as it was.
TEST(WriteFailure, ExportToADriveItCannotWriteShowsItsMessageAndKeepsThePreviousBackup) {
    QTemporaryDir dir;
    const QString office = dir.filePath(QStringLiteral("floor.mdb"));
    CreateOfficeDatabase(office);
    const QString root = dir.filePath(QStringLiteral("drive"));
    ScriptedUi ui;
    // A file in place of the backup folder.
    QDir().mkpath(root);
    {
        QFile f(BackupFolder(root));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("not a folder");
    }
    EXPECT_FALSE(ExportToDrive(ui, office, root, CopyRoutines{}));
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_FALSE(ui.lastMessage().text.isEmpty());
    QFile kept(BackupFolder(root));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("not a folder"));

    // A drive under /proc.
    ui.clear();
    EXPECT_FALSE(ExportToDrive(ui, office, QStringLiteral("/proc/self"), CopyRoutines{}));
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_FALSE(ui.lastMessage().text.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("/proc/self/RPBackup")));
}
