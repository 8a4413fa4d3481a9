// Building a window from its description, its events and the properties that
// handlers read and write, on real windows with real input.
#include <doctest/doctest.h>

#include <string>
#include <vector>

#include "desktop.h"
#include "test_window.h"
#include "toolkit/toolkit.h"

namespace {

// The controls from the top of the z-order down.
std::vector<HWND> ChildrenTopDown(HWND parent)
{
    std::vector<HWND> children;
    for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) children.push_back(c);
    return children;
}

} // namespace

TEST_CASE("the created event runs with every control built and nothing shown; then the window shows")
{
    OpenTestWindow open;
    CHECK(counts.created == 1);
    CHECK_FALSE(createdView.windowVisible);
    CHECK(createdView.controlsThatExist == testRowCount);
    CHECK(createdView.controlsWithVisibleStyle == testRowCount - 1);
    CHECK_FALSE(createdView.timerVisible);
    CHECK(IsWindowVisible(testWindow.window));
    CHECK(NativeHandle(testWindow) == testWindow.window);
}

TEST_CASE("controls have their ids, kinds and places, and lie in creation order from the bottom up")
{
    OpenTestWindow open;
    const char* classes[] = {"Label", "Edit", "Edit", "Button", "Timer", "Button"};
    for (int r = 0; r < testRowCount; ++r) {
        const ControlDescription& row = testRows[r];
        HWND control = row.control->window;
        RECT rect;
        GetWindowRect(control, &rect);
        MapWindowPoints(nullptr, testWindow.window, reinterpret_cast<POINT*>(&rect), 2);
        INFO("row " << std::string(row.name));
        CHECK(GetParent(control) == testWindow.window);
        CHECK(GetDlgCtrlID(control) == row.id);
        CHECK(ClassOf(control) == classes[r]);
        CHECK(rect.left == row.left);
        CHECK(rect.top == row.top);
        CHECK(rect.right - rect.left == row.width);
        CHECK(rect.bottom - rect.top == row.height);
        CHECK((GetWindowLongA(control, GWL_STYLE) & WS_CLIPSIBLINGS) != 0);
    }
    std::vector<HWND> topDown = ChildrenTopDown(testWindow.window);
    REQUIRE(topDown.size() == static_cast<size_t>(testRowCount));
    for (int r = 0; r < testRowCount; ++r)
        CHECK_MESSAGE(topDown[static_cast<size_t>(testRowCount - 1 - r)] == testRows[r].control->window,
                      "z-order place of " << testRows[r].name);
}

TEST_CASE("a real click raises the clicked event; a disabled button raises none")
{
    OpenTestWindow open;
    POINT a = CenterOf(buttonA.window);
    POINT b = CenterOf(buttonB.window);
    ClickAt(a.x, a.y);
    REQUIRE(WaitUntil([] { return counts.clickedA == 1; }));

    SetDisabled(buttonA, true);
    CHECK(IsDisabled(buttonA));
    CHECK_FALSE(IsWindowEnabled(buttonA.window));
    ClickAt(a.x, a.y);
    ClickAt(b.x, b.y);
    // Input comes in order: once the click on B counts, the one on A has been handled.
    REQUIRE(WaitUntil([] { return counts.clickedB == 1; }));
    CHECK(counts.clickedA == 1);

    SetDisabled(buttonA, false);
    CHECK_FALSE(IsDisabled(buttonA));
    ClickAt(a.x, a.y);
    CHECK(WaitUntil([] { return counts.clickedA == 2; }));
}

TEST_CASE("Space on the focused button raises the clicked event; Enter does not")
{
    OpenTestWindow open;
    SetFocus(buttonB.window);
    TapKey(VK_RETURN);
    TapKey(VK_SPACE);
    REQUIRE(WaitUntil([] { return counts.clickedB >= 1; }));
    PumpFor(100);
    CHECK(counts.clickedB == 1);
}

TEST_CASE("edit box text is read and written as it is, without filtering")
{
    OpenTestWindow open;
    struct Case {
        const char* written;
    };
    const Case cases[] = {{""}, {"abc"}, {"12abc"}, {"点击次数"}, {"-0"}};
    for (const Case& c : cases) {
        WriteText(integerBox, c.written);
        CHECK_MESSAGE(ReadText(integerBox) == c.written, "written: " << c.written);
    }
    Text longText(5000, '7');
    WriteText(plainBox, longText);
    CHECK(ReadText(plainBox) == longText);
}

TEST_CASE("closing the window clears the program's controls")
{
    HWND window = nullptr;
    {
        OpenTestWindow open;
        window = testWindow.window;
        SetTimerPeriod(ticker, 100);
    }
    CHECK_FALSE(IsWindow(window));
    CHECK(NativeHandle(testWindow) == nullptr);
    CHECK(NativeHandle(buttonA) == nullptr);
    CHECK(TimerPeriod(ticker) == 0);
    CHECK(ReadText(integerBox).empty());
}

TEST_CASE("a label draws in its own font; the integer box lying on it stays on top")
{
    OpenTestWindow open;
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(label.window, WM_GETFONT, 0, 0));
    LOGFONTA description{};
    REQUIRE(GetObjectA(font, sizeof description, &description) == sizeof description);
    CHECK(std::string(description.lfFaceName) == "宋体");
    CHECK(description.lfHeight == -12);
    CHECK(description.lfWeight == FW_BOLD);
    CHECK(description.lfCharSet == DEFAULT_CHARSET);
    CHECK(description.lfQuality == PROOF_QUALITY);
    CHECK(reinterpret_cast<HFONT>(SendMessageA(plainBox.window, WM_GETFONT, 0, 0)) ==
          GetStockObject(DEFAULT_GUI_FONT));
    POINT middle = CenterOf(integerBox.window);
    CHECK(WindowFromPoint(middle) == integerBox.window);
}
