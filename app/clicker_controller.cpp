// The behaviour behind the main window's buttons and timer. Whether clicking
// runs lives in the controls themselves: 时钟1's period and 按钮1's disabled
// flag. The settings are read from their boxes whenever they are needed.
#include "clicker_controller.h"

#include "main_window.h"
#include "toolkit/toolkit.h"
#include "util/mouse.h"

int32_t TestClickCount = 0;

namespace {

int32_t NumberIn(const Control& box) { return TextToInt(ReadText(box)); }

} // namespace

// Start: both settings must be above 0; a failed check says so and changes nothing.
void OnStartClicked()
{
    if (NumberIn(编辑框1) <= 0) {
        ShowMessage("时间不可以小于或等于0");
        return;
    }
    if (NumberIn(编辑框2) <= 0) {
        ShowMessage("点击次数不可以小于或等于0");
        return;
    }
    SetTimerPeriod(时钟1, NumberIn(编辑框1));
    SetDisabled(按钮1, true);
}

// Stop: no more ticks, Start available again, the counter back to 0.
void OnStopClicked()
{
    TestClickCount = 0;
    SetTimerPeriod(时钟1, 0);
    SetDisabled(按钮1, false);
}

// A click that reached the test button.
void OnTestClicked()
{
    // Wraps instead of overflowing after 2^31 - 1 clicks.
    TestClickCount = static_cast<int32_t>(static_cast<uint32_t>(TestClickCount) + 1u);
    WriteText(编辑框3, IntToText(TestClickCount));
}

// One tick: as many left clicks as 编辑框2 says now, one after another.
void OnClickTimer()
{
    int32_t count = NumberIn(编辑框2);
    for (int32_t done = 0; done < count; ++done) SimulateMouseButton();
}
