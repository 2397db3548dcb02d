#pragma once

#include <QWidget>

class QChartView;
class QLabel;
class QListWidget;
class QPlainTextEdit;

namespace rp {

struct ScheduleCheckRun;

// The "Check" page of the assignments report window: the figures of the schedule check, the chart of
// duties per agent against their maxima, and the "AGT?" slots with the agents who could still take them.
class CheckPage : public QWidget {
    Q_OBJECT
public:
    explicit CheckPage(QWidget* parent = nullptr);

    QPlainTextEdit* txtCheck;
    QChartView* chartDuties;
    QListWidget* lstGaps;
    QLabel* lblGaps; // says so when no slot is left 'AGT?'

    // Shows a check, or why there is none.
    void showCheck(const ScheduleCheckRun& run);
};

} // namespace rp
