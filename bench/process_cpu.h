// The processor time another process has used so far, in milliseconds.
//
// On Windows this is GetProcessTimes. Wine 8 answers GetProcessTimes with the
// calling process's own times whatever the handle, so under Wine the time is
// read from Linux instead: the Wine process whose command line holds the
// given program path and whose WINEPREFIX is ours, and the scheduler's
// nanosecond run time of each of its threads (/proc/PID/task/*/schedstat).
#pragma once

#include <windows.h>

#include <string>

// Negative when it cannot be read (under Wine: no single process matched).
double ProcessCpuMs(HANDLE process, const std::string& programPath);

// True when this program runs under Wine.
bool RunningUnderWine();
