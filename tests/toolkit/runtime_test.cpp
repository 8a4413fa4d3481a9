// The toolkit's life cycle: the message loop and its end, the exit routine,
// pending events, the plain message box and the fatal error report.
#include <doctest/doctest.h>

#include <string>
#include <vector>

#include "desktop.h"
#include "test_window.h"
#include "toolkit/toolkit.h"

namespace {

// A second window without controls, so that two windows are open at once.
Control bareWindow;
const WindowDescription bareDescription = {&bareWindow, "bareWindow", "ToolkitBareWindow", "bare", WS_OVERLAPPEDWINDOW, 200,
                             120, nullptr, nullptr, 0, nullptr, 0};

struct LoopRun {
    int exitRoutineCalls;
    bool windowsGoneAtExitRoutine;
    int ticksWithOneWindowLeft;
    HWND first, second;
} run;

void CountingExitRoutine()
{
    ++run.exitRoutineCalls;
    run.windowsGoneAtExitRoutine = !IsWindow(run.first) && !IsWindow(run.second);
}

// Closes the first window as its close box would, later the second.
void CALLBACK CloseOneByOne(HWND, UINT, UINT_PTR timer, DWORD)
{
    if (IsWindow(run.first)) {
        PostMessageA(run.first, WM_SYSCOMMAND, SC_CLOSE, 0);
    } else if (IsWindow(run.second)) {
        ++run.ticksWithOneWindowLeft;
        PostMessageA(run.second, WM_SYSCOMMAND, SC_CLOSE, 0);
    } else {
        KillTimer(nullptr, timer);
    }
}

int StartTwoWindows()
{
    InitToolkit();
    SetExitRoutine(CountingExitRoutine);
    if (!LoadWindow(testDescription) || !LoadWindow(bareDescription)) return 99;
    run.first = testWindow.window;
    run.second = bareWindow.window;
    SetTimer(nullptr, 0, 100, CloseOneByOne);
    int loopCode = RunMessageLoop();
    return loopCode == 0 ? 0 : 100 + loopCode;
}

int StartReturning5() { return 5; }

} // namespace

TEST_CASE("the loop ends with 0 when the last window is gone; then the exit routine runs once")
{
    run = {};
    CHECK(ToolkitMain(StartTwoWindows) == 0);
    CHECK(run.ticksWithOneWindowLeft >= 1);
    CHECK(run.exitRoutineCalls == 1);
    CHECK(run.windowsGoneAtExitRoutine);
    // The slot is empty now: another end runs no routine.
    CHECK(ToolkitMain(StartReturning5) == 5);
    CHECK(run.exitRoutineCalls == 1);
}

namespace {

std::vector<UINT> recorded;

LRESULT CALLBACK RecordingProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message >= WM_APP) recorded.push_back(message);
    return DefWindowProcA(w, message, wParam, lParam);
}

