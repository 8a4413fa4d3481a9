// The benchmark of clicker.exe as a user runs it: this program starts the
// real clicker.exe (the one CLICKER_EXE names) in a process of its own and
// drives it from outside with real keys and real clicks. It prints one line
// per figure (bench_report.h); scripts/bench.sh runs it and makes the table.
// Exits with 1 when a figure could not be taken.
#include "bench_report.h"
#include "click_target.h"
#include "clicker_figures.h"

int main()
{
    Note("clicker.exe: %s", ClickerPath().c_str());
    bool all = MeasureFileFootprint();
    all = MeasureStartUp(7) && all;

    Clicker clicker = StartClicker();
    if (!clicker.window) {
        Note("clicker.exe did not open its window");
        return 1;
    }
    all = MeasureTickFidelity(clicker, 10, 3000, "tick_10ms") && all;
    all = MeasureTickFidelity(clicker, 100, 5000, "tick_100ms") && all;
    all = MeasureDelivery(clicker, 1000, "delivery_1000") && all;
    all = MeasureDelivery(clicker, 10000, "delivery_10000") && all;
    all = MeasureStopLatency(clicker, 1000, 5, "stop_1000") && all;
    all = MeasureStopLatency(clicker, 100000, 1, "stop_100000") && all;
    all = MeasureIdleCpu(clicker) && all;

    DWORD code = CloseClicker(clicker);
    if (code != 0) Note("clicker.exe ended with %lu", code);
    return all && code == 0 ? 0 : 1;
}
