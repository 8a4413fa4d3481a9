// The main window and its thirteen controls against their tables: class,
// place and size, text, styles, fonts, visibility and z-order.
#include <doctest/doctest.h>

#include <string>
#include <vector>

#include "desktop.h"
#include "main_window_fixture.h"
#include "main_window_layout.h"

namespace {

// The program's controls in creation order, beside the table of how each opens.
Control* const controls[] = {&标签1, &编辑框1, &编辑框2, &标签2, &按钮1, &按钮2, &时钟1,
                             &按钮3, &标签3, &编辑框3, &标签4, &标签5, &标签6};
static_assert(sizeof controls / sizeof controls[0] == expectedControlCount);

} // namespace

TEST_CASE("the main window: caption, own class, styles, centred 305 x 313, icons")
{
    OpenMainWindow open;
    HWND w = MainWindow.window;
    CHECK(TextOf(w) == "鼠标左键连点器");
    CHECK(ClassOf(w) == "ClickerMainWindow");

    DWORD style = static_cast<DWORD>(GetWindowLongA(w, GWL_STYLE));
    struct Bit {
        const char* name;
        DWORD bit;
        bool wanted;
    };
    const Bit bits[] = {
        {"WS_CAPTION", WS_CAPTION, true},       {"WS_SYSMENU", WS_SYSMENU, true},
        {"WS_MINIMIZEBOX", WS_MINIMIZEBOX, true}, {"WS_CLIPCHILDREN", WS_CLIPCHILDREN, true},
        {"WS_VISIBLE", WS_VISIBLE, true},       {"WS_THICKFRAME", WS_THICKFRAME, false},
        {"WS_MAXIMIZEBOX", WS_MAXIMIZEBOX, false}, {"WS_POPUP", WS_POPUP, false},
        {"WS_CHILD", WS_CHILD, false},          {"WS_DISABLED", WS_DISABLED, false},
    };
    for (const Bit& b : bits)
        CHECK_MESSAGE(((style & b.bit) == b.bit) == b.wanted, std::string(b.name) << (b.wanted ? " missing" : " present"));
    DWORD exStyle = static_cast<DWORD>(GetWindowLongA(w, GWL_EXSTYLE));
    CHECK((exStyle & (WS_EX_TOPMOST | WS_EX_TOOLWINDOW)) == 0);
    CHECK(GetWindow(w, GW_OWNER) == nullptr);
    CHECK(GetMenu(w) == nullptr);

    CHECK(GetClassLongA(w, GCL_STYLE) == (CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS));
    CHECK(reinterpret_cast<HGDIOBJ>(GetClassLongPtrA(w, GCLP_HBRBACKGROUND)) == GetStockObject(NULL_BRUSH));
    CHECK(GetClassLongPtrA(w, GCLP_HICON) == 0);
    CHECK(reinterpret_cast<HCURSOR>(GetClassLongPtrA(w, GCLP_HCURSOR)) == LoadCursorA(nullptr, IDC_ARROW));

    RECT r;
    GetWindowRect(w, &r);
    CHECK(r.right - r.left == 305);
    CHECK(r.bottom - r.top == 313);
    CHECK(r.left == (GetSystemMetrics(SM_CXSCREEN) - 305) / 2);
    CHECK(r.top == (GetSystemMetrics(SM_CYSCREEN) - 313) / 2);

    struct IconRow {
        WPARAM which;
        int size;
    };
    for (IconRow icon : {IconRow{ICON_BIG, GetSystemMetrics(SM_CXICON)}, IconRow{ICON_SMALL, GetSystemMetrics(SM_CXSMICON)}}) {
        HICON handle = reinterpret_cast<HICON>(SendMessageA(w, WM_GETICON, icon.which, 0));
        REQUIRE_MESSAGE(handle, "icon " << icon.which);
        ICONINFO info{};
        REQUIRE(GetIconInfo(handle, &info));
        BITMAP colour{};
        GetObjectA(info.hbmColor, sizeof colour, &colour);
        CHECK_MESSAGE(colour.bmWidth == icon.size, "icon " << icon.which);
        CHECK_MESSAGE(colour.bmHeight == icon.size, "icon " << icon.which);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
    }
}

