// The benchmark's own window for clicks to land on: a plain popup at the top
// left of the screen that draws nothing, on a thread of its own so that the
// benchmark's waits never stall it. It counts the left presses it receives
// with their message times (the system's tick count when each was sent).
//
// It can be told to hold: its thread then stops taking messages, so that the
// clicks that follow pile up in its queue and cost nothing but their sending.
// Closing the target ends its thread, and whatever is still queued for it goes
// with it; nothing is left for Wine's desktop to work through afterwards.
// One target at a time; open it again after closing it.
#pragma once

#include <windows.h>

#include <vector>

// Opens the target and puts the pointer on its middle; false when it could not.
bool OpenClickTarget();
// Ends the target's thread. The pointer stays where it is: stop the clicking first.
void CloseClickTarget();

HWND ClickTargetWindow();
void ParkPointerOnTarget();
// Makes the target the foreground window with the keyboard focus, so that keys
// the benchmark presses go to no other program; false when it did not happen in time.
bool FocusClickTarget();

// Presses counted so far, and the message time of each in order.
int TargetPresses();
std::vector<DWORD> TargetPressTimes();
// Waits until no press has come for quietMs; false when timeoutMs passed first.
bool WaitTargetQuiet(DWORD quietMs, DWORD timeoutMs);

// Hold right after the next press is counted, or at once.
void HoldTargetAtNextPress();
void HoldTargetNow();
// Waits for the hold; gives NowMs() of the press that started it (of the hold
// itself for HoldTargetNow), or a negative number when timeoutMs passed first.
double WaitTargetHeld(DWORD timeoutMs);
