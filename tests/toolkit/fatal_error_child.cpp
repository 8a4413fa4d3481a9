// A program that ends through the fatal error report in one of several ways,
// chosen by its argument. Its exit routine ends the process with 77, so a run
// that reaches the exit routine shows it in the exit code.
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include "toolkit/toolkit.h"
#include "toolkit/window.h"

namespace {

const char* mode = "";

void ExitRoutineMustNotRun() { ExitProcess(77); }

// Takes every byte of address space the heap can still get, without new.
void* volatile lastBlock;
void ExhaustMemory()
{
    for (size_t size = size_t{64} << 20; size >= 16; size /= 2)
        for (void* block = std::malloc(size); block; block = std::malloc(size)) lastBlock = block;
}

// A window whose timer fails on every tick, also while the report's box is up.
void FailOnTick()
{
    std::vector<int> list{1, 2, 3};
    ListAt(list, 0);
}

Control window, button, ticker;
const ControlDescription rows[] = {
    {&button, "button", ControlKind::Button, 10, 10, 80, 30, 100, "button", nullptr, 0},
    {&ticker, "ticker", ControlKind::Timer, 0, 0, 10, 10, 110, "", nullptr, 0},
};
const EventBinding events[] = {{"ticker", Event::Periodic, FailOnTick}};
const WindowDescription description = {&window, "window", "FatalChildWindow", "fatal child", WS_OVERLAPPEDWINDOW, 200, 150,
                         nullptr, rows, 2, events, 1};

// A thread timer the report cannot stop: its second fault comes while the box is up.
void CALLBACK FailAgainAndAgain(HWND, UINT, UINT_PTR, DWORD) { FatalError("测试：又一次。"); }

int Start()
{
    InitToolkit();
    SetExitRoutine(ExitRoutineMustNotRun);
    if (std::strcmp(mode, "report") == 0) FatalError("测试：程序无法继续。");
    if (std::strcmp(mode, "list") == 0) {
        std::vector<int> list{1, 2};
        ListAt(list, 3);
    }
    if (std::strcmp(mode, "huge") == 0) lastBlock = new char[0x7ff00000];
    if (std::strcmp(mode, "memory") == 0) {
        ExhaustMemory();
        lastBlock = new char[64];   // the new-handler ends the program here
    }
    if (std::strcmp(mode, "window") == 0) {
        if (!LoadWindow(description)) return 3;
        SetTimerPeriod(ticker, 30);   // fails from inside the running message loop
        return RunMessageLoop();
    }
    if (std::strcmp(mode, "again") == 0) {
        SetTimer(nullptr, 0, 30, FailAgainAndAgain);
        return RunMessageLoop();
    }
    return 2;   // not ended
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1) mode = argv[1];
    return ToolkitMain(Start);
}