TEST_CASE("the thirteen controls: class, place, size, id, text, styles, visibility")
{
    OpenMainWindow open;
    for (size_t i = 0; i < expectedControlCount; ++i) {
        const ExpectedControl& row = expectedControls[i];
        HWND c = controls[i]->window;
        INFO("control " << NameOf(c) << " (id " << row.id << ")");
        REQUIRE(c);
        CHECK(GetParent(c) == MainWindow.window);
        CHECK(ClassOf(c) == row.className);
        CHECK(GetDlgCtrlID(c) == row.id);
        RECT r;
        GetWindowRect(c, &r);
        MapWindowPoints(nullptr, MainWindow.window, reinterpret_cast<POINT*>(&r), 2);
        CHECK(r.left == row.left);
        CHECK(r.top == row.top);
        CHECK(r.right - r.left == row.width);
        CHECK(r.bottom - r.top == row.height);
        CHECK(TextOf(c) == row.text);
        CHECK((static_cast<DWORD>(GetWindowLongA(c, GWL_STYLE)) & ~WS_VISIBLE) == row.style);
        CHECK(static_cast<DWORD>(GetWindowLongA(c, GWL_EXSTYLE)) == row.exStyle);
        CHECK((IsWindowVisible(c) != 0) == row.visible);
        CHECK(IsWindowEnabled(c));
    }
}

TEST_CASE("each control lies above every control created before it")
{
    OpenMainWindow open;
    std::vector<HWND> topDown;
    for (HWND c = GetWindow(MainWindow.window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) topDown.push_back(c);
    REQUIRE(topDown.size() == expectedControlCount);
    for (size_t i = 0; i < expectedControlCount; ++i)
        CHECK_MESSAGE(topDown[expectedControlCount - 1 - i] == controls[i]->window,
                      "place " << i << " from the bottom holds " << NameOf(topDown[expectedControlCount - 1 - i]));
    // Where the boxes lie on labels, the box is what a click finds.
    for (const Control* box : {&编辑框1, &编辑框2, &编辑框3}) {
        POINT middle = CenterOf(box->window);
        CHECK_MESSAGE(WindowFromPoint(middle) == box->window, NameOf(box->window));
    }
}

TEST_CASE("fonts: DEFAULT_GUI_FONT everywhere but the note and the signature")
{
    OpenMainWindow open;
    HGDIOBJ guiFont = GetStockObject(DEFAULT_GUI_FONT);
    for (const Control* c : {&标签1, &标签2, &标签3, &标签6, &编辑框1, &编辑框2, &编辑框3, &按钮1, &按钮2, &按钮3})
        CHECK_MESSAGE(reinterpret_cast<HGDIOBJ>(SendMessageA(c->window, WM_GETFONT, 0, 0)) == guiFont, NameOf(c->window));

    struct FontRow {
        const Control* label;
        const char* face;
        LONG weight;
    };
    for (FontRow row : {FontRow{&标签4, "宋体", 700}, FontRow{&标签5, "Adobe 楷体 Std R", 400}}) {
        INFO(NameOf(row.label->window));
        HFONT font = reinterpret_cast<HFONT>(SendMessageA(row.label->window, WM_GETFONT, 0, 0));
        LOGFONTA f{};
        REQUIRE(GetObjectA(font, sizeof f, &f) == sizeof f);
        CHECK(std::string(f.lfFaceName) == row.face);
        CHECK(f.lfHeight == -12);
        CHECK(f.lfWeight == row.weight);
        CHECK(f.lfWidth == 0);
        CHECK(f.lfEscapement == 0);
        CHECK(f.lfOrientation == 0);
        CHECK_FALSE(f.lfItalic);
        CHECK_FALSE(f.lfUnderline);
        CHECK_FALSE(f.lfStrikeOut);
        CHECK(f.lfCharSet == DEFAULT_CHARSET);
        CHECK(f.lfOutPrecision == OUT_DEFAULT_PRECIS);
        CHECK(f.lfClipPrecision == CLIP_DEFAULT_PRECIS);
        CHECK(f.lfQuality == PROOF_QUALITY);
        CHECK(f.lfPitchAndFamily == DEFAULT_PITCH);
    }
}

TEST_CASE("when the window opens: the focus in 编辑框1 with the caret at 0, the timer idle")
{
    OpenMainWindow open;
    CHECK(GetFocus() == 编辑框1.window);
    DWORD start = 1, end = 1;
    SendMessageA(编辑框1.window, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    CHECK(start == 0);
    CHECK(end == 0);
    CHECK(SendMessageA(编辑框1.window, EM_GETLIMITTEXT, 0, 0) > 30000);   // not the default limit
    CHECK(TimerPeriod(时钟1) == 0);
    CHECK_FALSE(IsDisabled(按钮1));
    PumpFor(300);
    CHECK(handled.ticks == 0);
    CHECK(handled.created == 1);
}
