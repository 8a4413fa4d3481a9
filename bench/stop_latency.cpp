// Stop latency at its worst: F9 is pressed as the first click of a tick
// reaches the click target, so the whole tick lies ahead of it, and the time
// runs until 按钮1 is enabled again. The target holds from that first click
// on, so the rest of the tick's clicks cost nothing but their sending; they
// are thrown away with the target after each run.
#include <string>
#include <vector>

#include "bench_clock.h"
#include "bench_report.h"
#include "click_target.h"
#include "clicker_figures.h"
#include "clicker_session.h"

namespace {

const int periodMs = 100;
const DWORD pollMs = 5;

// Milliseconds from F9 to 按钮1 enabled, or a negative number when it could not be taken.
double StopLatencyOnce(const Clicker& clicker, int clicksPerTick)
{
    if (!OpenClickTarget()) return -1;
    HoldTargetAtNextPress();
    if (!StartClicking(clicker, std::to_string(periodMs).c_str(), std::to_string(clicksPerTick).c_str()) ||
        WaitTargetHeld(60000) < 0) {
        StopClickingSafely(clicker);
        return -1;
    }
    double pressed = NowMs();
    TapKey(VK_F9);
    double enabledAt = -1;
    // Polled every few milliseconds, not more often: each look wakes this
    // process, and pinned to one processor that slows the clicker's tick.
    while (NowMs() - pressed < 600000) {
        if (!Clicking(clicker)) {
            enabledAt = NowMs();
            break;
        }
        Sleep(pollMs);
    }
    CloseClickTarget();
    if (enabledAt < 0) {
        StopClickingSafely(clicker);
        return -1;
    }
    return enabledAt - pressed;
}

} // namespace

bool MeasureStopLatency(const Clicker& clicker, int clicksPerTick, int trials, const char* id)
{
    std::vector<double> latencies;
    for (int t = 0; t < trials; ++t) {
        double latency = StopLatencyOnce(clicker, clicksPerTick);
        if (latency < 0) {
            Note("%s: run %d could not be taken", id, t + 1);
            return false;
        }
        latencies.push_back(latency);
        Note("%s: run %d: %.1f ms from F9 to the Start button enabled", id, t + 1, latency);
    }
    double median = Median(latencies);
    double ratio = median / periodMs;
    std::string shown = Format("%.2f (%.0f ms", ratio, median);
    if (trials > 1) shown += Format(", median of %d", trials);
    ReportFigure(id, ratio, shown + ")");
    return true;
}

void StopClickingSafely(const Clicker& clicker)
{
    if (!OpenClickTarget()) return;
    if (Clicking(clicker)) StopClicking(clicker);
    CloseClickTarget();
}
