// The program's start and end, run in this process as clicker.exe runs them:
// the order of the build, the lists at the created event, the end with 0 and
// the release of the lists, once, after the window is gone.
#include <doctest/doctest.h>

#include "app/clicker_controller.h"
#include "app/hotkey_wiring.h"
#include "app/main_window.h"
#include "app/program_start.h"
#include "desktop.h"
#include "toolkit/toolkit.h"
#include "util/hotkey_registry.h"
#include "util/window_census.h"

namespace {

// What could be seen when the created event began.
struct AtCreated {
    int runs;
    bool windowExists;
    bool windowVisible;
    int controlsThatExist;
    bool bindingsEmpty;
    bool censusEmpty;
} atCreated;

// After ProgramStart has returned, before the end processing.
struct AfterLoop {
    int result;
    bool windowGone;
    bool listsStillThere;
} afterLoop;

const Control* const allControls[] = {&标签1, &编辑框1, &编辑框2, &标签2, &按钮1, &按钮2, &时钟1,
                                      &按钮3, &标签3, &编辑框3, &标签4, &标签5, &标签6};

void RecordThenCreated()
{
    ++atCreated.runs;
    atCreated.windowExists = NativeHandle(MainWindow) != nullptr;
    atCreated.windowVisible = IsWindowVisible(MainWindow.window) != 0;
    for (const Control* c : allControls) atCreated.controlsThatExist += NativeHandle(*c) != nullptr;
    atCreated.bindingsEmpty = HotKeyBindings && HotKeyBindings->empty();
    atCreated.censusEmpty = WindowCensus && WindowCensus->empty();
    OnMainWindowCreated();
}

HWND openedWindow = nullptr;

// Closes the window with its close box's command once it is on the screen.
void CALLBACK CloseWhenShown(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND w = NativeHandle(MainWindow);
    if (!w || !IsWindowVisible(w)) return;
    openedWindow = w;
    KillTimer(nullptr, timer);
    PostMessageA(w, WM_SYSCOMMAND, SC_CLOSE, 0);
}

int ProgramStartThenLook()
{
    SetTimer(nullptr, 0, 50, CloseWhenShown);
    afterLoop.result = ProgramStart();
    afterLoop.windowGone = openedWindow && !IsWindow(openedWindow) && !NativeHandle(MainWindow);
    afterLoop.listsStillThere = HotKeyBindings && WindowCensus;
    return afterLoop.result;
}

int StartWithFreshLists()
{
    HotKeyBindings = new std::vector<HotKeyBinding>();
    WindowCensus = new std::vector<WindowInfo>();
    return 0;
}

} // namespace

TEST_CASE("start, close with the close box, end: the order of everything, and exit code 0")
{
    // The created event goes through a recorder first, then to the real handler.
    EventBinding events[8];
    REQUIRE(MainWindowDescription.eventCount <= 8);
    for (int e = 0; e < MainWindowDescription.eventCount; ++e) {
        events[e] = MainWindowDescription.events[e];
        if (events[e].event == Event::Created) events[e].handler = RecordThenCreated;
    }
    const EventBinding* realEvents = MainWindowDescription.events;
    MainWindowDescription.events = events;
    TestClickCount = 42;

    int exitCode = ToolkitMain(ProgramStartThenLook);
    MainWindowDescription.events = realEvents;

    CHECK(exitCode == 0);
    CHECK(atCreated.runs == 1);
    CHECK(atCreated.windowExists);
    CHECK_FALSE(atCreated.windowVisible);
    CHECK(atCreated.controlsThatExist == 13);
    CHECK(atCreated.bindingsEmpty);
    CHECK(atCreated.censusEmpty);
    CHECK(TestClickCount == 0);

    CHECK(afterLoop.result == 0);
    CHECK(afterLoop.windowGone);
    CHECK(afterLoop.listsStillThere);   // released only by the end processing
    CHECK(HotKeyBindings == nullptr);
    CHECK(WindowCensus == nullptr);

    // The exit slot was emptied: a later end releases nothing.
    CHECK(ToolkitMain(StartWithFreshLists) == 0);
    CHECK(HotKeyBindings != nullptr);
    CHECK(WindowCensus != nullptr);
    ReleaseRegistries();
}
