// Start-up and shutdown. The order matters: the lists exist and their release
// is registered before the window is loaded, so that every window event finds
// them and every normal end releases them, once, after the window is gone. A
// fatal error report ends the process without the release.
#include "program_start.h"

#include "main_window.h"
#include "toolkit/toolkit.h"
#include "util/hotkey_registry.h"
#include "util/window_census.h"

void InitRegistries()
{
    HotKeyBindings = new std::vector<HotKeyBinding>();
    WindowCensus = new std::vector<WindowInfo>();
}

void ReleaseRegistries()
{
    // Each record releases its texts with it. The hot keys stay registered
    // until the process ends, and the window they were bound to is gone.
    delete HotKeyBindings;
    HotKeyBindings = nullptr;
    delete WindowCensus;
    WindowCensus = nullptr;
}

int ProgramStart()
{
    InitToolkit();
    InitRegistries();
    SetExitRoutine(ReleaseRegistries);
    if (!LoadWindow(MainWindowDescription)) FatalError("无法创建主窗口。");
    RunMessageLoop();
    return 0;
}
