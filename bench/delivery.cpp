// Delivery: the pointer rests on 按钮3 while one tick sends `clicks` clicks,
// and 编辑框3 shows how many the button counted. The clicks are handled only
// after the tick has returned, and a pending tick waits behind them, so as
// soon as the first one is counted 编辑框2 is set to 0 from here (a sent
// message, handled between the queued clicks) and later ticks click nothing.
// Stop resets the counter but not 编辑框3's text, so that text is cleared first.
#include <string>

#include "bench_clock.h"
#include "bench_report.h"
#include "click_target.h"
#include "clicker_figures.h"
#include "clicker_session.h"

namespace {

// Waits until 编辑框3 has not changed for quietMs, asking at most every 200 ms
// so that the asking costs the clicker little; gives the count, -1 on timeout.
int SettledCount(const Clicker& clicker, DWORD quietMs, DWORD timeoutMs)
{
    int last = -1;
    DWORD changed = GetTickCount(), asked = 0;
    bool settled = WaitUntil([&] {
        DWORD now = GetTickCount();
        if (asked && now - asked < 200) return false;
        asked = now;
        int count = TestCount(clicker);
        if (count != last) {
            last = count;
            changed = now;
        }
        return now - changed >= quietMs;
    }, timeoutMs);
    return settled ? last : -1;
}

} // namespace

bool MeasureDelivery(const Clicker& clicker, int clicks, const char* id)
{
    if (!OpenClickTarget()) return false;   // it takes the focus while keys are pressed
    if (!StopClicking(clicker)) return false;   // F9 while idle: the counter back to 0
    SetTextOf(ControlOf(clicker, TestCountBox), "");
    ParkPointerOn(clicker, TestButton);

    double started = NowMs();
    bool firstCounted = StartClicking(clicker, "100", std::to_string(clicks).c_str()) &&
                        WaitUntil([&] { return TestCount(clicker) > 0; }, 120000);
    double firstAt = NowMs();
    SetTextOf(ControlOf(clicker, CountBox), "0");
    int counted = firstCounted ? SettledCount(clicker, 2000, 900000) : -1;
    double settledAt = NowMs();
    ParkPointerOnTarget();
    bool stopped = StopClicking(clicker);
    CloseClickTarget();
    if (!firstCounted || counted < 0 || !stopped) {
        Note("%s: %s", id, !firstCounted ? "no click was counted" : counted < 0 ? "the count did not settle" : "F9 did not stop");
        StopClickingSafely(clicker);
        return false;
    }
    Note("%s: %d counted; first count %.0f ms after F8, settled (2 s without change) %.0f ms later", id, counted,
         firstAt - started, settledAt - firstAt);
    double ratio = static_cast<double>(counted) / clicks;
    ReportFigure(id, ratio, Format("%.3f (%d of %d)", ratio, counted, clicks));
    return true;
}
