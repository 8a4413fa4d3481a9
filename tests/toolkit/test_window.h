// A small window built by the toolkit for its tests: an integer box lying on a
// label, a plain box, two buttons and a timer, each event counted.
#pragma once

#include <windows.h>

#include "toolkit/window.h"

extern Control testWindow, label, integerBox, plainBox, buttonA, ticker, buttonB;
extern const ControlDescription testRows[];
extern const int testRowCount;
extern const WindowDescription testDescription;

// What the events did since the window was opened.
struct EventCounts {
    int created;
    int clickedA;
    int clickedB;
    int ticks;
};
extern EventCounts counts;

// What the created handler saw of the window while it ran.
struct CreatedView {
    bool windowVisible;
    int controlsThatExist;
    int controlsWithVisibleStyle;
    bool timerVisible;
};
extern CreatedView createdView;

// Opens the test window, waits until it is in front with the focus in it,
// and destroys it again (taking the WM_QUIT that its end posts).
struct OpenTestWindow {
    OpenTestWindow();
    ~OpenTestWindow();
};

// Takes the WM_QUIT that the end of the last loaded window posts.
bool TakeQuitMessage(int* exitCode = nullptr);
