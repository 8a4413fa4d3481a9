// Keyboard focus and the keys that mean nothing, with real keyboard and mouse
// input; and a window that cannot be resized or maximised.
#include <doctest/doctest.h>

#include <vector>

#include "desktop.h"
#include "main_window_fixture.h"

namespace {

enum Key { Tab, ShiftTab };

void Press(Key key)
{
    if (key == ShiftTab) KeyDown(VK_SHIFT);
    TapKey(VK_TAB);
    if (key == ShiftTab) KeyUp(VK_SHIFT);
}

bool NothingSelected(HWND box)
{
    DWORD start = 0, end = 0;
    SendMessageA(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return start == end;
}

struct Step {
    Key key;
    Control* focus;   // where the focus must go
};

void Walk(const std::vector<Step>& steps)
{
    for (size_t i = 0; i < steps.size(); ++i) {
        const Step& step = steps[i];
        HWND from = GetFocus();
        Press(step.key);
        bool arrived = WaitUntil([&] { return GetFocus() == step.focus->window; }, 5000);
        CHECK_MESSAGE(arrived, "step " << i << ": " << (step.key == Tab ? "Tab" : "Shift+Tab") << " from "
                                       << NameOf(from) << " went to " << NameOf(GetFocus()) << ", not "
                                       << NameOf(step.focus->window));
        if (!arrived) return;
        if (step.focus == &编辑框1 || step.focus == &编辑框2 || step.focus == &编辑框3)
            CHECK_MESSAGE(NothingSelected(step.focus->window), "step " << i << ": text selected in " << NameOf(step.focus->window));
    }
}

// A point of the main window's frame where WM_NCHITTEST gives `area`, or {-1, -1}.
POINT FindFramePoint(LRESULT area)
{
    RECT r;
    GetWindowRect(MainWindow.window, &r);
    for (int y = r.top; y < r.top + 40; ++y)
        for (int x = r.right - 1; x > r.left; --x)
            if (SendMessageA(MainWindow.window, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == area) return POINT{x, y};
    return POINT{-1, -1};
}

// Input is handled in order: once a click on 按钮3 counts, everything before it was handled.
void ClickTestButtonAndWait()
{
    int before = handled.test;
    POINT p = CenterOf(按钮3.window);
    ClickAt(p.x, p.y);
    REQUIRE(WaitUntil([&] { return handled.test == before + 1; }));
}

BOOL CALLBACK CountVisible(HWND w, LPARAM count)
{
    if (IsWindowVisible(w)) ++*reinterpret_cast<int*>(count);
    return TRUE;
}

} // namespace

TEST_CASE("Tab and Shift+Tab go round the edit boxes and buttons in creation order")
{
    OpenMainWindow open;
    WriteText(编辑框3, "12");
    Walk({{Tab, &编辑框2}, {Tab, &按钮1}, {Tab, &按钮2}, {Tab, &按钮3}, {Tab, &编辑框3}, {Tab, &编辑框1},
          {ShiftTab, &编辑框3}, {ShiftTab, &按钮3}, {ShiftTab, &按钮2}, {ShiftTab, &按钮1}, {ShiftTab, &编辑框2},
          {ShiftTab, &编辑框1}});
}

TEST_CASE("a disabled 按钮1 is skipped by Tab and Shift+Tab")
{
    OpenMainWindow open;
    SetDisabled(按钮1, true);
    Walk({{Tab, &编辑框2}, {Tab, &按钮2}, {ShiftTab, &编辑框2}});
    SetDisabled(按钮1, false);
    Walk({{Tab, &按钮1}});
}

TEST_CASE("Tab finds the first control again after the focused button was disabled")
{
    OpenMainWindow open;
    SetFocus(按钮1.window);
    SetDisabled(按钮1, true);
    CHECK(GetFocus() != 按钮1.window);
    Press(Tab);
    CHECK(WaitUntil([] { return GetFocus() == 编辑框1.window; }));
}

TEST_CASE("Esc, Enter and F1 do nothing at window level")
{
    OpenMainWindow open;
    struct Case {
        Control* focus;
    };
    for (Case c : {Case{&编辑框1}, Case{&按钮1}}) {
        INFO("focus in " << NameOf(c.focus->window));
        SetFocus(c.focus->window);
        for (BYTE key : {VK_ESCAPE, VK_RETURN, VK_F1}) TapKey(key);
        ClickTestButtonAndWait();   // the keys have been handled by now
        CHECK(IsWindowVisible(MainWindow.window));
        CHECK(GetForegroundWindow() == MainWindow.window);
        CHECK(handled.start == 0);
        CHECK(ReadText(编辑框1) == "100");
    }
    // No help window or anything else opened.
    int visibleWindows = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountVisible, reinterpret_cast<LPARAM>(&visibleWindows));
    CHECK(visibleWindows == 1);
}

TEST_CASE("the focused control is given back when the window is activated again")
{
    OpenMainWindow open;
    Press(Tab);
    Press(Tab);
    Press(Tab);
    REQUIRE(WaitUntil([] { return GetFocus() == 按钮2.window; }));

    HWND other = CreateWindowExA(0, "EDIT", "another window", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200, 100,
                                 nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    REQUIRE(other);
    SetForegroundWindow(other);
    REQUIRE(WaitUntil([&] { return GetForegroundWindow() == other; }));
    CHECK(GetFocus() != 按钮2.window);

    POINT caption = FindFramePoint(HTCAPTION);
    REQUIRE(caption.x >= 0);
    ClickAt(caption.x, caption.y);
    CHECK(WaitUntil([] { return GetForegroundWindow() == MainWindow.window && GetFocus() == 按钮2.window; }));
    DestroyWindow(other);
}

TEST_CASE("the window can be neither maximised nor resized")
{
    OpenMainWindow open;
    RECT before;
    GetWindowRect(MainWindow.window, &before);

    POINT caption = FindFramePoint(HTCAPTION);
    REQUIRE(caption.x >= 0);
    ClickAt(caption.x, caption.y);
    ClickAt(caption.x, caption.y);   // a double click on the caption
    ClickTestButtonAndWait();
    CHECK_FALSE(IsZoomed(MainWindow.window));

    // Dragging the bottom-right corner outwards.
    POINT corner{before.right - 1, before.bottom - 1};
    LRESULT area = SendMessageA(MainWindow.window, WM_NCHITTEST, 0, MAKELPARAM(corner.x, corner.y));
    CHECK(area != HTBOTTOMRIGHT);
    CHECK(area != HTRIGHT);
    CHECK(area != HTBOTTOM);
    MovePointerTo(corner.x, corner.y);
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    MovePointerTo(corner.x + 60, corner.y + 60);
    mouse_event(MOUSEEVENTF_MOVE, 0, 0, 0, 0);
    mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    ClickTestButtonAndWait();

    RECT after;
    GetWindowRect(MainWindow.window, &after);
    CHECK(after.right - after.left == 305);
    CHECK(after.bottom - after.top == 313);
}
