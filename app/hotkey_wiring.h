// F8 and F9 as Start and Stop from any application, bound when the main window
// has been built.
#pragma once

#include <windows.h>

// The main window's created event: runs once, before the window is shown.
void OnMainWindowCreated();

// Called by the hot-key registry when F8 or F9 is pressed; the arguments are not used.
LRESULT CALLBACK OnStartHotKey(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK OnStopHotKey(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
