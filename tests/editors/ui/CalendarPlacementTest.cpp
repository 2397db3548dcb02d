// Where the editors show their calendar: beside the boxes, over none of the window's controls and on the
// screen, for every date box, whether the box got the focus by a click or by Tab.
#include "EditorFixture.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QScreen>

using namespace rp;
using namespace rp::test;

namespace {

// The part of the window a widget takes, in the window's coordinates.
QRect rectIn(const QWidget& window, const QWidget* w) {
    return QRect(w->mapTo(&window, QPoint(0, 0)), w->size());
}

// Every control of the window that takes clicks or keys, apart from the calendar's own.
QList<QWidget*> inputsOf(QWidget& window, const QWidget* calendar) {
    QList<QWidget*> out;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        const bool input = qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractButton*>(w) ||
                           qobject_cast<QListWidget*>(w) || qobject_cast<QAbstractSpinBox*>(w);
        if (input && !calendar->isAncestorOf(w))
            out.append(w);
    }
    return out;
}

// The calendar shown for the box that has the focus, with its note, covers no control and lies on the
// window and on the screen.
void expectCalendarClear(QDialog& d, const DatePicker* calendar, const QString& box) {
    ASSERT_TRUE(calendar->isVisible()) << box.toStdString();
    const auto* note = d.findChild<QLabel*>(QStringLiteral("lblCalendar"));
    ASSERT_TRUE(note && note->isVisible());
    const QRect picked = rectIn(d, calendar).united(rectIn(d, note));
    for (QWidget* w : inputsOf(d, calendar)) {
        EXPECT_FALSE(picked.intersects(rectIn(d, w)))
            << box.toStdString() << ": the calendar covers " << w->objectName().toStdString();
    }
    EXPECT_TRUE(d.rect().contains(picked)) << box.toStdString();
    const QRect global(calendar->mapToGlobal(QPoint(0, 0)), calendar->size());
    EXPECT_TRUE(d.screen()->availableGeometry().contains(global)) << box.toStdString();
}

} // namespace

TEST_F(EditorTest, CalendarCoversNoControlForAnyDateBox) {
    open(QStringLiteral("OneOffice"));
    const struct {
        const char* editor;
        QStringList dateBoxes;
        const char* firstBox;
    } editorsCases[] = {
        {"agents",
         {QStringLiteral("txtAALL"), QStringLiteral("txtAAM"), QStringLiteral("txtAPM1"),
          QStringLiteral("txtAPM2"), QStringLiteral("txtAOn1"), QStringLiteral("txtAOn2")},
         "txtName"},
        {"sites", {QStringLiteral("txtHoliday")}, "txtSiteName"},
    };
    for (const auto& c : editorsCases) {
        const bool agentEditor = QLatin1String(c.editor) == QLatin1String("agents");
        QDialog& d = agentEditor ? static_cast<QDialog&>(agents()) : static_cast<QDialog&>(sites());
        auto* calendar = d.findChild<DatePicker*>(agentEditor ? "CSCalAgt" : "CSCalSite");
        ASSERT_NE(calendar, nullptr);
        // Each date box clicked into.
        for (const QString& name : c.dateBoxes) {
            auto* box = d.findChild<EntryBox*>(name);
            ASSERT_NE(box, nullptr);
            clickInto(box);
            ASSERT_TRUE(box->hasFocus());
            expectCalendarClear(d, calendar, name);
        }
        // Every box reached with Tab: the calendar shows for the date boxes only.
        clickInto(d.findChild<EntryBox*>(QLatin1String(c.firstBox)));
        int dateBoxesReached = 0;
        for (int step = 0; step < 40; ++step) {
            auto* box = qobject_cast<EntryBox*>(QApplication::focusWidget());
            if (!box)
                break;
            if (c.dateBoxes.contains(box->objectName())) {
                ++dateBoxesReached;
                expectCalendarClear(d, calendar, box->objectName());
            } else {
                EXPECT_FALSE(calendar->isVisible()) << box->objectName().toStdString();
            }
            QTest::keyClick(box, Qt::Key_Tab);
            QCoreApplication::processEvents();
        }
        EXPECT_EQ(dateBoxesReached, c.dateBoxes.size()) << c.editor;
        pressMnemonic(d, Qt::Key_E);
        ASSERT_FALSE(d.isVisible());
    }
    EXPECT_TRUE(ui.messages().empty()) << ui.texts().join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(ui.unexpected().empty());
}

// A click aimed at the site number box next to the last date-off box reaches that box, and the digit typed
// next lands there: no day is added to the date box.
TEST_F(EditorTest, AClickBesideTheCalendarReachesTheBoxUnderIt) {
    open(QStringLiteral("OneOffice"));
    frmAgt& a = agents();
    clickInto(a.txtAPM2);
    ASSERT_TRUE(a.CSCalAgt->isVisible());
    retype(a.txtAPM2, QStringLiteral("5"));
    // The widget a mouse click at the middle of SITE # meets first.
    const QPoint aim = a.txtASite1->mapTo(&a, a.txtASite1->rect().center());
    QWidget* hit = a.childAt(aim);
    ASSERT_NE(hit, nullptr);
    QTest::mouseClick(hit, Qt::LeftButton, {}, hit->mapFrom(&a, aim));
    QCoreApplication::processEvents();
    EXPECT_EQ(hit, a.txtASite1) << "the click met " << hit->objectName().toStdString();
    EXPECT_TRUE(a.txtASite1->hasFocus());
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("1"));
    EXPECT_EQ(a.txtASite1->text(), QStringLiteral("1"));
    EXPECT_EQ(a.txtAPM2->text(), QStringLiteral("5"));
    EXPECT_FALSE(a.CSCalAgt->isVisible());
    EXPECT_TRUE(ui.messages().empty()) << ui.texts().join(QLatin1Char('\n')).toStdString();
}
