// Helpers for tests that drive real windows: waiting with a deadline while
// messages flow, real keyboard and mouse input, and a watcher that reads and
// answers the message boxes a process shows.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Dispatches the messages queued for this thread now. A WM_QUIT is put back
// for the message loop that owns it.
void DispatchPending();

// Dispatches this thread's messages until done() holds or timeoutMs passes;
// returns whether done() held.
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs = 10000);

// Dispatches this thread's messages for about ms milliseconds.
void PumpFor(DWORD ms);

// Registers a window class for a test's own windows, once per process: double
// clicks, the arrow cursor, the COLOR_WINDOW background. Returns the name.
const char* RegisterTestClass(const char* name, WNDPROC procedure);

// Real input through the system's input stream.
void KeyDown(BYTE vk);
void KeyUp(BYTE vk);
void TapKey(BYTE vk);
void ClickAt(int x, int y);                 // moves the pointer there, left press and release
void MovePointerTo(int x, int y);
POINT CenterOf(HWND window);                // in screen coordinates

// A message box as a user sees it.
struct SeenBox {
    HWND box;
    HWND owner;
    DWORD processId;
    std::string caption;
    std::string text;
    std::vector<int> buttons;   // control ids of its push buttons
    bool hasIcon;
};

// A window's class name, and its text as WM_GETTEXT gives it (also across
// processes; a window that hangs gives the empty text after a few seconds).
std::string ClassOf(HWND window);
std::string TextOf(HWND window);

// Reads a box (a "#32770" window) as it stands now.
SeenBox ReadBox(HWND box);

// The visible message boxes of a process, newest last in z-order terms.
std::vector<HWND> FindBoxes(DWORD processId);

// Watches for message boxes of a process from a thread of its own, records
// each one once, and answers it with the button `answer` (0 leaves it open).
void StartBoxWatcher(DWORD processId = GetCurrentProcessId(), int answer = IDOK);
void SetBoxAnswer(int answer);
std::vector<SeenBox> SeenBoxes();            // what was seen so far
std::vector<SeenBox> StopBoxWatcher();       // stops the watcher, returns what it saw

// Presses a button of a box from outside, as a click on it would.
void AnswerBox(HWND box, int buttonId);

// A child process: started with its own command line, waited for with a deadline.
struct Child {
    PROCESS_INFORMATION info{};
    bool started = false;
};
Child StartChild(const std::string& commandLine);
// The exit code, or STILL_ACTIVE when the deadline passed (the child is then killed).
DWORD WaitChild(Child& child, DWORD timeoutMs = 30000);

// The whole of a file, also of one that reports no size (as /proc files do);
// empty when it cannot be read.
std::string ReadWholeFile(const std::string& path);

// Full path of this test program's folder, with a trailing backslash.
std::string ProgramFolder();
