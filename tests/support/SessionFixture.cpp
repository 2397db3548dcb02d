#include "SessionFixture.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QTest>

namespace rp::test {

void SessionTest::startWith(const QString& example, int month, int year) {
    ASSERT_NO_FATAL_FAILURE(copyExample(example));
    startSession(month, year);
}

void SessionTest::copyExample(const QString& example) {
    const QString source = exampleOffice(example);
    ASSERT_TRUE(QFile::copy(source, officePath())) << source;
    QFile::setPermissions(officePath(),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
}

void SessionTest::startSession(int month, int year) {
    folder.write(QStringLiteral("settings/SkipInstruct.txt"), "1\r\n");
    // The personal calendar opens on the schedule month, whatever today's date is.
    if (!QFile::exists(folder.file(QStringLiteral("Personal/LastCalendar.txt"))))
        folder.write(QStringLiteral("Personal/LastCalendar.txt"),
                     QStringLiteral("%1\r\n%2\r\n").arg(month).arg(year).toLatin1());
    WriteMonthFile(folder.file(QStringLiteral("settings/month.dat")), {int16_t(month), int16_t(year)});
    session = std::make_unique<DesktopSession>(ui, folder.path());
    session->start();
    window().today = QDate(2027, 1, 15);
    session->controller->rotation = [](int) { return 1; };
    window().execDialog = [this](QDialog& d) {
        ++dialogsShown;
        showDialog(d);
        if (answerDialog)
            answerDialog(d);
        return d.result();
    };
}

void SessionTest::TearDown() {
    expectNoUnexpectedPrompts(ui);
    session.reset();
}

void SessionTest::click(const char* button) {
    auto* b = find<QPushButton>(button);
    ASSERT_NE(b, nullptr) << button;
    ASSERT_TRUE(b->isEnabled()) << button;
    b->click();
}

void SessionTest::typeIntoDay(const QDate& date, const QString& text) {
    control().ensureDateVisible(date);
    QTest::mouseDClick(&control(), Qt::LeftButton, {}, control().cellRect(date).center());
    auto* editor = control().findChild<QPlainTextEdit*>(QStringLiteral("dayEditor"));
    ASSERT_NE(editor, nullptr);
    ASSERT_TRUE(control().isEditing());
    QTest::keyClicks(editor, text);
}

} // namespace rp::test
