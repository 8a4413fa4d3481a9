// The behaviour behind the main window: Start and Stop of the periodic clicks,
// the click counter of the test button, and one tick of clicking.
#pragma once

#include <cstdint>

// Clicks counted on the test button since the start or the last Stop.
extern int32_t TestClickCount;

void OnStartClicked();
void OnStopClicked();
void OnTestClicked();
void OnClickTimer();
