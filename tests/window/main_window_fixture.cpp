#include "main_window_fixture.h"

#include <doctest/doctest.h>

#include "app/program_start.h"
#include "desktop.h"
#include "toolkit/toolkit.h"

HandlerCounts handled;

namespace {

void Created() { ++handled.created; }
void Start()
{
    ++handled.start;
    handled.intervalAtStart = ReadText(编辑框1);
}
void Stop() { ++handled.stop; }
void Test() { ++handled.test; }
void Tick() { ++handled.ticks; }

const EventBinding countingEvents[] = {
    {"MainWindow", Event::Created, Created}, {"按钮1", Event::Clicked, Start}, {"按钮2", Event::Clicked, Stop},
    {"按钮3", Event::Clicked, Test},         {"时钟1", Event::Periodic, Tick},
};

} // namespace

OpenMainWindow::OpenMainWindow()
{
    handled = {};
    InitToolkit();
    InitRegistries();
    WindowDescription description = MainWindowDescription;
    description.events = countingEvents;
    description.eventCount = sizeof countingEvents / sizeof countingEvents[0];
    REQUIRE(LoadWindow(description));
    REQUIRE(WaitUntil([] { return GetForegroundWindow() == MainWindow.window && GetFocus() == 编辑框1.window; }));
}

OpenMainWindow::~OpenMainWindow()
{
    if (NativeHandle(MainWindow)) DestroyWindow(MainWindow.window);
    MSG quit;
    WaitUntil([&] { return PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != 0; }, 5000);
    ReleaseRegistries();
}

std::string NameOf(HWND control)
{
    struct Named {
        const Control* control;
        const char* name;
    };
    const Named names[] = {
        {&MainWindow, "MainWindow"}, {&标签1, "标签1"}, {&编辑框1, "编辑框1"}, {&编辑框2, "编辑框2"},
        {&标签2, "标签2"},           {&按钮1, "按钮1"}, {&按钮2, "按钮2"},     {&时钟1, "时钟1"},
        {&按钮3, "按钮3"},           {&标签3, "标签3"}, {&编辑框3, "编辑框3"}, {&标签4, "标签4"},
        {&标签5, "标签5"},           {&标签6, "标签6"},
    };
    for (const Named& n : names)
        if (n.control->window == control) return n.name;
    return control ? "another window" : "no window";
}
