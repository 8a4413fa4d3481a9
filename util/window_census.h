// A census of the visible top-level windows, with their process, thread, title
// and class, in the order EnumWindows reports them, and the lookup of the first
// such window of a process.
#pragma once

#include <windows.h>

#include <vector>

#include "text/text.h"

struct WindowInfo {
    HWND window;
    DWORD processId;
    DWORD threadId;
    Text title;       // at most 255 bytes
    Text className;   // at most 49 bytes
};

// Filled by CensusEnumProc while a census runs, empty otherwise. Created and
// released by the program's start-up and end.
extern std::vector<WindowInfo>* WindowCensus;

// Replaces list with the visible top-level windows; returns their number.
int EnumerateVisibleWindows(std::vector<WindowInfo>& list);

// The first visible top-level window of the process, or a null handle.
HWND FindProcessWindow(DWORD processId);

BOOL CALLBACK CensusEnumProc(HWND window, LPARAM applicationValue);
