// The census of visible top-level windows over EnumWindows. The enumeration's
// callback appends each visible window to the process-wide WindowCensus; the
// census then hands the caller its own copy, in EnumWindows' order, and leaves
// WindowCensus empty again. FindProcessWindow picks a process's first window
// from a fresh census.
#include "window_census.h"

#include "toolkit/toolkit.h"

std::vector<WindowInfo>* WindowCensus = nullptr;

namespace {

// The text a window query with a maximum count left in a buffer of blanks: up
// to its first zero, and never more than count - 1 bytes, even where the query
// failed and wrote nothing.
Text QueriedText(const Text& buffer, int count)
{
    Text text = TextFrom(buffer.c_str());
    if (text.size() > static_cast<size_t>(count - 1)) text.resize(count - 1);
    return text;
}

} // namespace

BOOL CALLBACK CensusEnumProc(HWND window, LPARAM)
{
    WindowInfo scratch{};
    if (IsWindowVisible(window)) {
        scratch.window = window;
        GetWindowThreadProcessId(window, &scratch.processId);
        DWORD processId = 0;
        scratch.threadId = GetWindowThreadProcessId(window, &processId);
        // BlankText(n) is n blanks and a terminator; the query writes at most
        // n bytes, its own terminator included.
        Text title = BlankText(256);
        GetWindowTextA(window, title.data(), 256);
        scratch.title = QueriedText(title, 256);
        Text className = BlankText(50);
        GetClassNameA(window, className.data(), 50);
        scratch.className = QueriedText(className, 50);
        WindowCensus->push_back(scratch);
    }
    return TRUE;
}

int EnumerateVisibleWindows(std::vector<WindowInfo>& list)
{
    EnumWindows(CensusEnumProc, 0);
    list = *WindowCensus;   // every record with its own texts
    WindowCensus->clear();
    return static_cast<int>(list.size());
}

HWND FindProcessWindow(DWORD processId)
{
    std::vector<WindowInfo> windows;
    int count = EnumerateVisibleWindows(windows);
    for (int position = 1; position <= count; ++position) {
        const WindowInfo& info = ListAt(windows, position);
        if (info.processId == processId) return info.window;
    }
    return nullptr;
}
