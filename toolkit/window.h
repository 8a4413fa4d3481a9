// Windows built from a constant description: a top-level window with labels,
// edit boxes, push buttons and timers, and the events that reach handlers.
// The program keeps a Control for each thing it names; LoadWindow fills them.
#pragma once

#include <windows.h>

#include <cstdint>

#include "text/text.h"

enum class ControlKind { Label, EditBox, Button, Timer };

// A label's own font; labels without one draw with DEFAULT_GUI_FONT.
struct LabelFont {
    const char* face;
    LONG height;
    LONG weight;
};

enum ControlOption : unsigned {
    IntegerOnly = 1,   // edit box: typing and losing the focus keep an integer
    WrapText = 2,      // label: lines wrapped from the top instead of one centred line
};

// A loaded window or control, as the handlers see it.
struct Control {
    HWND window = nullptr;
    int32_t timerPeriod = 0;   // timers: the period in force, 0 = not ticking
    bool disabled = false;     // buttons: the disabled flag
};

// One control of a window, in creation order. Place and size are client
// coordinates of the window.
struct ControlDescription {
    Control* control;
    const char* name;
    ControlKind kind;
    int left, top, width, height;
    int id;
    const char* text;
    const LabelFont* font;   // labels only; null for DEFAULT_GUI_FONT
    unsigned options;       // ControlOption bits
};

// Created: the window's, once while it is built. Clicked: a button's BN_CLICKED.
// Periodic: a timer's WM_TIMER.
enum class Event { Created, Clicked, Periodic };

// An event of the window or of a control, bound by the source's name.
struct EventBinding {
    const char* source;
    Event event;
    void (*handler)();
};

// A top-level window: its own class, caption, style and outer size, centred on
// the screen, COLOR_BTNFACE behind its controls and DEFAULT_GUI_FONT. The
// tables must live as long as the window.
struct WindowDescription {
    Control* control;
    const char* name;
    const char* className;
    const char* caption;
    DWORD style;
    int width, height;
    const char* iconResource;   // icon group of the executable, big and small icon
    const ControlDescription* controls;
    int controlCount;
    const EventBinding* events;
    int eventCount;
};

// The build sequence: hidden window, controls in table order with their ids,
// the z-order, every control but the timers shown, the created event, then
// SW_SHOW. False when the window or a control could not be created.
bool LoadWindow(const WindowDescription& description);

// Edit boxes: the window text as GetWindowTextA gives it; SetWindowTextA.
Text ReadText(const Control& control);
void WriteText(Control& control, const Text& text);

// Buttons: true greys the button out (EnableWindow FALSE).
void SetDisabled(Control& control, bool disabled);
bool IsDisabled(const Control& control);

// Timers: negative counts as 0; the period in force changes nothing; otherwise
// KillTimer, and SetTimer with id 1000 on the timer's window for a period above 0.
void SetTimerPeriod(Control& control, int32_t period);
int32_t TimerPeriod(const Control& control);

// The native handle, or 0 when the window does not exist.
HWND NativeHandle(const Control& control);
