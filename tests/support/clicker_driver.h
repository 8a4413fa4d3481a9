// Drives the real clicker.exe from outside, as a user would: starts it, finds
// its window and controls, reads what they show, clicks with the real mouse,
// and closes it again.
#pragma once

#include <windows.h>

#include <string>

#include "desktop.h"

// Control ids of the clicker's window.
enum ClickerControl {
    IntervalBox = 110,   // 编辑框1
    CountBox = 120,      // 编辑框2
    StartButton = 140,   // 按钮1
    StopButton = 150,    // 按钮2
    TestButton = 170,    // 按钮3
    TestCountBox = 190,  // 编辑框3
};

struct Clicker {
    Child child;
    DWORD processId = 0;
    HWND window = nullptr;
};

// The clicker.exe that CTest names in CLICKER_EXE (a Unix path is mapped to Wine's Z: drive).
std::string ClickerPath();

// Starts the clicker and waits for its window; window stays null when it did not open.
Clicker StartClicker();

// Closes the window as its close box does and returns the exit code
// (STILL_ACTIVE when it did not end in time and had to be killed).
DWORD CloseClicker(Clicker& clicker);

HWND ControlOf(const Clicker& clicker, int id);
void SetTextOf(HWND window, const std::string& text);
// Whether clicking runs: Start (按钮1) is greyed out while it does.
bool Clicking(const Clicker& clicker);
// The number 编辑框3 shows; 0 while it is empty.
int TestCount(const Clicker& clicker);

// A real left click at the middle of a control.
void ClickControl(const Clicker& clicker, int id);
// Puts the pointer on the middle of a control and leaves it there.
void ParkPointerOn(const Clicker& clicker, int id);

// Message boxes the clicker shows now.
std::vector<SeenBox> ClickerBoxes(const Clicker& clicker);
// Waits for the clicker to show exactly `count` boxes.
bool WaitForBoxes(const Clicker& clicker, size_t count, DWORD timeoutMs = 10000);
