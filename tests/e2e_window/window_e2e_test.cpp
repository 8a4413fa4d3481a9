// The real clicker.exe, driven from this separate process as a user sees it:
// its window opens centred with every control, text and the focus in place,
// and a click on its close box ends it with exit code 0.
#include <doctest/doctest.h>

#include <string>

#include "clicker_driver.h"
#include "desktop.h"

namespace {

std::string ClassOf(HWND w)
{
    char name[64] = {};
    GetClassNameA(w, name, sizeof name);
    return name;
}

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

struct Row {
    int id;
    const char* className;
    int left, top, width, height;
    const char* text;
    bool visible;
};

const Row rows[] = {
    {100, "Label", 16, 16, 264, 32, "每              毫秒，点击               次", true},
    {110, "Edit", 30, 20, 80, 24, "100", true},
    {120, "Edit", 175, 20, 80, 24, "1", true},
    {130, "Label", 56, 48, 128, 32, "注：1 秒 = 1000 毫秒", true},
    {140, "Button", 24, 88, 112, 40, "开始(F8)", true},
    {150, "Button", 160, 88, 112, 40, "停止(F9)", true},
    {160, "Timer", 192, 48, 40, 24, "", false},
    {170, "Button", 168, 163, 96, 24, "点击次数测试", true},
    {180, "Label", 16, 160, 96, 32, "次数：", true},
    {190, "Edit", 48, 164, 104, 24, "", true},
    {200, "Label", 24, 200, 232, 56,
     "  注： 点击“开始”按钮或使用快捷键F8后，将鼠标指针移动到“点击次数测试”按钮，即可测试出鼠标的点击速度，"
     "点击“停止”按钮即停止点击。",
     true},
    {210, "Label", 152, 264, 144, 16, "【Quorvane】by : veltik", true},
    {220, "Label", 56, 128, 152, 32, "快捷键：开始F8，停止F9", true},
};

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

    for (const Row& row : rows) {
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
