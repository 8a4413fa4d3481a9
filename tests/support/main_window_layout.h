// The clicker's main window as it opens, control by control in creation order
// (the z-order from the bottom up): the layout that the in-process window
// tests and the end-to-end tests of clicker.exe both check.
#pragma once

#include <windows.h>

struct ExpectedControl {
    int id;
    const char* className;
    int left, top, width, height;   // in the main window's client area
    const char* text;
    DWORD style;                    // without WS_VISIBLE
    DWORD exStyle;
    bool visible;
};

extern const ExpectedControl expectedControls[13];
const size_t expectedControlCount = sizeof expectedControls / sizeof expectedControls[0];
