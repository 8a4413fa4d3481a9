// The controller behind the real main window, in this process: what Start,
// Stop, the test button and a tick read and write, the messages they show
// (answered by a watcher), and the clicks a tick puts into the input stream.
#include <doctest/doctest.h>

#include <atomic>
#include <thread>

#include "app/clicker_controller.h"
#include "app/main_window.h"
#include "app/program_start.h"
#include "desktop.h"
#include "toolkit/toolkit.h"

namespace {

// Counts the injected left presses and releases that pass through the input stream.
std::atomic<int> leftDowns{0}, leftUps{0};

LRESULT CALLBACK RecordMouse(int code, WPARAM wp, LPARAM lp)
{
    if (code == HC_ACTION) {
        if (wp == WM_LBUTTONDOWN) ++leftDowns;
        if (wp == WM_LBUTTONUP) ++leftUps;
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

// How often each edit box's text was read: every read asks the box for its
// length first (WM_GETTEXTLENGTH), an empty box then for nothing more.
int reads1 = 0, reads2 = 0;
WNDPROC editProc1 = nullptr, editProc2 = nullptr;

LRESULT CALLBACK CountReads1(HWND w, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_GETTEXTLENGTH) ++reads1;
    return CallWindowProcA(editProc1, w, msg, wp, lp);
}

LRESULT CALLBACK CountReads2(HWND w, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_GETTEXTLENGTH) ++reads2;
    return CallWindowProcA(editProc2, w, msg, wp, lp);
}

// The real main window with its real handlers, the pointer on 标签4 where a
// click does nothing, and every message box answered with OK.
struct Controller {
    HHOOK hook = nullptr;
    Controller()
    {
        InitToolkit();
        InitRegistries();
        REQUIRE(LoadWindow(MainWindowDescription));
        POINT p = CenterOf(标签4.window);
        MovePointerTo(p.x, p.y);
        editProc1 = reinterpret_cast<WNDPROC>(
            SetWindowLongA(编辑框1.window, GWL_WNDPROC, reinterpret_cast<LONG>(CountReads1)));
        editProc2 = reinterpret_cast<WNDPROC>(
            SetWindowLongA(编辑框2.window, GWL_WNDPROC, reinterpret_cast<LONG>(CountReads2)));
        hook = SetWindowsHookExA(WH_MOUSE_LL, RecordMouse, GetModuleHandleA(nullptr), 0);
        StartBoxWatcher(GetCurrentProcessId(), IDOK);
        PumpFor(100);
    }
    ~Controller()
    {
        StopBoxWatcher();
        UnhookWindowsHookEx(hook);
        DestroyWindow(MainWindow.window);
        MSG quit;
        WaitUntil([&] { return PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != 0; }, 5000);
        ReleaseRegistries();
    }
    // The focus goes to 按钮2 first, so that a message box taking the focus
    // does not make an integer box rewrite its text meanwhile.
    void Settings(const char* interval, const char* count)
    {
        SetFocus(按钮2.window);
        WriteText(编辑框1, interval);
        WriteText(编辑框2, count);
        reads1 = reads2 = 0;
    }
};

// Waits until the injected events have come through the hook.
void SettleInput() { PumpFor(150); }

} // namespace

TEST_CASE("Start checks both settings in order and arms the timer only when both pass")
{
    struct Case {
        const char* what;
        int32_t runningAt;   // period before Start; 0 = idle
        const char* interval;
        const char* count;
        const char* message;   // nullptr: none
        int32_t period;        // period after Start
        int reads1, reads2;    // reads of 编辑框1 and 编辑框2
    };
    const Case cases[] = {
        {"the opening settings", 0, "100", "1", nullptr, 100, 2, 1},
        {"interval 0", 0, "0", "1", "时间不可以小于或等于0", 0, 1, 0},
        {"interval -5", 0, "-5", "1", "时间不可以小于或等于0", 0, 1, 0},
        {"interval abc", 0, "abc", "1", "时间不可以小于或等于0", 0, 1, 0},
        {"interval empty", 0, "", "1", "时间不可以小于或等于0", 0, 1, 0},
        {"both invalid: only the first message", 0, "0", "0", "时间不可以小于或等于0", 0, 1, 0},
        {"count 0", 0, "50", "0", "点击次数不可以小于或等于0", 0, 1, 1},
        {"count empty", 0, "50", "", "点击次数不可以小于或等于0", 0, 1, 1},
        {"interval 1 is taken", 0, "1", "1", nullptr, 1, 2, 1},
        {"full-width digits", 0, "\xA3\xB2\xA3\xB0", "1", nullptr, 20, 2, 1},
        {"largest interval", 0, "2147483647", "2147483647", nullptr, 2147483647, 2, 1},
        {"while running: emptied interval keeps the old period", 100, "", "1", "时间不可以小于或等于0", 100, 1, 0},
        {"while running: count 0 keeps the old period", 100, "200", "0", "点击次数不可以小于或等于0", 100, 1, 1},
        {"while running: a new interval", 100, "200", "3", nullptr, 200, 2, 1},
        {"while running: the same interval", 100, "100", "1", nullptr, 100, 2, 1},
    };
    for (const Case& c : cases) {
        CAPTURE(std::string(c.what));
        Controller window;
        if (c.runningAt) {
            window.Settings(std::to_string(c.runningAt).c_str(), "1");
            OnStartClicked();
            REQUIRE(TimerPeriod(时钟1) == c.runningAt);
            MovePointerTo(-1000, -1000);   // ticks must not click on anything while we look
        }
        size_t boxesBefore = SeenBoxes().size();
        window.Settings(c.interval, c.count);
        OnStartClicked();

        std::vector<SeenBox> boxes = SeenBoxes();
        boxes.erase(boxes.begin(), boxes.begin() + boxesBefore);
        if (c.message) {
            REQUIRE(boxes.size() == 1);
            CHECK(boxes[0].text == c.message);
            CHECK(boxes[0].caption == "信息：");
            CHECK(boxes[0].owner == nullptr);
            CHECK_FALSE(boxes[0].hasIcon);
            CHECK(boxes[0].buttons == std::vector<int>{IDOK});
        } else {
            CHECK(boxes.empty());
        }
        CHECK(TimerPeriod(时钟1) == c.period);
        CHECK(IsDisabled(按钮1) == (c.period != 0));
        CHECK(IsWindowEnabled(按钮1.window) == (c.period == 0));
        CHECK(reads1 == c.reads1);
        CHECK(reads2 == c.reads2);
        CHECK(ReadText(编辑框1) == c.interval);   // nothing normalised or rewritten
        OnStopClicked();
    }
}

