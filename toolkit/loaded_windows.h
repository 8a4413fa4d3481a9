// Inside the toolkit: the windows that LoadWindow built and still exist, and
// what each kind of control needs from the others. Not for the program.
#pragma once

#include <windows.h>

#include <vector>

#include "window.h"

// A window built by LoadWindow, from creation until WM_NCDESTROY.
struct LoadedWindow {
    HWND window;
    WindowDescription description;   // a copy; its tables outlive the window
    HWND focusWhileInactive;       // the control that had the focus when the window was deactivated
};

// The loaded window of a top-level window, or null.
LoadedWindow* FindLoadedWindow(HWND window);

// The description row of one of a loaded window's controls, or null.
const ControlDescription* FindControlDescription(HWND control);

// Stops the Win32 timer of every timer control (the fatal error report).
void StopAllTimers();

// Registers a window class of ours unless this process has it already. A
// visible kind gets the arrow cursor and the stock NULL_BRUSH (it paints its
// own background); the timer's hidden window needs neither.
enum class ClassLook { Visible, Hidden };
bool RegisterClassOnce(HINSTANCE instance, const char* name, WNDPROC procedure, UINT style,
                       int extraBytes, ClassLook look);

// Runs the handlers bound to this event of this source, in table order.
void RaiseEvent(const WindowDescription& description, const char* source, Event event);

// Each kind of control: create it hidden, with its id, place, size and text.
HWND CreateLabel(HWND parent, const ControlDescription& row);
HWND CreateEditBox(HWND parent, const ControlDescription& row);
HWND CreateButton(HWND parent, const ControlDescription& row);
HWND CreateTimer(HWND parent, const ControlDescription& row);

// An integer-only edit box lost the focus: keep its text in plain decimal form.
void NormaliseIntegerBox(HWND box);

// Keyboard focus inside a loaded window.
// Tab (or Shift+Tab) pressed in `from`, a control or the window itself.
void MoveFocusByTab(HWND from, bool backwards);
void SaveFocus(LoadedWindow& loaded);
void RestoreFocus(LoadedWindow& loaded);
// A control's keyboard hook: true when the message was Tab and has been handled.
bool HandleTabKey(HWND control, UINT message, WPARAM wParam);
