// F8 and F9 as a user presses them: the real clicker.exe runs in its own
// process while a window of this driver has the keyboard focus, and the keys
// go through the system's input stream.
#include <doctest/doctest.h>

#include "clicker_driver.h"

namespace {

// A window of the driver's own: it takes the focus while keys are pressed, and
// counts the clicks that reach it when the pointer rests on it.
int targetClicks = 0;
int driverHotKeys = 0;

LRESULT CALLBACK TargetProc(HWND w, UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: ++targetClicks; return 0;
    case WM_HOTKEY: ++driverHotKeys; return 0;
    }
    return DefWindowProcA(w, msg, wp, lp);
}

HWND MakeTarget()
{
    HWND target = CreateWindowExA(0, RegisterTestClass("DriverTarget", TargetProc), "driver",
                                  WS_POPUP | WS_BORDER | WS_VISIBLE, 20, 20, 300, 200, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    SetForegroundWindow(target);
    SetFocus(target);
    PumpFor(100);
    return target;
}

// The clicker running beside a focused window of the driver.
struct Session {
    HWND target = MakeTarget();
    Clicker clicker = StartClicker();
    Session()
    {
        targetClicks = 0;
        driverHotKeys = 0;
        FocusTarget();
    }
    ~Session()
    {
        for (HWND box : FindBoxes(clicker.processId)) AnswerBox(box, IDOK);
        CloseClicker(clicker);
        DestroyWindow(target);
    }
    void FocusTarget()
    {
        SetForegroundWindow(target);
        SetFocus(target);
        PumpFor(100);
    }
    void Press(BYTE vk)
    {
        FocusTarget();
        TapKey(vk);
    }
    // Clicks a second on the driver's window, the pointer resting there.
    double RateOnTarget(DWORD ms = 2000)
    {
        POINT p = CenterOf(target);
        MovePointerTo(p.x, p.y);
        PumpFor(300);
        int start = targetClicks;
        DWORD began = GetTickCount();
        PumpFor(ms);
        return (targetClicks - start) * 1000.0 / (GetTickCount() - began);
    }
};

} // namespace

TEST_CASE("F8 starts with the current settings and F9 stops, from another program")
{
    Session s;
    REQUIRE(s.clicker.window);
    SetTextOf(ControlOf(s.clicker, IntervalBox), "50");
    s.Press(VK_F8);
    REQUIRE(WaitUntil([&] { return Clicking(s.clicker); }));
    CHECK(FindBoxes(s.clicker.processId).empty());

    ParkPointerOn(s.clicker, TestButton);
    CHECK(WaitUntil([&] { return TestCount(s.clicker) >= 5; }, 15000));

    s.Press(VK_F9);
    REQUIRE(WaitUntil([&] { return !Clicking(s.clicker); }));
    PumpFor(300);
    int stopped = TestCount(s.clicker);
    PumpFor(800);
    CHECK(TestCount(s.clicker) == stopped);
    CHECK(driverHotKeys == 0);   // the keys went to the clicker, not to the focused window
}

TEST_CASE("F8 while clicking: a new interval changes the rate, the same one leaves the timer alone")
{
    Session s;
    REQUIRE(s.clicker.window);
    SetTextOf(ControlOf(s.clicker, IntervalBox), "1000");
    s.Press(VK_F8);
    REQUIRE(WaitUntil([&] { return Clicking(s.clicker); }));

    // Same interval, F8 every 300 ms: a restarted timer would never reach its
    // second; one left alone keeps ticking once a second.
    POINT p = CenterOf(s.target);
    MovePointerTo(p.x, p.y);
    PumpFor(200);
    int start = targetClicks;
    for (int i = 0; i < 12; ++i) {
        TapKey(VK_F8);
        PumpFor(300);
    }
    int ticks = targetClicks - start;
    MESSAGE("ticks in 3.6 s with F8 every 300 ms at 1000 ms: ", ticks);
    CHECK(ticks >= 2);
    CHECK(ticks <= 5);
    CHECK(FindBoxes(s.clicker.processId).empty());

    // A new interval takes effect at once.
    SetTextOf(ControlOf(s.clicker, IntervalBox), "100");
    s.Press(VK_F8);
    double rate = s.RateOnTarget();
    MESSAGE("after F8 with 100 ms: ", rate, " clicks a second");
    CHECK(rate >= 5.0);
    CHECK(rate <= 12.0);
    CHECK(Clicking(s.clicker));
}

TEST_CASE("F8 with an invalid setting shows its message; clicking goes on and F9 still stops")
{
    Session s;
    REQUIRE(s.clicker.window);
    SetTextOf(ControlOf(s.clicker, IntervalBox), "100");
    s.Press(VK_F8);
    REQUIRE(WaitUntil([&] { return Clicking(s.clicker); }));

    SetTextOf(ControlOf(s.clicker, IntervalBox), "");
    s.Press(VK_F8);
    REQUIRE(WaitForBoxes(s.clicker, 1));
    std::vector<SeenBox> boxes = ClickerBoxes(s.clicker);
    REQUIRE(boxes.size() == 1);
    CHECK(boxes[0].text == "时间不可以小于或等于0");
    CHECK(boxes[0].caption == "信息：");

    double rate = s.RateOnTarget();
    MESSAGE("clicks a second with the message open: ", rate);
    CHECK(rate >= 5.0);   // still at the old 100 ms

    s.Press(VK_F9);
    CHECK(WaitUntil([&] { return !Clicking(s.clicker); }));
    CHECK(s.RateOnTarget(1000) < 1.5);   // at most a click already under way
    CHECK(FindBoxes(s.clicker.processId).size() == 1);   // the message is still up
}

