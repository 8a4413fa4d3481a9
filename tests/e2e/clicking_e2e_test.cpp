// The clicker as a user meets it: the real clicker.exe in its own process,
// the real mouse on its buttons, the count at the test button read from outside.
#include <doctest/doctest.h>

#include "clicker_driver.h"

namespace {

// Clicks per second that reach the test button while the pointer rests on it,
// measured over about three seconds once counting is under way.
double MeasureRate(const Clicker& clicker)
{
    ParkPointerOn(clicker, TestButton);
    int first = TestCount(clicker);
    if (!WaitUntil([&] { return TestCount(clicker) >= first + 2; }, 15000)) return 0;
    int startCount = TestCount(clicker);
    DWORD start = GetTickCount();
    PumpFor(3000);
    int endCount = TestCount(clicker);
    DWORD elapsed = GetTickCount() - start;
    return (endCount - startCount) * 1000.0 / elapsed;
}

struct RunningClicker {
    Clicker clicker = StartClicker();
    ~RunningClicker() { CloseClicker(clicker); }
};

} // namespace

TEST_CASE("Start clicks at the set rate, Stop ends it and keeps the count")
{
    RunningClicker run;
    const Clicker& clicker = run.clicker;
    REQUIRE(clicker.window);

    ClickControl(clicker, StartButton);
    REQUIRE(WaitUntil([&] { return Clicking(clicker); }));
    double rate = MeasureRate(clicker);
    MESSAGE("100 ms, 1 click: ", rate, " clicks a second");
    CHECK(rate >= 6.0);
    CHECK(rate <= 12.0);

    ClickControl(clicker, StopButton);
    REQUIRE(WaitUntil([&] { return !Clicking(clicker); }));
    PumpFor(300);   // a click already under way may still land
    int stopped = TestCount(clicker);
    CHECK(stopped > 0);
    PumpFor(1000);
    CHECK(TestCount(clicker) == stopped);
    CHECK(TextOf(ControlOf(clicker, TestCountBox)) == std::to_string(stopped));

    // Stop reset the counter: the next test click counts from 1.
    ClickControl(clicker, TestButton);
    CHECK(WaitUntil([&] { return TextOf(ControlOf(clicker, TestCountBox)) == "1"; }));

    SetTextOf(ControlOf(clicker, IntervalBox), "200");
    SetTextOf(ControlOf(clicker, CountBox), "3");
    ClickControl(clicker, StartButton);
    REQUIRE(WaitUntil([&] { return Clicking(clicker); }));
    rate = MeasureRate(clicker);
    MESSAGE("200 ms, 3 clicks: ", rate, " clicks a second");
    CHECK(rate >= 9.0);
    CHECK(rate <= 18.0);

    ClickControl(clicker, StopButton);
    CHECK(WaitUntil([&] { return !Clicking(clicker); }));
}

TEST_CASE("an invalid setting brings up its message and changes nothing")
{
    struct Case { const char* interval; const char* count; const char* message; };
    const Case cases[] = {
        {"0", "1", "时间不可以小于或等于0"},
        {"-5", "1", "时间不可以小于或等于0"},
        {"abc", "1", "时间不可以小于或等于0"},
        {"", "1", "时间不可以小于或等于0"},
        {"0", "0", "时间不可以小于或等于0"},   // only the first check speaks
        {"50", "0", "点击次数不可以小于或等于0"},
        {"50", "-2", "点击次数不可以小于或等于0"},
        {"50", "", "点击次数不可以小于或等于0"},
    };
    RunningClicker run;
    const Clicker& clicker = run.clicker;
    REQUIRE(clicker.window);

    for (const Case& c : cases) {
        CAPTURE(c.interval);
        CAPTURE(c.count);
        SetTextOf(ControlOf(clicker, IntervalBox), c.interval);
        SetTextOf(ControlOf(clicker, CountBox), c.count);
        ClickControl(clicker, StartButton);
        REQUIRE(WaitForBoxes(clicker, 1));
        PumpFor(200);   // a second box would show by now
        std::vector<SeenBox> boxes = ClickerBoxes(clicker);
        REQUIRE(boxes.size() == 1);
        CHECK(boxes[0].caption == "信息：");
        CHECK(boxes[0].text == c.message);
        CHECK(boxes[0].owner == nullptr);
        CHECK_FALSE(boxes[0].hasIcon);
        CHECK(boxes[0].buttons == std::vector<int>{IDOK});
        // Task-modal: the main window takes no input while the box is up.
        CHECK_FALSE(IsWindowEnabled(clicker.window));
        AnswerBox(boxes[0].box, IDOK);
        REQUIRE(WaitForBoxes(clicker, 0));
        CHECK(WaitUntil([&] { return IsWindowEnabled(clicker.window) != 0; }));
        CHECK_FALSE(Clicking(clicker));

        // Nothing ticks: the pointer on the test button gathers no clicks.
        int before = TestCount(clicker);
        ParkPointerOn(clicker, TestButton);
        PumpFor(700);
        CHECK(TestCount(clicker) == before);
    }
}
