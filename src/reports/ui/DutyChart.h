#pragma once

class QChart;

namespace rp {

struct ScheduleCheck;

// The bar chart of a schedule check: one bar of duties per agent, and a mark at each agent's maximum
// (agents without a maximum of their own get none).
QChart* NewDutyChart(const ScheduleCheck& check);

} // namespace rp
