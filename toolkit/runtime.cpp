// The toolkit's life cycle: initialisation, the exit-routine slot, the message
// loop, processing of pending events, the plain message box and the fatal
// error report.
#include "toolkit.h"

#include <new>

namespace {

void (*exitRoutine)() = nullptr;

void OutOfMemory() { FatalError("内存不足，程序无法继续运行。"); }

} // namespace

void InitToolkit()
{
    std::set_new_handler(OutOfMemory);
}

void SetExitRoutine(void (*routine)()) { exitRoutine = routine; }

int ToolkitMain(int (*programStart)())
{
    int exitCode = programStart();
    // End processing: the exit routine runs once, after the last window is gone.
    void (*routine)() = exitRoutine;
    exitRoutine = nullptr;
    if (routine) routine();
    return exitCode;
}

int RunMessageLoop()
{
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}

void ProcessPendingEvents()
{
    MSG msg;
    // Look first, so that a WM_QUIT stays queued for the message loop.
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
        if (msg.message == WM_QUIT) return;
        if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) return;
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));   // put it back
            return;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

int ShowMessage(const Text& text, UINT style, std::optional<Text> caption)
{
    if (!(style & MB_SYSTEMMODAL)) style |= MB_TASKMODAL;
    return MessageBoxA(nullptr, text.c_str(), caption ? caption->c_str() : "信息：", style);
}

void FatalError(const Text& message)
{
    exitRoutine = nullptr;   // a fatal end skips the exit routine
    MessageBoxA(nullptr, message.c_str(), "鼠标左键连点器 - 致命错误",
                MB_OK | MB_ICONERROR | MB_TASKMODAL | MB_SETFOREGROUND);
    ExitProcess(static_cast<UINT>(-1));
}
