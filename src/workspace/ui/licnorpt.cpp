#include "workspace/ui/licnorpt.h"

#include "platform/Ui.h"
#include "workspace/ProductInfo.h"

#include <QLabel>
#include <QVBoxLayout>

namespace rp {

licnorpt::licnorpt(Ui& ui, const QString& appFolder, std::function<void()> startProgram, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen), ui_(ui), lock_(std::make_unique<SingleCopyLock>(appFolder)),
      startProgram_(std::move(startProgram)) {
    setObjectName(QStringLiteral("licnorpt"));
    setWindowTitle(QStringLiteral("Rotaplan"));
    Label1 = new QLabel(QStringLiteral("ROTAPLAN"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont big = Label1->font();
    big.setPointSize(28);
    big.setBold(true);
    Label1->setFont(big);
    Label1->setAlignment(Qt::AlignCenter);
    Label3 = new QLabel(this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setAlignment(Qt::AlignCenter);
    auto* caption = new QLabel(QStringLiteral("Monthly floor-duty schedules for sales offices"), this);
    caption->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(Label1);
    layout->addWidget(caption);
    layout->addWidget(Label3);
    layout->addStretch();
    setStyleSheet(QStringLiteral("licnorpt { background: #e8f4ff; border: 2px solid #3b6ea5; }"));
    resize(460, 240);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer1->setInterval(5000);
    connect(Timer1, &QTimer::timeout, this, &licnorpt::Timer1_Timer);
}

bool licnorpt::Form_Load() {
    Label3->setText(VersionLine());
    if (lock_->take() != SingleCopyLock::Outcome::Taken) {
        ui_.message(QStringLiteral("Another instance of the program is already runnning."),
                    QStringLiteral("Exiting Program"), Icon::Critical);
        close();
        ui_.endProgram();
        return false;
    }
    ui_.setBusy(true);
    Timer1->start();
    return true;
}

void licnorpt::Timer1_Timer() {
    Timer1->stop();
    if (startProgram_)
        startProgram_();
    ui_.setBusy(false);
    hide();
}

} // namespace rp
