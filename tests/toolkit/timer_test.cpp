// The timer's period rules, observed through the periodic events that arrive.
#include <doctest/doctest.h>

#include "desktop.h"
#include "test_window.h"

TEST_CASE("a timer ticks only once a period above 0 is written; negative counts as 0")
{
    OpenTestWindow open;
    CHECK(TimerPeriod(ticker) == 0);
    PumpFor(300);
    CHECK(counts.ticks == 0);

    SetTimerPeriod(ticker, 20);
    CHECK(TimerPeriod(ticker) == 20);
    REQUIRE(WaitUntil([] { return counts.ticks >= 3; }));

    SetTimerPeriod(ticker, -5);
    CHECK(TimerPeriod(ticker) == 0);
    // No Win32 timer is left on the timer's window.
    CHECK_FALSE(KillTimer(ticker.window, 1000));
    PumpFor(50);   // a tick already queued may still arrive
    int stoppedAt = counts.ticks;
    PumpFor(300);
    CHECK(counts.ticks == stoppedAt);
}

TEST_CASE("the timer runs as timer 1000 of its own window")
{
    OpenTestWindow open;
    SetTimerPeriod(ticker, 30);
    REQUIRE(WaitUntil([] { return counts.ticks >= 1; }));
    CHECK(KillTimer(ticker.window, 1000));
}

TEST_CASE("writing the period in force does not restart the timer")
{
    OpenTestWindow open;
    // Rewritten every 40 ms, a 300 ms timer that restarted on each write would never tick.
    SetTimerPeriod(ticker, 300);
    DWORD start = GetTickCount();
    while (GetTickCount() - start < 1500) {
        SetTimerPeriod(ticker, 300);
        PumpFor(40);
    }
    CHECK(counts.ticks >= 2);
}

TEST_CASE("writing another period restarts the timer at that period")
{
    OpenTestWindow open;
    SetTimerPeriod(ticker, 60000);
    PumpFor(100);
    SetTimerPeriod(ticker, 25);
    CHECK(TimerPeriod(ticker) == 25);
    CHECK(WaitUntil([] { return counts.ticks >= 5; }, 5000));

    SetTimerPeriod(ticker, 60000);
    PumpFor(50);
    int restartedAt = counts.ticks;
    PumpFor(400);
    CHECK(counts.ticks == restartedAt);
}
