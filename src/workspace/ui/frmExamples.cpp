#include "workspace/ui/frmExamples.h"

#include "workspace/Examples.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace rp {

frmExamples::frmExamples(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmExamples"));
    setWindowTitle(QStringLiteral("Rotaplan Example Setups"));
    Frame1 = new QGroupBox(QStringLiteral("Example Setups"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    cboExample = new QComboBox(Frame1);
    cboExample->setObjectName(QStringLiteral("cboExample"));
    for (const ExampleSetup& e : kExampleSetups)
        cboExample->addItem(QLatin1String(e.entry));
    Label1 = new QLabel(QStringLiteral("Details"), Frame1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setMinimumHeight(110);
    auto* frame = new QVBoxLayout(Frame1);
    frame->addWidget(cboExample);
    frame->addWidget(Label1, 1);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setToolTip(QStringLiteral("Show the example setup."));
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setToolTip(QStringLiteral("Exit."));
    cmdHelp = new QPushButton(QStringLiteral("Help"), this);
    cmdHelp->setObjectName(QStringLiteral("cmdHelp"));
    cmdHelp->setToolTip(QStringLiteral("Help information"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {cmdOK, cmdCancel, cmdHelp})
        buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1, 1);
    layout->addLayout(buttons);
    resize(520, 300);

    connect(cboExample, &QComboBox::currentIndexChanged, this, &frmExamples::cboExample_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmExamples::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmExamples::cmdCancel_Click);
    connect(cmdHelp, &QPushButton::clicked, this, [this] {
        if (help)
            help();
    });
    // The list starts at entry 1, described.
    cboExample->setCurrentIndex(0);
    cboExample_Click();
}

void frmExamples::cboExample_Click() {
    const int entry = cboExample->currentIndex();
    if (entry >= 0 && entry < int(kExampleSetups.size()))
        Label1->setText(QLatin1String(kExampleSetups[size_t(entry)].description));
}

void frmExamples::cmdOK_Click() {
    const int entry = cboExample->currentIndex();
    if (showExample && entry >= 0)
        showExample(entry);
    close();
}

void frmExamples::cmdCancel_Click() {
    close();
}

} // namespace rp
