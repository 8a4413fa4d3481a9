#include "test_window.h"

#include "desktop.h"

namespace {

std::vector<Handled> handled;
std::function<void(const Handled&)> react;

bool Logged(UINT message)
{
    return message == WM_TIMER || message == WM_PAINT || message == WM_HOTKEY ||
           (message >= WM_MOUSEFIRST + 1 && message <= WM_MBUTTONDBLCLK) ||
           (message >= WM_APP && message < WM_APP + 0x100);
}

LRESULT CALLBACK TestWindowProc(HWND w, UINT message, WPARAM wp, LPARAM lp)
{
    if (Logged(message)) {
        handled.push_back(Handled{message, wp, Clock()});
        if (react) react(handled.back());
    }
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        BeginPaint(w, &paint);
        EndPaint(w, &paint);
        return 0;
    }
    case WM_CONTEXTMENU: return 0;   // right clicks land here too
    }
    return DefWindowProcA(w, message, wp, lp);
}

} // namespace

double Clock()
{
    static LARGE_INTEGER frequency = [] { LARGE_INTEGER f; QueryPerformanceFrequency(&f); return f; }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

HWND OpenTestWindow()
{
    static HWND window = CreateWindowExA(WS_EX_TOPMOST, RegisterTestClass("MouseTestWindow", TestWindowProc),
                                         "mouse test", WS_POPUP | WS_VISIBLE, 100, 100, 300, 300, nullptr,
                                         nullptr, GetModuleHandleA(nullptr), nullptr);
    SetForegroundWindow(window);
    POINT centre{250, 250};
    SetCursorPos(centre.x, centre.y);
    PumpFor(200);   // its first paint and the pointer's arrival
    ForgetHandled();
    return window;
}

const std::vector<Handled>& HandledMessages() { return handled; }
void ForgetHandled() { handled.clear(); }

int CountHandled(UINT message)
{
    int count = 0;
    for (const Handled& h : handled) count += h.message == message;
    return count;
}

void ReactToMessages(std::function<void(const Handled&)> reaction) { react = std::move(reaction); }