HWND RecordingWindow()
{
    return CreateWindowA(RegisterTestClass("PendingEventsRecorder", RecordingProc), "", 0, 0, 0, 10, 10,
                         nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

} // namespace

TEST_CASE("pending events are dispatched without waiting; WM_QUIT stays queued")
{
    HWND window = RecordingWindow();
    REQUIRE(window);
    struct Case {
        const char* name;
        bool quitFirst;
        bool quit;
    };
    const Case cases[] = {
        {"messages only", false, false},
        {"messages, then WM_QUIT", false, true},
        {"WM_QUIT, then messages", true, true},
    };
    for (const Case& c : cases) {
        INFO(std::string(c.name));
        recorded.clear();
        if (c.quitFirst) PostQuitMessage(7);
        for (UINT m = WM_APP; m < WM_APP + 3; ++m) PostMessageA(window, m, 0, 0);
        PostThreadMessageA(GetCurrentThreadId(), WM_APP + 10, 0, 0);
        if (c.quit && !c.quitFirst) PostQuitMessage(7);
        DWORD start = GetTickCount();
        ProcessPendingEvents();
        CHECK(GetTickCount() - start < 2000);
        CHECK(recorded == std::vector<UINT>{WM_APP, WM_APP + 1, WM_APP + 2});
        MSG msg;
        // WM_QUIT passes any filter; nothing else may be left.
        bool left = PeekMessageA(&msg, nullptr, WM_APP, WM_APP + 10, PM_NOREMOVE) && msg.message != WM_QUIT;
        CHECK_MESSAGE(!left, "left in the queue: WM_APP + " << msg.message - WM_APP);
        int exitCode = 0;
        CHECK(TakeQuitMessage(&exitCode) == c.quit);
        if (c.quit) CHECK(exitCode == 7);
    }
    DestroyWindow(window);
}

namespace {

struct BoxView {
    bool seen;
    SeenBox box;
    bool ownWindowEnabled;
    bool topmost;
};
BoxView boxView;

// Runs inside the message box's modal loop: looks at the box, then answers it.
void CALLBACK LookAtBox(HWND, UINT, UINT_PTR timer, DWORD)
{
    std::vector<HWND> boxes = FindBoxes(GetCurrentProcessId());
    if (boxes.empty()) return;
    KillTimer(nullptr, timer);
    boxView.seen = true;
    boxView.box = ReadBox(boxes[0]);
    boxView.ownWindowEnabled = IsWindowEnabled(testWindow.window) != 0;
    boxView.topmost = (GetWindowLongA(boxes[0], GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    AnswerBox(boxes[0], IDOK);
}

} // namespace

TEST_CASE("ShowMessage: no owner, its default caption, task-modal unless system-modal")
{
    OpenTestWindow open;
    struct Case {
        const char* name;
        UINT style;
        const char* caption;   // null: none given
        const char* wantCaption;
        bool wantWindowsDisabled;
        bool wantTopmost;
        bool wantIcon;
    };
    const Case cases[] = {
        {"as the controller calls it", 0, nullptr, "信息：", true, false, false},
        {"with a caption and an icon", MB_ICONWARNING, "注意", "注意", true, false, true},
        {"an empty caption is a caption", 0, "", "", true, false, false},
        {"system-modal", MB_SYSTEMMODAL, nullptr, "信息：", false, true, false},
    };
    for (const Case& c : cases) {
        INFO(std::string(c.name));
        boxView = {};
        SetTimer(nullptr, 0, 20, LookAtBox);
        int result = c.caption ? ShowMessage("时间不可以小于或等于0", c.style, Text(c.caption))
                               : ShowMessage("时间不可以小于或等于0", c.style);
        REQUIRE(boxView.seen);
        CHECK(result == IDOK);
        CHECK(boxView.box.owner == nullptr);
        CHECK(boxView.box.caption == c.wantCaption);
        CHECK(boxView.box.text == "时间不可以小于或等于0");
        CHECK(boxView.box.buttons == std::vector<int>{IDOK});
        CHECK(boxView.box.hasIcon == c.wantIcon);
        CHECK(boxView.ownWindowEnabled == !c.wantWindowsDisabled);
        CHECK(boxView.topmost == c.wantTopmost);
        CHECK(IsWindowEnabled(testWindow.window));
    }
}

TEST_CASE("the fatal error report shows its box and ends the process with -1, without the exit routine")
{
    struct Case {
        const char* mode;
        const char* wantText;
        bool boxMayBeGone;   // the process may end before its box can be seen or shown
    };
    const Case cases[] = {
        {"report", "测试：程序无法继续。", false},
        {"list", "列表位置超出范围：3", false},
        {"window", "列表位置超出范围：0", false},
        {"again", "测试：又一次。", true},
        {"huge", "内存不足，程序无法继续运行。", false},
        // With no memory left at all, Wine itself may not manage a box; the end must still come.
        {"memory", "内存不足，程序无法继续运行。", true},
    };
    for (const Case& c : cases) {
        INFO("mode " << std::string(c.mode));
        std::string commandLine = ProgramFolder();
        commandLine += "fatal_error_child.exe ";   // the test folder's path has no blanks
        commandLine += c.mode;
        Child child = StartChild(commandLine);
        REQUIRE(child.started);
        StartBoxWatcher(child.info.dwProcessId, IDOK);
        DWORD code = WaitChild(child, 60000);
        std::vector<SeenBox> boxes = StopBoxWatcher();
        CHECK(code == static_cast<DWORD>(-1));
        if (c.boxMayBeGone) {
            CHECK(boxes.size() <= 1);
            if (boxes.size() == 1 && !boxes[0].text.empty()) CHECK(boxes[0].text == c.wantText);
            continue;
        }
        REQUIRE(boxes.size() == 1);
        CHECK(boxes[0].caption == "致命错误");
        CHECK(boxes[0].text == c.wantText);
        CHECK(boxes[0].hasIcon);
    }
}
