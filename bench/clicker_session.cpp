#include "clicker_session.h"

#include "click_target.h"

bool StartClicking(const Clicker& clicker, const char* interval, const char* clicksPerTick)
{
    SetTextOf(ControlOf(clicker, IntervalBox), interval);
    SetTextOf(ControlOf(clicker, CountBox), clicksPerTick);
    if (!FocusClickTarget()) return false;
    TapKey(VK_F8);
    return WaitUntil([&] { return Clicking(clicker); }, 30000);
}

bool StopClicking(const Clicker& clicker, DWORD timeoutMs)
{
    if (!FocusClickTarget()) return false;
    TapKey(VK_F9);
    return WaitUntil([&] { return !Clicking(clicker); }, timeoutMs);
}
