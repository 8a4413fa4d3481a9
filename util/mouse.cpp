// Mouse buttons through mouse_event: each event is one call with one button
// flag and no movement, so it lands wherever the pointer is, in whichever
// window lies under it. A double click waits the system's double-click time
// between its two clicks with PumpingDelay, so the thread's windows keep
// working meanwhile; every other action returns without yielding.
#include "mouse.h"

#include <windows.h>

#include "pumping_delay.h"

namespace {

struct ButtonFlags {
    DWORD press;
    DWORD release;
};

// Indexed by the button code: 0 and 1 left, 2 right, 3 middle.
constexpr ButtonFlags buttonFlags[] = {
    {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP},
    {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP},
    {MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP},
    {MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP},
};

constexpr int32_t actionClick = 0;
constexpr int32_t actionClickToo = 1;
constexpr int32_t actionDoubleClick = 2;
constexpr int32_t actionPress = 3;
constexpr int32_t actionRelease = 4;

// One event at the pointer's current position: no move, no absolute coordinates.
void SendButtonEvent(DWORD flag) { mouse_event(flag, 0, 0, 0, 0); }

void SendClick(const ButtonFlags& flags)
{
    SendButtonEvent(flags.press);
    SendButtonEvent(flags.release);
}

} // namespace

void SimulateMouseButton(std::optional<int32_t> button, std::optional<int32_t> action)
{
    // A code left out is 0; the codes alone decide.
    int32_t buttonCode = button.value_or(0);
    int32_t actionCode = action.value_or(0);
    if (buttonCode < 0 || buttonCode > 3) return;
    const ButtonFlags& flags = buttonFlags[buttonCode];

    switch (actionCode) {
    case actionClick:
    case actionClickToo:
        SendClick(flags);
        break;
    case actionDoubleClick:
        SendClick(flags);
        PumpingDelay(static_cast<int32_t>(GetDoubleClickTime()), std::nullopt);
        SendClick(flags);
        break;
    case actionPress:
        SendButtonEvent(flags.press);
        break;
    case actionRelease:
        SendButtonEvent(flags.release);
        break;
    }
}
