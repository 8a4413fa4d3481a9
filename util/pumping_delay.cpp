// A delay on a one-shot waitable timer that keeps the thread's windows alive:
// the thread sleeps in MsgWaitForMultipleObjects until the timer fires, and
// whenever something else woke it, the toolkit dispatches what is pending and
// the thread sleeps again. Each call has its own timer, so delays nest: an
// inner delay runs to its end, and an outer timer that fired meanwhile stays
// signalled until the outer wait takes it. A WM_QUIT stays queued for the
// message loop. The result is always 1.
#include "pumping_delay.h"

#include <windows.h>

#include <cstdint>

#include "toolkit/toolkit.h"

namespace {

// Every kind of input the thread can be woken for, without QS_RAWINPUT
// (the QS_ALLINPUT of older headers; newer ones add 0x400).
constexpr DWORD wakeMask = QS_KEY | QS_MOUSEMOVE | QS_MOUSEBUTTON | QS_POSTMESSAGE | QS_TIMER |
                           QS_PAINT | QS_SENDMESSAGE | QS_HOTKEY;
static_assert(wakeMask == 0xFF);

// Milliseconds per step of the interval.
double Multiplier(std::optional<int32_t> interval, int32_t unit)
{
    // Unit 0 with the interval left out: five hours a step, though an absent
    // interval counts 0 steps and so ends the delay at once.
    if (unit == 0 && !interval) return 18000000.0;
    switch (unit) {
    case 0: return 1.0;
    case 1: return 1000.0;
    case 2: return 60000.0;
    case 3: return 3600000.0;
    }
    return unit;   // steps of that many milliseconds
}

// The timer's due time in 100-ns units: negative is a span from now, positive
// an absolute time since 1601. Truncated toward zero; a value beyond 64 bits
// saturates, so a span too long for the timer stays the longest one it takes
// rather than wrapping round into a time long past.
LONGLONG DueTime(std::optional<int32_t> interval, int32_t unit)
{
    double due = interval.value_or(0) * Multiplier(interval, unit) * -10000.0;
    constexpr double twoTo63 = 9223372036854775808.0;
    if (due >= twoTo63) return INT64_MAX;
    if (due < -twoTo63) return INT64_MIN;
    return static_cast<LONGLONG>(due);
}

} // namespace

int32_t PumpingDelay(std::optional<int32_t> interval, std::optional<int32_t> unit)
{
    LARGE_INTEGER due;
    due.QuadPart = DueTime(interval, unit.value_or(0));

    // A timer that cannot be had would leave nothing to wait for: the delay ends now.
    HANDLE timer = CreateWaitableTimerA(nullptr, FALSE, nullptr);
    if (!timer) return 1;
    if (SetWaitableTimer(timer, &due, 0, nullptr, nullptr, FALSE)) {
        for (;;) {
            DWORD woken = MsgWaitForMultipleObjects(1, &timer, FALSE, INFINITE, wakeMask);
            if (woken == WAIT_OBJECT_0) break;   // the timer fired
            if (woken == WAIT_FAILED) break;     // waiting again would fail again
            ProcessPendingEvents();
        }
    }
    CloseHandle(timer);
    return 1;
}
