// The desktop Ui: message boxes with their icons, buttons, default and escape answers; the busy pointer.
#include "platform/qt/QtUi.h"

#include "Printers.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace rp {
namespace {

// Waits for the next modal dialog of type T and hands it to act; gives up (rejecting whatever modal is
// open) after a few seconds so that a test can never hang on a box it did not expect.
template <typename T> void whenShown(std::function<void(T&)> act) {
    auto* timer = new QTimer;
    auto* clock = new QElapsedTimer;
    clock->start();
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, clock, act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<T*>(modal); box != nullptr && box->isVisible()) {
            timer->stop();
            act(*box);
        } else if (clock->elapsed() > 5000) {
            timer->stop();
            ADD_FAILURE() << "no dialog was shown";
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
        } else {
            return;
        }
        timer->deleteLater();
        delete clock;
    });
    timer->start();
}

struct Shown {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    QString defaultButton;
};

Shown look(QMessageBox& box) {
    Shown s{box.windowTitle(), box.text(), box.icon(), {}, {}};
    for (QAbstractButton* b : box.buttons())
        s.buttons << QString::number(int(box.standardButton(b)));
    if (box.defaultButton() != nullptr)
        s.defaultButton = QString::number(int(box.standardButton(box.defaultButton())));
    return s;
}

QString number(QMessageBox::StandardButton b) {
    return QString::number(int(b));
}

TEST(QtUi, MessageShowsTextTitleIconAndTheButtonsOfItsSet) {
    QtUi ui;
    Shown seen;
    whenShown<QMessageBox>([&](QMessageBox& box) {
        seen = look(box);
        box.button(QMessageBox::No)->click();
    });
    const Answer a = ui.message(QStringLiteral("First line\r\nSecond line"), QStringLiteral("Delete?"),
                                Icon::Question, Buttons::YesNo);
    EXPECT_EQ(a, Answer::No);
    EXPECT_EQ(seen.title, QStringLiteral("Delete?"));
    EXPECT_EQ(seen.text, QStringLiteral("First line\nSecond line")) << "CR LF shows as one line break";
    EXPECT_EQ(seen.icon, QMessageBox::Question);
    EXPECT_EQ(seen.buttons.size(), 2);
    EXPECT_TRUE(seen.buttons.contains(number(QMessageBox::Yes)));
    EXPECT_TRUE(seen.buttons.contains(number(QMessageBox::No)));
    EXPECT_EQ(seen.defaultButton, number(QMessageBox::Yes)) << "the first button is the default";
}

TEST(QtUi, IconsMapOneToOne) {
    const std::pair<Icon, QMessageBox::Icon> pairs[] = {{Icon::Critical, QMessageBox::Critical},
                                                        {Icon::Warning, QMessageBox::Warning},
                                                        {Icon::Information, QMessageBox::Information},
                                                        {Icon::None, QMessageBox::NoIcon}};
    QtUi ui;
    for (const auto& [icon, expected] : pairs) {
        QMessageBox::Icon seen = QMessageBox::NoIcon;
        whenShown<QMessageBox>([&](QMessageBox& box) {
            seen = box.icon();
            box.button(QMessageBox::Ok)->click();
        });
        EXPECT_EQ(ui.message(QStringLiteral("x"), QStringLiteral("t"), icon), Answer::Ok);
        EXPECT_EQ(seen, expected);
    }
}

TEST(QtUi, ChosenDefaultButtonAndEmptyTitle) {
    QtUi ui;
    Shown seen;
    whenShown<QMessageBox>([&](QMessageBox& box) {
        seen = look(box);
        box.defaultButton()->click();
    });
    const Answer a =
        ui.message(QStringLiteral("Save?"), QString(), Icon::None, Buttons::YesNoCancel, Answer::No);
    EXPECT_EQ(a, Answer::No);
    EXPECT_EQ(seen.buttons.size(), 3);
    EXPECT_EQ(seen.title, effectiveTitle(QString())) << "an empty title shows the program's title";
}

TEST(QtUi, ClosingTheBoxAnswersCancelElseNo) {
    QtUi ui;
    whenShown<QMessageBox>([](QMessageBox& box) { box.reject(); });
    EXPECT_EQ(ui.message(QStringLiteral("?"), QStringLiteral("t"), Icon::None, Buttons::YesNoCancel),
              Answer::Cancel);
    whenShown<QMessageBox>([](QMessageBox& box) { box.reject(); });
    EXPECT_EQ(ui.message(QStringLiteral("?"), QStringLiteral("t"), Icon::None, Buttons::YesNo), Answer::No);
    whenShown<QMessageBox>([](QMessageBox& box) { box.reject(); });
    EXPECT_EQ(ui.message(QStringLiteral("?"), QStringLiteral("t"), Icon::None, Buttons::OkCancel),
              Answer::Cancel);
}

TEST(QtUi, InputGivesTheTextOrNothingWhenCancelled) {
    QtUi ui;
    whenShown<QInputDialog>([](QInputDialog& d) {
        d.findChild<QLineEdit*>()->setText(QStringLiteral("O'Hara \"J\""));
        d.accept();
    });
    EXPECT_EQ(ui.input(QStringLiteral("Which Agent?"), QStringLiteral("Find")),
              std::optional<QString>(QStringLiteral("O'Hara \"J\"")));
    whenShown<QInputDialog>([](QInputDialog& d) { d.reject(); });
    EXPECT_FALSE(ui.input(QStringLiteral("Which Agent?")).has_value());
}

TEST(QtUi, BusyIsOnOrOffAndAMessageLiftsItWhileShown) {
    QtUi ui;
    ui.setBusy(true);
    ui.setBusy(true);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);

    bool busyWhileShown = true;
    whenShown<QMessageBox>([&](QMessageBox& box) {
        busyWhileShown = QApplication::overrideCursor() != nullptr;
        box.button(QMessageBox::Ok)->click();
    });
    ui.message(QStringLiteral("x"));
    EXPECT_FALSE(busyWhileShown) << "the user needs the arrow to answer";
    EXPECT_TRUE(ui.busy()) << "and the busy pointer comes back afterwards";

    ui.setBusy(false);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "one call undoes any number of busy calls";
}

} // namespace
} // namespace rp
