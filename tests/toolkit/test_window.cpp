#include "test_window.h"

#include <doctest/doctest.h>

#include "desktop.h"
#include "toolkit/toolkit.h"

Control testWindow, label, integerBox, plainBox, buttonA, ticker, buttonB;
EventCounts counts;
CreatedView createdView;

namespace {

const LabelFont boldFont = {"宋体", -12, FW_BOLD};

void OnCreated()
{
    ++counts.created;
    createdView.windowVisible = IsWindowVisible(testWindow.window) != 0;
    for (int r = 0; r < testRowCount; ++r) {
        HWND control = testRows[r].control->window;
        if (control && IsWindow(control)) ++createdView.controlsThatExist;
        if (control && (GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE)) ++createdView.controlsWithVisibleStyle;
    }
    createdView.timerVisible = (GetWindowLongA(ticker.window, GWL_STYLE) & WS_VISIBLE) != 0;
}

void OnClickedA() { ++counts.clickedA; }
void OnClickedB() { ++counts.clickedB; }
void OnTick() { ++counts.ticks; }

const EventBinding testEvents[] = {
    {"testWindow", Event::Created, OnCreated},
    {"buttonA", Event::Clicked, OnClickedA},
    {"buttonB", Event::Clicked, OnClickedB},
    {"ticker", Event::Periodic, OnTick},
};

} // namespace

const ControlDescription testRows[] = {
    {&label, "label", ControlKind::Label, 10, 10, 260, 30, 100, "每              次", &boldFont, 0},
    {&integerBox, "integerBox", ControlKind::EditBox, 40, 14, 70, 22, 110, "42", nullptr, IntegerOnly},
    {&plainBox, "plainBox", ControlKind::EditBox, 150, 14, 70, 22, 120, "", nullptr, 0},
    {&buttonA, "buttonA", ControlKind::Button, 10, 60, 100, 30, 130, "A", nullptr, 0},
    {&ticker, "ticker", ControlKind::Timer, 0, 0, 10, 10, 140, "", nullptr, 0},
    {&buttonB, "buttonB", ControlKind::Button, 130, 60, 100, 30, 150, "B", nullptr, 0},
};
const int testRowCount = sizeof testRows / sizeof testRows[0];

const WindowDescription testDescription = {&testWindow, "testWindow", "ToolkitTestWindow", "toolkit test",
                             WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, 300, 160, nullptr,
                             testRows, testRowCount, testEvents, sizeof testEvents / sizeof testEvents[0]};

bool TakeQuitMessage(int* exitCode)
{
    MSG msg;
    if (!PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) return false;
    if (exitCode) *exitCode = static_cast<int>(msg.wParam);
    return true;
}

OpenTestWindow::OpenTestWindow()
{
    counts = {};
    createdView = {};
    InitToolkit();
    REQUIRE(LoadWindow(testDescription));
    REQUIRE(WaitUntil([] { return GetForegroundWindow() == testWindow.window && GetFocus() == integerBox.window; }));
}

OpenTestWindow::~OpenTestWindow()
{
    if (NativeHandle(testWindow)) DestroyWindow(testWindow.window);
    WaitUntil([] { return TakeQuitMessage(); }, 5000);
}
