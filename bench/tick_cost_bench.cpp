// What the clicker's own tick routine adds to each click: the real main window
// is built in this process, 编辑框2 says 10000, and OnClickTimer is timed
// against a bare loop of mouse_event calls (a press and a release per click,
// as the program sends them) run just before and just after it. The clicks
// land on the benchmark's click target, held so that they cost nothing but
// their sending; it is opened afresh for every run, so each starts with an
// empty queue.
#include <cstdio>

#include "app/clicker_controller.h"
#include "app/main_window.h"
#include "app/program_start.h"
#include "bench_clock.h"
#include "bench_report.h"
#include "click_target.h"
#include "desktop.h"
#include "toolkit/toolkit.h"

namespace {

const int clicksPerTick = 10000;
const int rounds = 7;   // tick runs, each between two bare runs

bool ReadyHeldTarget()
{
    if (!OpenClickTarget()) return false;
    HoldTargetNow();
    return WaitTargetHeld(10000) >= 0;
}

// Milliseconds for one run, or a negative number when the target could not be readied.
template <class Clicking>
double TimeRun(Clicking clicking)
{
    if (!ReadyHeldTarget()) return -1;
    double start = NowMs();
    clicking();
    double spent = NowMs() - start;
    CloseClickTarget();
    return spent;
}

void BareClicks()
{
    for (int i = 0; i < clicksPerTick; ++i) {
        mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
        mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    }
}

int Measure()
{
    InitToolkit();
    InitRegistries();
    if (!LoadWindow(MainWindowDescription)) {
        Note("the main window could not be built");
        return 1;
    }
    WriteText(编辑框2, IntToText(clicksPerTick));

    std::vector<double> bare, ticks, ratios;
    bare.push_back(TimeRun(BareClicks));
    for (int r = 0; r < rounds; ++r) {
        ticks.push_back(TimeRun(OnClickTimer));
        bare.push_back(TimeRun(BareClicks));
        double around = (bare[r] + bare[r + 1]) / 2;
        if (bare[r] < 0 || ticks[r] < 0 || bare[r + 1] < 0) {
            Note("the click target could not be readied");
            return 1;
        }
        ratios.push_back(ticks[r] / around);
        Note("round %d: bare %.1f ms, tick %.1f ms, bare %.1f ms: %.4f", r + 1, bare[r], ticks[r], bare[r + 1],
             ratios.back());
    }
    const double events = 2.0 * clicksPerTick;
    double bareUs = Median(bare) * 1000 / events;
    double tickUs = Median(ticks) * 1000 / events;
    double ratio = Median(ratios);
    ReportFigure("click_overhead", ratio, Format("%.3f (%.1f vs %.1f us an event)", ratio, tickUs, bareUs));
    ReportFigure("mouse_event_us", bareUs, Format("%.1f us", bareUs));

    DestroyWindow(NativeHandle(MainWindow));
    MSG quit;
    WaitUntil([&] { return PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != 0; }, 5000);
    ReleaseRegistries();
    return 0;
}

} // namespace

int main()
{
    Note("per-click overhead: OnClickTimer with %d clicks against a bare mouse_event loop", clicksPerTick);
    return Measure();
}