TEST_CASE("Stop disarms, enables Start and resets the counter; the display keeps its number")
{
    Controller window;
    OnTestClicked();
    OnTestClicked();
    OnTestClicked();
    CHECK(ReadText(编辑框3) == "3");
    CHECK(TestClickCount == 3);

    window.Settings("100", "1");
    OnStartClicked();
    REQUIRE(TimerPeriod(时钟1) == 100);
    OnStopClicked();
    CHECK(TimerPeriod(时钟1) == 0);
    CHECK_FALSE(IsDisabled(按钮1));
    CHECK(TestClickCount == 0);
    CHECK(ReadText(编辑框3) == "3");
    OnTestClicked();
    CHECK(ReadText(编辑框3) == "1");

    // Stop while idle changes nothing else.
    OnStopClicked();
    OnStopClicked();
    CHECK(TimerPeriod(时钟1) == 0);
    CHECK_FALSE(IsDisabled(按钮1));
    CHECK(SeenBoxes().empty());
}

TEST_CASE("a tick clicks exactly as often as 编辑框2 says at that moment")
{
    struct Case { const char* count; int clicks; };
    const Case cases[] = {
        {"1", 1}, {"3", 3}, {"25", 25}, {"0", 0}, {"-2", 0}, {"", 0}, {"abc", 0}, {"\xA3\xB4", 4},
    };
    Controller window;
    for (const Case& c : cases) {
        CAPTURE(std::string(c.count));
        WriteText(编辑框2, c.count);
        leftDowns = leftUps = 0;
        OnClickTimer();
        SettleInput();
        CHECK(leftDowns == c.clicks);
        CHECK(leftUps == c.clicks);
    }
    CHECK(SeenBoxes().empty());   // a count of 0 or less is silent
}

TEST_CASE("ticks click at the pointer while running and read the count afresh")
{
    Controller window;
    window.Settings("50", "2");
    leftDowns = leftUps = 0;
    OnStartClicked();
    REQUIRE(WaitUntil([] { return leftDowns >= 6; }));
    CHECK(leftDowns % 2 == 0);   // whole ticks of two

    WriteText(编辑框2, "0");   // ticks go on, clicking nothing
    PumpFor(200);
    int settled = leftDowns;
    PumpFor(400);
    CHECK(leftDowns == settled);
    CHECK(TimerPeriod(时钟1) == 50);
    CHECK(IsDisabled(按钮1));

    WriteText(编辑框2, "1");
    CHECK(WaitUntil([&] { return leftDowns >= settled + 3; }));
    OnStopClicked();
    SettleInput();
    int stopped = leftDowns;
    PumpFor(400);
    CHECK(leftDowns == stopped);
}

TEST_CASE("while a message is open, ticks go on clicking and the window takes no input")
{
    Controller window;
    window.Settings("50", "1");
    OnStartClicked();
    REQUIRE(TimerPeriod(时钟1) == 50);

    SetBoxAnswer(0);   // leave the box open; the thread below looks and then answers
    std::atomic<int> clicksWhileOpen{-1};
    std::atomic<bool> windowEnabledWhileOpen{true};
    std::thread observer([&] {
        HWND box = nullptr;
        for (int i = 0; i < 500 && !box; ++i) {
            std::vector<HWND> boxes = FindBoxes(GetCurrentProcessId());
            if (!boxes.empty()) box = boxes[0];
            Sleep(20);
        }
        if (!box) return;
        int before = leftDowns;
        Sleep(1000);
        clicksWhileOpen = leftDowns - before;
        windowEnabledWhileOpen = IsWindowEnabled(MainWindow.window) != 0;
        AnswerBox(box, IDOK);
    });
    WriteText(编辑框1, "");
    OnStartClicked();   // returns when the box is answered
    observer.join();

    MESSAGE("clicks in the second the message was open: ", clicksWhileOpen.load());
    CHECK(clicksWhileOpen >= 5);
    CHECK_FALSE(windowEnabledWhileOpen);
    CHECK(IsWindowEnabled(MainWindow.window));
    CHECK(TimerPeriod(时钟1) == 50);   // the failed Start changed nothing
    CHECK(IsDisabled(按钮1));
    OnStopClicked();
}