TEST_CASE("holding F8 runs Start once for each key-down")
{
    Session s;
    REQUIRE(s.clicker.window);
    SetTextOf(ControlOf(s.clicker, CountBox), "0");   // every Start then says so
    s.FocusTarget();
    const int repeats = 3;
    for (int i = 0; i < repeats; ++i) {
        KeyDown(VK_F8);
        PumpFor(150);
    }
    KeyUp(VK_F8);
    CHECK(WaitForBoxes(s.clicker, repeats));
    PumpFor(500);
    std::vector<SeenBox> boxes = ClickerBoxes(s.clicker);
    CHECK(boxes.size() == repeats);
    for (const SeenBox& box : boxes) CHECK(box.text == "点击次数不可以小于或等于0");
    CHECK_FALSE(Clicking(s.clicker));
}

TEST_CASE("F9 while idle resets the counter")
{
    Session s;
    REQUIRE(s.clicker.window);
    HWND shown = ControlOf(s.clicker, TestCountBox);
    ClickControl(s.clicker, TestButton);
    REQUIRE(WaitUntil([&] { return TextOf(shown) == "1"; }));
    ClickControl(s.clicker, TestButton);
    REQUIRE(WaitUntil([&] { return TextOf(shown) == "2"; }));
    s.Press(VK_F9);
    PumpFor(300);
    CHECK(TextOf(shown) == "2");   // the display keeps its number
    ClickControl(s.clicker, TestButton);
    CHECK(WaitUntil([&] { return TextOf(shown) == "1"; }));
}

TEST_CASE("F8 held by another program: no message, F8 stays with it, the rest works")
{
    HWND target = MakeTarget();
    REQUIRE(RegisterHotKey(target, 1, 0, VK_F8));
    driverHotKeys = 0;
    Clicker clicker = StartClicker();
    REQUIRE(clicker.window);
    PumpFor(500);
    CHECK(FindBoxes(clicker.processId).empty());

    SetForegroundWindow(target);
    TapKey(VK_F8);
    CHECK(WaitUntil([&] { return driverHotKeys == 1; }));
    PumpFor(300);
    CHECK(IsWindowEnabled(ControlOf(clicker, StartButton)));

    ClickControl(clicker, StartButton);
    CHECK(WaitUntil([&] { return !IsWindowEnabled(ControlOf(clicker, StartButton)); }));
    SetForegroundWindow(target);
    TapKey(VK_F9);
    CHECK(WaitUntil([&] { return IsWindowEnabled(ControlOf(clicker, StartButton)) != 0; }));

    UnregisterHotKey(target, 1);
    CHECK(CloseClicker(clicker) == 0);
    DestroyWindow(target);
}

TEST_CASE("a WM_HOTKEY from another process with a foreign identifier changes nothing")
{
    Session s;
    REQUIRE(s.clicker.window);
    static const char lookalike[] = "开始";
    const WPARAM identifiers[] = {0, 1, 0xDEADBEEF, 0x77, reinterpret_cast<WPARAM>(lookalike)};
    for (WPARAM id : identifiers) {
        CAPTURE(id);
        PostMessageA(s.clicker.window, WM_HOTKEY, id, MAKELPARAM(0, VK_F8));
        PumpFor(200);
        DWORD code = 0;
        GetExitCodeProcess(s.clicker.child.info.hProcess, &code);
        REQUIRE(code == STILL_ACTIVE);
        CHECK_FALSE(Clicking(s.clicker));
        CHECK(FindBoxes(s.clicker.processId).empty());
    }

    // And it still works.
    s.Press(VK_F8);
    CHECK(WaitUntil([&] { return Clicking(s.clicker); }));
    s.Press(VK_F9);
    CHECK(WaitUntil([&] { return !Clicking(s.clicker); }));
}

TEST_CASE("closing ends with 0, also after clicking, and gives F8 and F9 back")
{
    HWND target = MakeTarget();
    Clicker clicker = StartClicker();
    REQUIRE(clicker.window);
    SetForegroundWindow(target);
    TapKey(VK_F8);
    REQUIRE(WaitUntil([&] { return !IsWindowEnabled(ControlOf(clicker, StartButton)); }));
    ParkPointerOn(clicker, TestButton);
    CHECK(WaitUntil([&] { return TestCount(clicker) >= 3; }, 15000));

    MovePointerTo(CenterOf(target).x, CenterOf(target).y);
    CHECK(CloseClicker(clicker) == 0);

    CHECK(RegisterHotKey(target, 8, 0, VK_F8));
    CHECK(RegisterHotKey(target, 9, 0, VK_F9));
    driverHotKeys = 0;
    SetForegroundWindow(target);
    TapKey(VK_F8);
    TapKey(VK_F9);
    CHECK(WaitUntil([&] { return driverHotKeys == 2; }));
    UnregisterHotKey(target, 8);
    UnregisterHotKey(target, 9);
    DestroyWindow(target);
}
