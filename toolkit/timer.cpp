// Timers: a hidden child window of our own class "Timer" that owns one Win32
// timer (SetTimer, id 1000) and raises the periodic event for each WM_TIMER.
// The period in force is kept with the Control; writing it again changes
// nothing, so a running timer keeps its rhythm. The system stops the timer
// when the window is destroyed.
#include "loaded_windows.h"

namespace {

const char* const timerClass = "Timer";
const UINT_PTR timerId = 1000;

void OnTick(HWND timer)
{
    const ControlDescription* row = FindControlDescription(timer);
    LoadedWindow* loaded = FindLoadedWindow(GetParent(timer));
    if (row && loaded) RaiseEvent(loaded->description, row->name, Event::Periodic);
}

LRESULT CALLBACK TimerProc(HWND timer, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_TIMER:
        if (wParam == timerId) OnTick(timer);
        return 0;
    }
    return DefWindowProcA(timer, message, wParam, lParam);
}

bool RegisterTimerClass(HINSTANCE instance)
{
    return RegisterClassOnce(instance, timerClass, TimerProc, 0, 0, ClassLook::Hidden);
}

} // namespace

HWND CreateTimer(HWND parent, const ControlDescription& row)
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!RegisterTimerClass(instance)) return nullptr;
    return CreateWindowExA(0, timerClass, row.text, WS_CHILD | WS_CLIPSIBLINGS, row.left, row.top, row.width,
                           row.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)), instance,
                           nullptr);
}

void SetTimerPeriod(Control& control, int32_t period)
{
    if (!control.window) return;   // no window, no timer: it stopped with its window
    if (period < 0) period = 0;
    if (period == control.timerPeriod) return;
    control.timerPeriod = period;
    KillTimer(control.window, timerId);
    if (period > 0) SetTimer(control.window, timerId, static_cast<UINT>(period), nullptr);
}

int32_t TimerPeriod(const Control& control) { return control.timerPeriod; }
