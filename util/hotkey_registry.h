// System-wide hot keys bound to routines through identification texts. The
// address of the caller's text is the hot key's identifier; the first binding
// stored in a run subclasses its window with HotKeyWindowProc, which runs the
// bound routine for each WM_HOTKEY and passes every other message on.
#pragma once

#include <windows.h>

#include <optional>
#include <vector>

#include "text/text.h"

static_assert(sizeof(void*) == 4, "hot-key identifiers are text addresses: 32-bit builds only");

struct HotKeyBinding {
    HWND window;
    Text text;        // a copy of the caller's identification text, untrimmed
    WNDPROC routine;
};

// Created and released by the program's start-up and end.
extern std::vector<HotKeyBinding>* HotKeyBindings;

// The window procedure that the first stored binding's window had before.
extern WNDPROC PreviousWindowProc;

// Registers virtualKey (with modifiers, 0 when left out) for window (the
// process's first visible top-level window when left out) and binds routine.
// 标识文本 must stay in place and unchanged while the hot key is registered.
// False for a blank text (after a notice) or a key the system refuses.
bool 窗口_热键注册(std::optional<HWND> window, std::optional<UINT> modifiers, UINT virtualKey,
                  WNDPROC routine, const Text& 标识文本);
// A temporary text would be gone before its hot key is pressed.
bool 窗口_热键注册(std::optional<HWND> window, std::optional<UINT> modifiers, UINT virtualKey,
                  WNDPROC routine, const Text&& 标识文本) = delete;

LRESULT CALLBACK HotKeyWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Position (from 1) of the first binding whose text equals text, or 0.
int FindBindingByText(const Text& text);
