// The real clicker.exe, driven from this separate process as a user sees it:
// its window opens centred with every control, text and the focus in place,
// and a click on its close box ends it with exit code 0.
#include <doctest/doctest.h>

#include <string>

#include "clicker_driver.h"
#include "desktop.h"
#include "main_window_layout.h"

namespace {

// A screen point of the window's frame where it answers WM_NCHITTEST with `area`.
bool FindFramePoint(HWND window, LRESULT area, POINT* found)
{
    RECT r;
    GetWindowRect(window, &r);
    for (int y = r.top; y < r.top + 40; ++y)
        for (int x = r.right - 1; x > r.left; --x) {
            DWORD_PTR hit = 0;
            SendMessageTimeoutA(window, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_ABORTIFHUNG, 2000, &hit);
            if (static_cast<LRESULT>(hit) == area) {
                *found = POINT{x, y};
                return true;
            }
        }
    return false;
}

} // namespace

TEST_CASE("clicker.exe opens centred with its controls and the focus in 编辑框1, and its close box ends it with 0")
{
    Clicker clicker = StartClicker();
    REQUIRE(clicker.window);

    RECT r;
    GetWindowRect(clicker.window, &r);
    CHECK(r.right - r.left == 305);
    CHECK(r.bottom - r.top == 313);
    CHECK(r.left == (GetSystemMetrics(SM_CXSCREEN) - 305) / 2);
    CHECK(r.top == (GetSystemMetrics(SM_CYSCREEN) - 313) / 2);
    CHECK(WaitUntil([&] { return GetForegroundWindow() == clicker.window; }));

    for (const ExpectedControl& row : expectedControls) {
        INFO("control " << row.id);
        HWND c = ControlOf(clicker, row.id);
        REQUIRE(c);
        CHECK(ClassOf(c) == row.className);
        RECT cr;
        GetWindowRect(c, &cr);
        MapWindowPoints(nullptr, clicker.window, reinterpret_cast<POINT*>(&cr), 2);
        CHECK(cr.left == row.left);
        CHECK(cr.top == row.top);
        CHECK(cr.right - cr.left == row.width);
        CHECK(cr.bottom - cr.top == row.height);
        CHECK(TextOf(c) == row.text);
        CHECK((IsWindowVisible(c) != 0) == row.visible);
        CHECK(IsWindowEnabled(c));
    }

    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    DWORD thread = GetWindowThreadProcessId(clicker.window, nullptr);
    CHECK(WaitUntil([&] { return GetGUIThreadInfo(thread, &gui) && gui.hwndFocus == ControlOf(clicker, IntervalBox); }));

    POINT close{};
    REQUIRE(FindFramePoint(clicker.window, HTCLOSE, &close));
    ClickAt(close.x, close.y);
    CHECK(WaitChild(clicker.child, 30000) == 0);
}
