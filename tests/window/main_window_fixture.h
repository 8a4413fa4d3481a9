// Opens the clicker's real main window in this process, with the program's
// lists in place, but with counters in place of the button and timer handlers,
// so that the window can be driven without the clicking behind it.
#pragma once

#include <windows.h>

#include <string>

#include "app/main_window.h"

struct HandlerCounts {
    int created;
    int start, stop, test;
    int ticks;
    std::string intervalAtStart;   // 编辑框1's text when 按钮1's handler ran
};
extern HandlerCounts handled;

struct OpenMainWindow {
    OpenMainWindow();
    ~OpenMainWindow();
};

std::string NameOf(HWND control);   // "编辑框1" and so on, for messages
