// A visible top-level window of the test with the pointer parked on it, so that
// injected mouse input lands on a window of our own, and a log of the messages
// it handles (posted, sent, timer, paint, hot-key and button messages), each
// with the moment it was handled. A test may react to them as they come.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

struct Handled {
    UINT message;
    WPARAM wParam;
    double atMs;   // Clock() when the window handled it
};

// Creates the window once per process, shows it, and puts the pointer at its centre.
HWND OpenTestWindow();

// What the window handled since the last call to ForgetHandled.
const std::vector<Handled>& HandledMessages();
void ForgetHandled();
int CountHandled(UINT message);

// Called for every logged message after it is logged; empty for none.
void ReactToMessages(std::function<void(const Handled&)> reaction);

// Milliseconds on the performance counter.
double Clock();
