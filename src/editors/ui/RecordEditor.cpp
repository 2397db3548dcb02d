#include "editors/ui/RecordEditor.h"

#include "editors/ui/EditorSupport.h"
#include "editors/ui/EntryBox.h"
#include "model/EntrySyntax.h"
#include "model/Program.h"
#include "platform/ErrorReport.h"
#include "platform/Ui.h"
#include "platform/qt/DatePicker.h"
#include "platform/qt/LeaveChecks.h"
#include "workspace/ui/frmCalendar.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

namespace rp {

namespace {

QPushButton* command(QWidget* parent, const char* name, const QString& caption) {
    return CommandButton(parent, QLatin1String(name), caption);
}

// Places the calendar and its note in the room kept for them beside the boxes, level with the box the
// calendar writes into as far as the room allows. The room holds no control, so the calendar covers none.
void placeInRoom(QWidget* calendar, QWidget* note, const QWidget* room, const QWidget* box) {
    QWidget* window = room->window();
    const QRect r(room->mapTo(window, QPoint(0, 0)), room->size());
    const QSize size = calendar->sizeHint().expandedTo(calendar->minimumSizeHint()).boundedTo(r.size());
    calendar->resize(size);
    note->resize(size.width(), note->sizeHint().height());
    const int lowest = r.y() + r.height() - size.height() - note->height();
    const int y = std::max(r.y(), std::min(box->mapTo(window, QPoint(0, 0)).y(), lowest));
    calendar->move(r.x(), y);
    note->move(r.x(), y + size.height());
}

} // namespace

RecordEditor::RecordEditor(Program& program, frmCalendar* mainWindow, QWidget* parent, const Names& names)
    : QDialog(parent), program_(program), main_(mainWindow), names_(names), checks_(new LeaveChecks(this)) {
    setObjectName(QLatin1String(names.window));
    setWindowTitle(QLatin1String(names.title));
    // The editors' checks also tidy their box and hide its helper lists, on every leave.
    checks_->recheckAfterOtherWindows(true);
}

RecordEditor::~RecordEditor() = default;

// ---------------------------------------------------------------------------------------------------------
// Building the screen

void RecordEditor::createControls(QListWidget*& list, DatePicker*& calendar, QLabel*& calendarNote,
                                  const std::array<QPushButton**, 8>& commands) {
    list = c_.list = new QListWidget(this);
    c_.list->setObjectName(QLatin1String(names_.list));
    c_.list->installEventFilter(this);
    const auto& names = names_.commands;
    *commands[0] = c_.add = command(this, names[0], QStringLiteral("&ADD"));
    *commands[1] = c_.remove = command(this, names[1], QStringLiteral("&DELETE"));
    *commands[2] = c_.find = command(this, names[2], QStringLiteral("&FIND"));
    *commands[3] = c_.help = command(this, names[3], QStringLiteral("&HELP"));
    *commands[4] = c_.previous = command(this, names[4], QStringLiteral("<< &PREVIOUS <<"));
    *commands[5] = c_.next = command(this, names[5], QStringLiteral(">> &NEXT >>"));
    *commands[6] = c_.ok = command(this, names[6], QStringLiteral("OK/&EXIT"));
    *commands[7] = c_.cancel = command(this, "cmdCancel", QStringLiteral("&CANCEL ADD"));
    // The calendar floats above the screen, in its room beside the boxes (see layOut).
    calendar = c_.calendar = new DatePicker(this);
    c_.calendar->setObjectName(QLatin1String(names_.calendar));
    calendarNote = c_.calendarNote = new QLabel(QStringLiteral("Dbl click on calendar to remove."), this);
    c_.calendarNote->setObjectName(QStringLiteral("lblCalendar"));
    c_.calendarNote->setAutoFillBackground(true);
    showCalendar(false);
}

EntryBox* RecordEditor::entryBox(const char* name, KeyRule rule, int limit, const QString& tip) {
    auto* b = new EntryBox(program_.ui, QLatin1String(name), rule, limit, this);
    if (!tip.isEmpty())
        b->setToolTip(tip);
    return b;
}

QGridLayout* RecordEditor::addFrame(QBoxLayout* column, const QString& title) {
    auto* frame = new QGroupBox(title, this);
    column->addWidget(frame);
    return new QGridLayout(frame);
}

void RecordEditor::addRow(QGridLayout* grid, int row, int column, const QString& label, QWidget* box,
                          QWidget* buddy) {
    auto* l = new QLabel(label, grid->parentWidget());
    if (buddy || label.contains(QLatin1Char('&')))
        l->setBuddy(buddy ? buddy : box);
    grid->addWidget(l, row, column);
    grid->addWidget(box, row, column + 1);
}

QGroupBox* RecordEditor::clickListFrame(const QString& title) {
    auto* frame = new QGroupBox(title, this);
    (new QVBoxLayout(frame))->addWidget(c_.list);
    return frame;
}

void RecordEditor::layOut(QLayout* boxes, QWidget* listFrame, QSize size) {
    // The calendar's room: as wide as the calendar and tall enough for it and its note.
    c_.calendarRoom = new QWidget(this);
    c_.calendarRoom->setObjectName(QStringLiteral("calendarRoom"));
    const QSize calendar = c_.calendar->sizeHint().expandedTo(c_.calendar->minimumSizeHint());
    c_.calendarRoom->setMinimumSize(calendar.width(),
                                    calendar.height() + c_.calendarNote->sizeHint().height());
    auto* top = new QHBoxLayout;
    top->addLayout(boxes, 3);
    top->addWidget(c_.calendarRoom);
    top->addWidget(listFrame, 1);
    auto* commands = new QHBoxLayout;
    for (QPushButton* b : {c_.add, c_.cancel, c_.remove, c_.find, c_.previous, c_.next, c_.help, c_.ok})
        commands->addWidget(b);
    auto* all = new QVBoxLayout(this);
    all->addLayout(top);
    all->addLayout(commands);
    resize(size.width() + calendar.width() + top->spacing(), size.height());
}

void RecordEditor::fitScreen() {
    if (const QScreen* s = screen())
        resize(size().boundedTo(s->availableGeometry().size()));
}

// ---------------------------------------------------------------------------------------------------------
// Handlers

void RecordEditor::runCommand(const std::function<void()>& handler) {
    RunHandler([this, &handler] {
        if (checks_->pass())
            handler();
    });
}

void RecordEditor::onCommand(QPushButton* button, std::function<void()> handler) {
    connect(button, &QPushButton::clicked, this, [this, handler] { runCommand(handler); });
}

void RecordEditor::onListClick(std::function<void(const QString&)> handler) {
    connect(c_.list, &QListWidget::itemClicked, this, [this, handler](QListWidgetItem* item) {
        const QString entry = item->text();
        runCommand([&handler, &entry] { handler(entry); });
    });
}

void RecordEditor::onDateClicks(std::function<void()> click, std::function<void()> doubleClick) {
    connect(c_.calendar, &DatePicker::DateClick, this, [click] { RunHandler(click); });
    connect(c_.calendar, &DatePicker::DateDoubleClick, this, doubleClick);
}

void RecordEditor::watch(EntryBox* box, std::function<bool()> check) {
    checks_->watch(box, std::move(check));
}

void RecordEditor::watchLeave(EntryBox* box, std::function<void()> leave) {
    checks_->watch(box, [leave] {
        leave();
        return true;
    });
}

void RecordEditor::onDateBoxFocus(EntryBox* box, std::function<void()> handler) {
    connect(box, &EntryBox::gotFocus, this, handler);
    connect(box, &EntryBox::mousePressed, this, [box, handler] {
        if (box->hasFocus())
            handler();
    });
}

// ---------------------------------------------------------------------------------------------------------
// Opening and drawing

void RecordEditor::showScheduleMonth() {
    c_.calendar->setMonthShown(
        QDate(program_.schedule.SchedYear.toInt(), program_.schedule.SchedMonth.toInt(), 1));
}

bool RecordEditor::beginShow() {
    if (main_)
        main_->SetCurrentMonthGlobals();
    fitScreen();
    showScheduleMonth();
    if (cursor_.isOpen())
        return true;
    Form_Paint();
    return false;
}

void RecordEditor::Form_Paint() {
    Ui& ui = program_.ui;
    ui.setBusy(true);
    try {
        cursor_.open(program_.paths.DatabasePath, QLatin1String(names_.table));
        showScheduleMonth();
        setBoxesVisible(false);
        Recordset& rs = cursor_.rs();
        c_.list->clear();
        if (rs.recordCount() > 0) {
            rs.moveLast();
            const int count = rs.recordCount();
            rs.moveFirst();
            for (int i = 0; i < count && !rs.eof(); ++i) {
                c_.list->addItem(listEntry(rs));
                rs.moveNext();
            }
        }
        afterListFilled();
        if (rs.recordCount() > 0)
            rs.moveFirst();
        cursor_.show();
        afterFirstShow();
        setBoxesVisible(true);
        setRecordsUsable(true);
        ui.setBusy(false);
    } catch (const Error& e) {
        cursor_.close();
        setRecordsUsable(false);
        ReportError(ui, e, QLatin1String(names_.paintTitle), program_.paths.DatabasePath);
    }
}

void RecordEditor::setBoxesVisible(bool visible) {
    for (EntryBox* b : drawnBoxes())
        b->setVisible(visible);
}

// Without a table there is no record to show or move to: only HELP and OK/EXIT stay.
void RecordEditor::setRecordsUsable(bool usable) {
    for (EntryBox* b : recordBoxes())
        b->setEnabled(usable);
    if (usable) {
        SetBrowseButtons();
        return;
    }
    for (QWidget* w : std::initializer_list<QWidget*>{c_.add, c_.remove, c_.find, c_.previous, c_.next,
                                                      c_.cancel, c_.list})
        w->setEnabled(false);
}

// ---------------------------------------------------------------------------------------------------------
// Command states

void RecordEditor::SetBrowseButtons() {
    for (QWidget* w : std::initializer_list<QWidget*>{c_.add, c_.remove, c_.find, c_.help, c_.previous,
                                                      c_.next, c_.list, c_.ok})
        w->setEnabled(true);
    c_.cancel->setEnabled(false);
}

// While a new record is added it cannot be deleted, searched or left through the list.
void RecordEditor::SetAddingButtons() {
    for (QWidget* w :
         std::initializer_list<QWidget*>{c_.add, c_.help, c_.previous, c_.next, c_.cancel, c_.ok})
        w->setEnabled(true);
    for (QWidget* w : std::initializer_list<QWidget*>{c_.remove, c_.find, c_.list})
        w->setEnabled(false);
}

// ---------------------------------------------------------------------------------------------------------
// Date picking

void RecordEditor::showCalendar(bool shown) {
    c_.calendar->setVisible(shown);
    c_.calendarNote->setVisible(shown);
    if (shown) {
        c_.calendar->raise();
        c_.calendarNote->raise();
    }
}

void RecordEditor::showCalendarBeside(const EntryBox* box) {
    placeInRoom(c_.calendar, c_.calendarNote, c_.calendarRoom, box);
    showCalendar(true);
}

bool RecordEditor::appendClickedDay(EntryBox* box, int room) {
    if (box->text().size() > room) {
        program_.ui.beep();
        return false;
    }
    box->setText(AppendDay(box->text(), c_.calendar->ClickedDay()));
    box->end(false);
    return true;
}

void RecordEditor::removeLastDay(EntryBox* box) {
    if (box && box->text().size() > 1)
        box->setText(box->text().chopped(2));
    showCalendar(false);
}

void RecordEditor::ShowDashTip(const QString& text) {
    rp::ShowDashTip(program_.ui, DashTipShown, text);
}

// ---------------------------------------------------------------------------------------------------------
// Record steps

void RecordEditor::rebuildList() {
    // The shown record is written first, and stays the current one (a record just added is the last).
    const bool adding = cursor_.pendingNew();
    cursor_.write();
    Recordset& rs = cursor_.rs();
    const int place = adding ? rs.recordCount() - 1 : rs.hasCurrent() ? rs.position() : -1;
    c_.list->clear();
    const Criterion all = Criterion::contains(QLatin1String(names_.listField), QString());
    if (rs.findFirst(all)) {
        do {
            c_.list->addItem(listEntry(rs));
        } while (rs.findNext(all));
    }
    if (place >= 0)
        rs.moveTo(place);
    cursor_.show();
}

void RecordEditor::showListed(const QString& value) {
    // A change of what the list shows is written with the list rebuilt, so that it names every record as
    // it now is.
    if (listedChanged())
        rebuildList();
    cursor_.moveFirst();
    cursor_.rs().findFirst(Criterion::equals(QLatin1String(names_.listField), value));
    cursor_.show();
    SetBrowseButtons();
}

void RecordEditor::findLast(const QString& prompt) {
    cursor_.moveFirst();
    const QString answer = program_.ui.input(prompt).value_or(QString());
    Recordset& rs = cursor_.rs();
    const Criterion c = Criterion::contains(QLatin1String(names_.listField), answer);
    if (rs.findFirst(c)) {
        while (rs.findNext(c)) {
        }
    }
    cursor_.show();
}

bool RecordEditor::readyToAdd(EntryBox* nameBox) {
    if (!cursor_.isOpen())
        return false;
    if (nameBox->text().size() >= kShortestName)
        return true;
    program_.ui.message(QStringLiteral("Name Required."));
    focusBox(nameBox);
    return false;
}

bool RecordEditor::cancelAdding() {
    if (!Adding || !cursor_.pendingNew())
        return false;
    SetBrowseButtons();
    cursor_.forgetShown();
    cursor_.moveLast();
    Adding = false;
    return true;
}

bool RecordEditor::refuseDeletingLast() {
    if (cursor_.count() > 1)
        return false;
    program_.ui.message(QStringLiteral("Cannot delete last record, Edit only"),
                        QStringLiteral("LAST RECORD"));
    c_.next->setEnabled(false);
    c_.previous->setEnabled(false);
    return true;
}

void RecordEditor::reportFailure(const Error& e, const QString& duplicateText, const QString& otherPrefix,
                                 const QString& title, bool cancelledIsDuplicate) {
    ReportEditorFailure(program_.ui, program_.paths.DatabasePath, e, duplicateText, otherPrefix, title,
                        cancelledIsDuplicate);
}

void RecordEditor::focusBox(QWidget* box) {
    box->setFocus(Qt::OtherFocusReason);
}

// ---------------------------------------------------------------------------------------------------------
// Closing

bool RecordEditor::closeUndrawn() {
    if (cursor_.isOpen())
        return false;
    showCalendar(false);
    closeByCommand(false);
    return true;
}

void RecordEditor::closeByCommand(bool accepted) {
    closingByCommand_ = true;
    if (accepted)
        accept();
    else
        reject();
    closingByCommand_ = false;
}

bool RecordEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == c_.list && event->type() == QEvent::FocusIn)
        showCalendar(false);
    return QDialog::eventFilter(watched, event);
}

void RecordEditor::closeEvent(QCloseEvent* event) {
    // Closing the window is leaving it with OK/EXIT, so the shown record is written (or the window stays).
    if (closingByCommand_ || !isVisible()) {
        QDialog::closeEvent(event);
        return;
    }
    event->ignore();
    runCommand([this] { okExit(); });
}

void RecordEditor::keyPressEvent(QKeyEvent* event) {
    // Escape does not close the screen; OK/EXIT does. Without a record to show, Escape closes it too.
    if (event->key() == Qt::Key_Escape) {
        if (!cursor_.isOpen())
            close();
        return;
    }
    // The key of a command not offered (NEXT on the last record, PREVIOUS on the first) beeps rather
    // than going unnoticed.
    if (event->modifiers() == Qt::AltModifier) {
        const QKeySequence pressed(event->keyCombination());
        for (const QPushButton* b :
             {c_.add, c_.cancel, c_.remove, c_.find, c_.previous, c_.next, c_.help, c_.ok}) {
            if (!b->isEnabled() && QKeySequence::mnemonic(b->text()) == pressed) {
                program_.ui.beep();
                return;
            }
        }
    }
    QDialog::keyPressEvent(event);
}

} // namespace rp
