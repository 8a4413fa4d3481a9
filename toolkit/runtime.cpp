// The toolkit's life cycle: initialisation, the exit-routine slot, the message
// loop, processing of pending events, the plain message box and the fatal
// error report. The report must work when memory has run out: it allocates
// nothing itself and first gives back an address-space reserve, so that the
// system has room to show its message box. While its box is up, the program's
// timers are stopped and a second fault ends the process at once, so that the
// box's modal loop cannot run the failing code again and again.
#include "toolkit.h"

#include "loaded_windows.h"

#include <new>

namespace {

void (*exitRoutine)() = nullptr;

// Address space held back for the fatal error report's message box.
void* fatalReserve = nullptr;
const SIZE_T fatalReserveSize = 16 * 1024 * 1024;

bool reportingFatalError = false;

[[noreturn]] void EndWithFatalError(const char* message)
{
    exitRoutine = nullptr;   // a fatal end skips the exit routine
    if (reportingFatalError) ExitProcess(static_cast<UINT>(-1));
    reportingFatalError = true;
    StopAllTimers();
    if (fatalReserve) {
        VirtualFree(fatalReserve, 0, MEM_RELEASE);
        fatalReserve = nullptr;
    }
    MessageBoxA(nullptr, message, "致命错误", MB_OK | MB_ICONERROR | MB_TASKMODAL | MB_SETFOREGROUND);
    ExitProcess(static_cast<UINT>(-1));
}

// The new-handler: building a Text here would ask for memory again.
void OutOfMemory() { EndWithFatalError("内存不足，程序无法继续运行。"); }

} // namespace

void InitToolkit()
{
    std::set_new_handler(OutOfMemory);
    if (!fatalReserve) fatalReserve = VirtualAlloc(nullptr, fatalReserveSize, MEM_RESERVE, PAGE_NOACCESS);
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
    BOOL got;
    while ((got = GetMessageA(&msg, nullptr, 0, 0)) != 0) {
        if (got == -1) return -1;   // no queue to read: nothing more will come
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

void FatalError(const Text& message) { EndWithFatalError(message.c_str()); }
