// F8 and F9 as Start and Stop from any application, bound when the main window
// has been built.
#pragma once

// The main window's created event: runs once, before the window is shown.
void OnMainWindowCreated();
