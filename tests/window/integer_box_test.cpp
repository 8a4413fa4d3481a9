// 编辑框1 and 编辑框2 take integers only: typing with the real keyboard, and
// the text rewritten when the box loses the focus. 编辑框3 takes anything.
#include <doctest/doctest.h>

#include <string>
#include <vector>

#include "desktop.h"
#include "main_window_fixture.h"

namespace {

struct Stroke {
    BYTE key;
    bool shift;
};

void Type(const std::vector<Stroke>& strokes)
{
    for (Stroke s : strokes) {
        if (s.shift) KeyDown(VK_SHIFT);
        TapKey(s.key);
        if (s.shift) KeyUp(VK_SHIFT);
    }
}

void Caret(HWND box, DWORD* start, DWORD* end)
{
    SendMessageA(box, EM_GETSEL, reinterpret_cast<WPARAM>(start), reinterpret_cast<LPARAM>(end));
}

} // namespace

TEST_CASE("typing: digits and minus go in, other characters are dropped; 编辑框3 takes any")
{
    OpenMainWindow open;
    const Stroke plus{VK_OEM_PLUS, true}, period{VK_OEM_PERIOD, false}, space{VK_SPACE, false},
        minus{VK_OEM_MINUS, false}, five{'5', false}, letter{'A', false}, end{VK_END, false}, two{'2', false};
    struct Case {
        const char* name;
        Control* box;
        const char* before;
        std::vector<Stroke> strokes;   // typed with the caret at the start
        const char* want;
    };
    const Case cases[] = {
        {"a letter", &编辑框1, "100", {letter, five}, "5100"},
        {"a plus sign", &编辑框1, "100", {plus, five}, "5100"},
        {"a full stop", &编辑框1, "100", {period, five}, "5100"},
        {"a blank", &编辑框1, "100", {space, five}, "5100"},
        {"a minus sign at the start", &编辑框1, "100", {minus}, "-100"},
        {"a minus sign anywhere", &编辑框1, "100", {end, minus, five, minus}, "100-5-"},
        {"编辑框2 alike", &编辑框2, "1", {letter, plus, two}, "21"},
        {"编辑框3 takes letters", &编辑框3, "", {letter, period, five, space, minus}, "a.5 -"},
    };
    for (const Case& c : cases) {
        INFO(std::string(c.name));
        WriteText(*c.box, c.before);
        SetFocus(c.box->window);
        SendMessageA(c.box->window, EM_SETSEL, 0, 0);
        Type(c.strokes);
        // Every stroke of a row that reaches the box changes its text; wait for the last.
        bool done = WaitUntil([&] { return ReadText(*c.box) == c.want; }, 5000);
        CHECK_MESSAGE(done, "got \"" << ReadText(*c.box) << "\"");
    }
}

TEST_CASE("losing the focus rewrites the text as a plain 32-bit decimal, 0 as empty")
{
    OpenMainWindow open;
    struct Case {
        Control* box;
        const char* text;
        const char* want;
    };
    const Case cases[] = {
        {&编辑框1, "007", "7"},
        {&编辑框1, "0", ""},
        {&编辑框1, "-0", ""},
        {&编辑框1, "-", ""},
        {&编辑框1, "abc", ""},
        {&编辑框1, "12abc", "12"},
        {&编辑框1, "5-3", "5"},
        {&编辑框1, "  42", "42"},
        {&编辑框1, "\t+8", "8"},
        {&编辑框1, "1 2", "1"},
        {&编辑框1, "2147483647", "2147483647"},
        {&编辑框1, "2147483648", "2147483647"},
        {&编辑框1, "-2147483648", "-2147483648"},
        {&编辑框1, "-2147483649", "-2147483648"},
        {&编辑框1, "9223372036854775807", "2147483647"},
        // Too long even for 64 bits: the nearest bound, like any value out of range.
        {&编辑框1, "9223372036854775808", "2147483647"},
        {&编辑框1, "18446744073709551617", "2147483647"},
        {&编辑框1, "-99999999999999999999999999", "-2147483648"},
        {&编辑框1, "100", "100"},
        {&编辑框1, "", ""},
        {&编辑框2, "0003", "3"},
        {&编辑框2, "-12x", "-12"},
        {&编辑框3, "007", "007"},   // not an integer box
        {&编辑框3, "abc", "abc"},
    };
    for (const Case& c : cases) {
        INFO(NameOf(c.box->window) << " holding \"" << c.text << "\"");
        WriteText(*c.box, c.text);
        SetFocus(c.box->window);
        REQUIRE(WaitUntil([&] { return GetFocus() == c.box->window; }));
        TapKey(VK_TAB);
        REQUIRE(WaitUntil([&] { return GetFocus() != c.box->window; }));
        CHECK(ReadText(*c.box) == c.want);
    }
}

TEST_CASE("after the rewrite the caret stands where the selection began")
{
    OpenMainWindow open;
    struct Case {
        const char* text;
        DWORD selectionStart, selectionEnd;
        const char* want;
        DWORD caret;
    };
    const Case cases[] = {
        {"0012345", 1, 1, "12345", 1},
        {"0012345", 2, 7, "12345", 2},
        {"  12abc", 5, 5, "12", 2},     // beyond the new end: at the end
        {"12", 1, 1, "12", 1},          // unchanged text, caret untouched
    };
    for (const Case& c : cases) {
        INFO("\"" << c.text << "\" selected from " << c.selectionStart << " to " << c.selectionEnd);
        WriteText(编辑框1, c.text);
        SetFocus(编辑框1.window);
        SendMessageA(编辑框1.window, EM_SETSEL, c.selectionStart, c.selectionEnd);
        SetFocus(编辑框2.window);
        CHECK(ReadText(编辑框1) == c.want);
        DWORD start = 99, end = 99;
        Caret(编辑框1.window, &start, &end);
        if (std::string(c.text) != c.want) {
            CHECK(start == c.caret);
            CHECK(end == c.caret);
        } else {
            CHECK(start == c.selectionStart);
        }
    }
}

TEST_CASE("a click on a button normalises the box before the button's clicked event")
{
    OpenMainWindow open;
    WriteText(编辑框1, "0050");
    REQUIRE(GetFocus() == 编辑框1.window);
    POINT p = CenterOf(按钮1.window);
    ClickAt(p.x, p.y);
    REQUIRE(WaitUntil([] { return handled.start == 1; }));
    CHECK(handled.intervalAtStart == "50");
    CHECK(GetFocus() == 按钮1.window);
}
