// Tick fidelity: every press on the click target carries the time it was sent
// at, so the ticks show as runs of presses with a gap of at least half a
// period before each. The period achieved is the slope of a straight line
// fitted through the ticks' start times against their numbers: where the
// span starts and ends within a period costs nothing, one late tick at either
// end weighs little, and a tick that never came leaves a double gap that
// lengthens the period.
#include <string>
#include <vector>

#include "bench_report.h"
#include "click_target.h"
#include "clicker_figures.h"
#include "clicker_session.h"

namespace {

const int clicksPerTick = 10;

struct Ticks {
    std::vector<DWORD> starts;   // message time of each tick's first press
    int offSize = 0;             // ticks whose press count was not clicksPerTick
};

Ticks FindTicks(const std::vector<DWORD>& pressTimes, int periodMs)
{
    Ticks ticks;
    int size = 0;
    for (size_t i = 0; i < pressTimes.size(); ++i) {
        if (i == 0 || pressTimes[i] - pressTimes[i - 1] >= static_cast<DWORD>(periodMs / 2)) {
            if (i > 0 && size != clicksPerTick) ++ticks.offSize;
            ticks.starts.push_back(pressTimes[i]);
            size = 0;
        }
        ++size;
    }
    if (!pressTimes.empty() && size != clicksPerTick) ++ticks.offSize;
    return ticks;
}

// Least squares slope of the ticks' start times over their numbers 0, 1, 2, ...
double FittedPeriodMs(const std::vector<DWORD>& starts)
{
    double n = 0, sumX = 0, sumY = 0, sumXX = 0, sumXY = 0;
    for (size_t i = 0; i < starts.size(); ++i) {
        double x = static_cast<double>(i);
        double y = starts[i] - starts.front();
        n += 1;
        sumX += x;
        sumY += y;
        sumXX += x * x;
        sumXY += x * y;
    }
    return (n * sumXY - sumX * sumY) / (n * sumXX - sumX * sumX);
}

} // namespace

bool MeasureTickFidelity(const Clicker& clicker, int periodMs, DWORD spanMs, const char* id)
{
    if (!OpenClickTarget()) return false;
    if (!StartClicking(clicker, std::to_string(periodMs).c_str(), std::to_string(clicksPerTick).c_str())) {
        StopClickingSafely(clicker);
        return false;
    }
    PumpFor(spanMs);
    bool stopped = StopClicking(clicker);
    WaitTargetQuiet(500, 60000);
    std::vector<DWORD> pressTimes = TargetPressTimes();
    CloseClickTarget();
    if (!stopped) {
        StopClickingSafely(clicker);
        return false;
    }

    Ticks ticks = FindTicks(pressTimes, periodMs);
    if (ticks.starts.size() < 3) {
        Note("%s: only %zu ticks came", id, ticks.starts.size());
        return false;
    }
    DWORD span = ticks.starts.back() - ticks.starts.front();
    double achieved = 1000.0 / FittedPeriodMs(ticks.starts);
    double requested = 1000.0 / periodMs;
    double ratio = achieved / requested;
    Note("%s: %zu ticks, first to last %lu ms, %zu presses, %d ticks not of %d presses", id, ticks.starts.size(),
         span, pressTimes.size(), ticks.offSize, clicksPerTick);
    ReportFigure(id, ratio, Format("%.3f (%.2f of %.0f a second)", ratio, achieved, requested));
    return true;
}
