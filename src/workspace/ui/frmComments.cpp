#include "workspace/ui/frmComments.h"

#include "platform/Ui.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace rp {

frmComments::frmComments(Ui& ui, QString& commentText, QWidget* parent)
    : QDialog(parent), ui_(ui), commentText_(commentText) {
    setObjectName(QStringLiteral("frmComments"));
    setWindowTitle(QStringLiteral("Schedule Comments"));
    setModal(true);
    Frame1 = new QGroupBox(QStringLiteral(" Enter Comments for the top of this schedule, if any."), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Text1 = new QPlainTextEdit(Frame1);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setTabChangesFocus(true);
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdClear = new QPushButton(QStringLiteral("Clear"), this);
    cmdClear->setObjectName(QStringLiteral("cmdClear"));

    auto* frameLayout = new QVBoxLayout(Frame1);
    frameLayout->addWidget(Text1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdClear);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addLayout(buttons);
    resize(480, 200);

    connect(cmdOK, &QPushButton::clicked, this, &frmComments::cmdOK_Click);
    connect(cmdClear, &QPushButton::clicked, this, &frmComments::cmdClear_Click);
    connect(Text1, &QPlainTextEdit::textChanged, this, &frmComments::Text1_Change);
}

void frmComments::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Text1->clear();
    Text1->setFocus();
}

namespace {

// Length of a comment as it is stored: each line break becomes CR LF.
qsizetype storedLength(const QString& text) {
    return text.size() + text.count(QLatin1Char('\n'));
}

} // namespace

void frmComments::Text1_Change() {
    const QString text = Text1->toPlainText();
    const bool cut = storedLength(text) > kMaxLength;
    if (cut) {
        // Keep what was there and as much of the newly typed or pasted text as fits, like a box with a
        // maximum length: the new text lies between what is left of the old at both ends.
        qsizetype head = 0;
        while (head < text.size() && head < accepted_.size() && text[head] == accepted_[head])
            ++head;
        qsizetype tail = 0;
        while (tail < text.size() - head && tail < accepted_.size() - head &&
               text[text.size() - 1 - tail] == accepted_[accepted_.size() - 1 - tail])
            ++tail;
        const QString before = text.left(head);
        const QString after = text.right(tail);
        QString inserted = text.mid(head, text.size() - head - tail);
        qsizetype room = kMaxLength - storedLength(before) - storedLength(after);
        qsizetype keep = 0;
        for (; keep < inserted.size(); ++keep) {
            room -= inserted[keep] == QLatin1Char('\n') ? 2 : 1;
            if (room < 0)
                break;
        }
        if (keep > 0 && inserted[keep - 1].isHighSurrogate())
            --keep; // never half a character
        inserted.truncate(keep);
        const QSignalBlocker block(Text1);
        Text1->setPlainText(before + inserted + after);
        QTextCursor cursor = Text1->textCursor();
        cursor.setPosition(int(head + inserted.size()));
        Text1->setTextCursor(cursor);
    }
    accepted_ = Text1->toPlainText();
    // A line break that no longer fits is cut although the text stays below the limit.
    if (cut || storedLength(accepted_) >= kMaxLength)
        ui_.message(QStringLiteral("100 character limit has been reached."), QStringLiteral("Limit reached"),
                    Icon::Warning, Buttons::Ok);
}

void frmComments::cmdOK_Click() {
    QString text = Text1->toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    commentText_ = text;
    accept();
}

void frmComments::cmdClear_Click() {
    Text1->clear();
}

} // namespace rp
