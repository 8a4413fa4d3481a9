// The program's start and end: the toolkit calls ProgramStart once; the two
// process-wide lists live from before the window's first event until after
// its last, and are released by the toolkit's end processing.
#pragma once

// Prepares the toolkit, creates the lists, registers their release, opens the
// main window and runs the message loop until it is gone; returns 0.
int ProgramStart();

// Creates HotKeyBindings, then WindowCensus, each empty.
void InitRegistries();

// Releases both lists with their records and texts. The toolkit's exit routine.
void ReleaseRegistries();
