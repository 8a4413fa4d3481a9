// The real clicker.exe driven as a user drives it: settings typed into its
// boxes (WM_SETTEXT from here), F8 and F9 pressed for real while the click
// target holds the keyboard focus, and Clicking (clicker_driver.h) read from
// here to see whether it took.
#pragma once

#include "clicker_driver.h"

// Writes both settings, presses F8 and waits until 按钮1 is greyed out; false when it was not in time.
bool StartClicking(const Clicker& clicker, const char* interval, const char* clicksPerTick);

// Presses F9 and waits until 按钮1 is enabled again; false when it was not within timeoutMs.
bool StopClicking(const Clicker& clicker, DWORD timeoutMs = 120000);
