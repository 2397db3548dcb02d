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

void frmComments::Text1_Change() {
    QString text = Text1->toPlainText();
    if (text.size() > kMaxLength) {
        // A paste may bring more than the limit: keep the first 100 characters.
        text.truncate(kMaxLength);
        const QSignalBlocker block(Text1);
        Text1->setPlainText(text);
        Text1->moveCursor(QTextCursor::End);
    }
    if (text.size() >= kMaxLength) {
        if (!limitShown_) {
            limitShown_ = true;
            ui_.message(QStringLiteral("100 character limit has been reached."),
                        QStringLiteral("Limit reached"), Icon::Warning, Buttons::Ok);
        }
    } else {
        limitShown_ = false;
    }
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
