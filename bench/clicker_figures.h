// The figures taken from the real clicker.exe in its own process. Each routine
// reports its figure (bench_report.h) and says whether it could be taken; a
// routine that started clicking stops it again before it returns, with the
// pointer on a window of the benchmark's own.
#pragma once

#include "clicker_driver.h"

// Ticks a second achieved ÷ requested, 10 clicks a tick on the click target, over about spanMs.
bool MeasureTickFidelity(const Clicker& clicker, int periodMs, DWORD spanMs, const char* id);

// Clicks counted by 按钮3 ÷ clicks sent, for one tick of `clicks` clicks, once all are handled.
bool MeasureDelivery(const Clicker& clicker, int clicks, const char* id);

// Time from F9 to 按钮1 enabled again ÷ the period (100 ms), F9 pressed as the
// first tick's first click arrives; the median over `trials`.
bool MeasureStopLatency(const Clicker& clicker, int clicksPerTick, int trials, const char* id);

// Processor time the clicker uses in 5 s with clicking stopped.
bool MeasureIdleCpu(const Clicker& clicker);

// Time from process start to the main window visible ÷ the same for the
// minimal window program: the median over `runs` pairs of runs, one of each
// program side by side.
bool MeasureStartUp(int runs);

// The size of clicker.exe and the DLLs it imports.
bool MeasureFileFootprint();

// Stops clicking with the pointer on a fresh click target, so that no click is
// left to land elsewhere; for the way out of a failed measurement.
void StopClickingSafely(const Clicker& clicker);
