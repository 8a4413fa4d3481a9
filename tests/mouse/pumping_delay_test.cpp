// PumpingDelay on a real window: how long it lasts for each unit, what it
// dispatches meanwhile (posted, sent, timer, paint and hot-key messages),
// nesting, a WM_QUIT that must survive it, and due times beyond 64 bits.
#include <doctest/doctest.h>

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <optional>
#include <string>
#include <thread>

#include "desktop.h"
#include "test_window.h"
#include "util/pumping_delay.h"

namespace {

const std::optional<int32_t> missing;

std::string Describe(std::optional<int32_t> code)
{
    return code ? std::to_string(*code) : std::string("missing");
}

// CPU time this thread has used, in milliseconds.
double ThreadCpuMs()
{
    FILETIME created, ended, kernel, user;
    GetThreadTimes(GetCurrentThread(), &created, &ended, &kernel, &user);
    auto ms = [](FILETIME t) {
        return static_cast<double>((static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 10000.0;
    };
    return ms(kernel) + ms(user);
}

} // namespace

TEST_CASE("a due time now or in the past ends the delay at once, dispatching nothing")
{
    HWND window = OpenTestWindow();
    struct Case {
        std::optional<int32_t> interval, unit;
    };
    const Case cases[] = {
        {0, missing},      {0, 0},       {0, 1},   {0, 3},    {0, 7},
        {missing, 0},      {missing, missing},     {missing, 3},
        {-1, missing},     {-1000, 1},   {-50, 2}, {-5, 3},   {-100, 7},
        {1000, -1},        {2, -1000},   {INT32_MAX, -1},   // a positive multiplier's reverse
    };
    for (const Case& c : cases) {
        std::string row = "interval " + Describe(c.interval) + ", unit " + Describe(c.unit);
        ForgetHandled();
        PostMessageA(window, WM_APP, 0, 0);
        double start = Clock();
        int32_t result = PumpingDelay(c.interval, c.unit);
        double took = Clock() - start;
        CHECK_MESSAGE(result == 1, row);
        CHECK_MESSAGE(took < 1000, row << ": took " << took << " ms");
        CHECK_MESSAGE(HandledMessages().empty(), row << ": dispatched " << HandledMessages().size());
        MSG msg;
        CHECK_MESSAGE(PeekMessageA(&msg, window, WM_APP, WM_APP, PM_REMOVE), row << ": the posted message is gone");
    }
}

TEST_CASE("each unit turns the interval into its time")
{
    OpenTestWindow();
    struct Case {
        std::optional<int32_t> interval, unit;
        double wantMs;
    };
    const Case cases[] = {
        {80, missing, 80}, {80, 0, 80}, {1, 1, 1000}, {40, 7, 280}, {2, 150, 300},
    };
    for (const Case& c : cases) {
        double start = Clock();
        PumpingDelay(c.interval, c.unit);
        double took = Clock() - start;
        // The timer never fires early; a noisy machine may make it late.
        CHECK_MESSAGE((took >= c.wantMs - 1 && took < c.wantMs + 2000),
                      "interval " << Describe(c.interval) << ", unit " << Describe(c.unit) << ": took "
                                  << took << " ms, wanted " << c.wantMs);
    }
}

TEST_CASE("messages that keep arriving are handled as they come, and the delay still lasts its time")
{
    HWND window = OpenTestWindow();
    const double delayMs = 600;
    const UINT_PTR tickId = 3;
    const int hotKeyId = 0x2F;
    REQUIRE(RegisterHotKey(window, hotKeyId, 0, VK_F7));
    SetTimer(window, tickId, 40, nullptr);
    InvalidateRect(window, nullptr, TRUE);

    // Another thread posts all along, sends once and presses the hot key.
    std::atomic<bool> delaying{true};
    std::atomic<bool> sentReturned{false};
    std::thread other([&] {
        Sleep(50);
        SendMessageA(window, WM_APP + 2, 0, 0);   // returns only once the window handled it
        sentReturned = delaying.load();
        TapKey(VK_F7);
        while (delaying) {
            PostMessageA(window, WM_APP + 1, 0, 0);
            Sleep(5);
        }
    });
    double start = Clock();
    PumpingDelay(static_cast<int32_t>(delayMs), missing);
    double end = Clock();
    delaying = false;
    other.join();
    KillTimer(window, tickId);
    UnregisterHotKey(window, hotKeyId);

    CHECK(end - start >= delayMs - 1);
    CHECK(end - start < delayMs + 2000);
    CHECK(sentReturned);
    int postedInDelay = 0, ticksInDelay = 0, paintsInDelay = 0, hotKeysInDelay = 0;
    double lastInDelay = start;
    for (const Handled& h : HandledMessages()) {
        if (h.atMs > end) continue;
        postedInDelay += h.message == WM_APP + 1;
        ticksInDelay += h.message == WM_TIMER && h.wParam == tickId;
        paintsInDelay += h.message == WM_PAINT;
        hotKeysInDelay += h.message == WM_HOTKEY && static_cast<int>(h.wParam) == hotKeyId;
        lastInDelay = std::max(lastInDelay, h.atMs);
    }
    INFO("in " << end - start << " ms: " << postedInDelay << " posted, " << ticksInDelay << " ticks");
    CHECK(postedInDelay >= 10);
    CHECK(ticksInDelay >= 3);
    CHECK(paintsInDelay >= 1);
    CHECK(hotKeysInDelay == 1);
    CHECK(CountHandled(WM_APP + 2) == 1);
    // Dispatched as they came: the last posts were handled late in the delay, not after it.
    CHECK(end - lastInDelay < delayMs / 2);
}

TEST_CASE("a delay started by a handler inside another runs to its end first")
{
    HWND window = OpenTestWindow();
    struct Case {
        int32_t outerMs, innerMs;
    };
    const Case cases[] = {{500, 150}, {150, 500}};
    for (const Case& c : cases) {
        CAPTURE(c.outerMs);
        CAPTURE(c.innerMs);
        double innerStart = 0, innerEnd = 0;
        int innerResult = 0;
        ReactToMessages([&](const Handled& h) {
            if (h.message != WM_TIMER) return;
            KillTimer(window, h.wParam);
            innerStart = Clock();
            innerResult = PumpingDelay(c.innerMs, missing);
            innerEnd = Clock();
        });
        SetTimer(window, 9, 20, nullptr);
        double start = Clock();
        int32_t outerResult = PumpingDelay(c.outerMs, missing);
        double end = Clock();
        ReactToMessages(nullptr);

        REQUIRE(innerEnd > 0);
        CHECK(outerResult == 1);
        CHECK(innerResult == 1);
        CHECK(innerEnd - innerStart >= c.innerMs - 1);
        CHECK(innerEnd <= end);
        CHECK(end - start >= c.outerMs - 1);
        // An outer timer that fired during the inner delay ends the outer one right after it.
        CHECK(end - std::max(start + c.outerMs, innerEnd) < 1000);
    }
}

TEST_CASE("a WM_QUIT posted before or during a delay stays queued for the message loop")
{
    HWND window = OpenTestWindow();
    struct Case {
        const char* when;
        bool beforeDelay;
    };
    const Case cases[] = {{"posted before", true}, {"posted during", false}};
    const double delayMs = 400;
    for (const Case& c : cases) {
        CAPTURE(c.when);
        if (c.beforeDelay) {
            PostQuitMessage(7);
        } else {
            ReactToMessages([&](const Handled& h) {
                if (h.message != WM_TIMER) return;
                KillTimer(window, h.wParam);
                PostQuitMessage(7);
            });
            SetTimer(window, 11, 50, nullptr);
        }
        double cpuStart = ThreadCpuMs();
        double start = Clock();
        int32_t result = PumpingDelay(static_cast<int32_t>(delayMs), missing);
        double took = Clock() - start;
        double cpu = ThreadCpuMs() - cpuStart;
        ReactToMessages(nullptr);

        CHECK(result == 1);
        CHECK(took >= delayMs - 1);
        CHECK(took < delayMs + 2000);
        // The pending WM_QUIT must not keep waking the wait.
        CHECK_MESSAGE(cpu < delayMs / 8, "the delay used " << cpu << " ms of processor time");
        MSG msg;
        bool quitQueued = PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE) && msg.message == WM_QUIT;
        CHECK(quitQueued);
        if (quitQueued) CHECK(msg.wParam == 7);
    }
}

TEST_CASE("a due time beyond 64 bits keeps the delay waiting")
{
    // The delay runs in a child process, which is ended once it has waited long enough.
    struct Case {
        const char* arguments;
        bool stillWaiting;
    };
    const Case cases[] = {
        {"0 0", false},                 // the child itself works
        {"2147483647 3", true},         // a span of about 245,000 years
        {"-2147483648 3", true},        // an absolute time about 245,000 years after 1601
        {"2147483647 -2147483648", true},
    };
    for (const Case& c : cases) {
        CAPTURE(c.arguments);
        std::string eventName = "PumpingDelayChildWaits" + std::to_string(GetTickCount());
        HANDLE started = CreateEventA(nullptr, TRUE, FALSE, eventName.c_str());
        std::string program = ProgramFolder() + "long_delay_child.exe";
        Child child = StartChild(std::string("\"").append(program).append("\" ") + eventName + " " + c.arguments);
        REQUIRE(child.started);
        CHECK(WaitForSingleObject(started, 30000) == WAIT_OBJECT_0);
        DWORD code = WaitChild(child, c.stillWaiting ? 1500 : 30000);
        CHECK((c.stillWaiting ? code == STILL_ACTIVE : code == 0));
        CloseHandle(started);
    }
}
