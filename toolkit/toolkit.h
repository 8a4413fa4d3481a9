// Our small window layer: just what the clicker uses. A program hands
// ToolkitMain its start routine; the toolkit runs it, then its end processing
// (the one exit routine), and gives back the process exit code. Windows are
// built from a constant description (window.h); faults that cannot go on end
// the process through FatalError.
#pragma once

#include <windows.h>

#include <optional>
#include <vector>

#include "text/text.h"

// Prepares the toolkit: the new-handler (memory that cannot be obtained ends
// the program through the fatal error report) and the room that report needs.
// Runs before anything else.
void InitToolkit();

// The one exit-routine slot; a later call replaces the routine.
void SetExitRoutine(void (*routine)());

// Runs programStart, then, when it returns, the exit routine once; returns the
// exit code for the process (programStart's result).
int ToolkitMain(int (*programStart)());

// Takes and dispatches messages until WM_QUIT; returns its exit code.
int RunMessageLoop();

// Translates and dispatches every message already waiting for this thread,
// without waiting for more. A WM_QUIT is left in the queue for RunMessageLoop.
void ProcessPendingEvents();

// MessageBoxA without owner; caption "信息：" when none is given; MB_TASKMODAL
// added unless the style holds MB_SYSTEMMODAL. Returns MessageBoxA's result.
int ShowMessage(const Text& text, UINT style = 0, std::optional<Text> caption = std::nullopt);

// The fatal error report: a message box, then the process ends at once with
// exit code -1. The exit routine does not run.
[[noreturn]] void FatalError(const Text& message);

// The record at a position counted from 1; a position outside the list is a
// fault of the program and ends it through FatalError.
template <class Record>
Record& ListAt(std::vector<Record>& list, int position)
{
    if (position < 1 || static_cast<size_t>(position) > list.size())
        FatalError("列表位置超出范围：" + IntToText(position));
    return list[position - 1];
}
