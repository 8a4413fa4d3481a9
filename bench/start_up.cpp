// Start-up: from CreateProcess to the program's main window existing and
// visible, polled every millisecond from here, for clicker.exe and for the
// minimal window program in turn; both are closed by their close box after
// each run. One run of each comes first and is not counted: it fills Wine's
// caches. The figure is the median of the ratios of the runs taken side by
// side, so that a machine that gets busier or quieter meanwhile weighs little.
#include <string>
#include <vector>

#include "bench_clock.h"
#include "bench_report.h"
#include "clicker_figures.h"

namespace {

struct Program {
    std::string path;
    const char* windowClass;
};

HWND VisibleWindowOf(DWORD processId, const char* windowClass)
{
    for (HWND w = FindWindowExA(nullptr, nullptr, windowClass, nullptr); w;
         w = FindWindowExA(nullptr, w, windowClass, nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == processId && IsWindowVisible(w)) return w;
    }
    return nullptr;
}

// Milliseconds to the visible window, or a negative number when it did not come or the program did not end.
double TimeToWindow(const Program& program)
{
    double start = NowMs();
    Child child = StartChild("\"" + program.path + "\"");
    if (!child.started) return -1;
    double shownAt = -1;
    HWND window = nullptr;
    while (NowMs() - start < 60000) {
        window = VisibleWindowOf(child.info.dwProcessId, program.windowClass);
        if (window) {
            shownAt = NowMs();
            break;
        }
        Sleep(1);
    }
    if (window) PostMessageA(window, WM_CLOSE, 0, 0);
    DWORD code = WaitChild(child, 30000);
    PumpFor(200);   // let Wine finish with the ended process before the next one starts
    return shownAt >= 0 && code == 0 ? shownAt - start : -1;
}

} // namespace

bool MeasureStartUp(int runs)
{
    const Program clicker{ClickerPath(), "ClickerMainWindow"};
    const Program minimal{ProgramFolder() + "minimal_window.exe", "MinimalWindow"};
    std::vector<double> clickerMs, minimalMs, ratios;
    for (int run = 0; run <= runs; ++run) {
        double c = TimeToWindow(clicker);
        double m = TimeToWindow(minimal);
        if (c < 0 || m < 0) {
            Note("start-up: run %d: %s did not open and close as it should", run, c < 0 ? "clicker.exe" : "minimal_window.exe");
            return false;
        }
        Note("start-up: run %d: clicker.exe %.0f ms, minimal_window.exe %.0f ms%s", run, c, m,
             run == 0 ? " (not counted)" : "");
        if (run == 0) continue;
        clickerMs.push_back(c);
        minimalMs.push_back(m);
        ratios.push_back(c / m);
    }
    double ratio = Median(ratios);
    ReportFigure("startup", ratio,
                 Format("%.2f (%.0f vs %.0f ms, medians of %d)", ratio, Median(clickerMs), Median(minimalMs), runs));
    return true;
}
