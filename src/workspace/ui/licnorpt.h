#pragma once

#include "platform/SingleCopyLock.h"

#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

class QLabel;

namespace rp {

class Ui;

// The start-up window: refuses a second running copy of the program (a lock in the program folder),
// shows the product name and version, and after a pause starts the program proper.
class licnorpt : public QWidget {
    Q_OBJECT
public:
    licnorpt(Ui& ui, const QString& appFolder, std::function<void()> startProgram, QWidget* parent = nullptr);

    QLabel* Label1;
    QLabel* Label3;
    QTimer* Timer1;

    // Returns false when another copy is running (the message has been shown and the program ends).
    bool Form_Load();
    void Timer1_Timer();

private:
    Ui& ui_;
    std::unique_ptr<SingleCopyLock> lock_;
    std::function<void()> startProgram_;
};

} // namespace rp
