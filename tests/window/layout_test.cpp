// The main window and its thirteen controls against their tables: class,
// place and size, text, styles, fonts, visibility and z-order.
#include <doctest/doctest.h>

#include <string>
#include <vector>

#include "desktop.h"
#include "main_window_fixture.h"

namespace {

std::string ClassOf(HWND w)
{
    char name[64] = {};
    GetClassNameA(w, name, sizeof name);
    return name;
}

std::string TextOf(HWND w)
{
    char text[512] = {};
    GetWindowTextA(w, text, sizeof text);
    return text;
}

const DWORD labelStyle = WS_CHILD | WS_CLIPSIBLINGS;
const DWORD editStyle = WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;
const DWORD timerStyle = WS_CHILD | WS_CLIPSIBLINGS;
const DWORD buttonStyle =
    WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE;

struct Row {
    Control* control;
    const char* className;
    int left, top, width, height, id;
    const char* text;
    DWORD style;     // without WS_VISIBLE
    DWORD exStyle;
    bool visible;
};

const char* const note = "  注： 点击“开始”按钮或使用快捷键F8后，将鼠标指针移动到“点击次数测试”按钮，即可测试出鼠标的"
                         "点击速度，点击“停止”按钮即停止点击。";

// In creation order, which is the z-order from the bottom up.
const Row rows[] = {
    {&标签1, "Label", 16, 16, 264, 32, 100, "每              毫秒，点击               次", labelStyle, 0, true},
    {&编辑框1, "Edit", 30, 20, 80, 24, 110, "100", editStyle, WS_EX_CLIENTEDGE, true},
    {&编辑框2, "Edit", 175, 20, 80, 24, 120, "1", editStyle, WS_EX_CLIENTEDGE, true},
    {&标签2, "Label", 56, 48, 128, 32, 130, "注：1 秒 = 1000 毫秒", labelStyle, 0, true},
    {&按钮1, "Button", 24, 88, 112, 40, 140, "开始(F8)", buttonStyle, 0, true},
    {&按钮2, "Button", 160, 88, 112, 40, 150, "停止(F9)", buttonStyle, 0, true},
    {&时钟1, "Timer", 192, 48, 40, 24, 160, "", timerStyle, 0, false},
    {&按钮3, "Button", 168, 163, 96, 24, 170, "点击次数测试", buttonStyle, 0, true},
    {&标签3, "Label", 16, 160, 96, 32, 180, "次数：", labelStyle, 0, true},
    {&编辑框3, "Edit", 48, 164, 104, 24, 190, "", editStyle, WS_EX_CLIENTEDGE, true},
    {&标签4, "Label", 24, 200, 232, 56, 200, note, labelStyle, 0, true},
    {&标签5, "Label", 152, 264, 144, 16, 210, "【Quorvane】by : veltik", labelStyle, 0, true},
    {&标签6, "Label", 56, 128, 152, 32, 220, "快捷键：开始F8，停止F9", labelStyle, 0, true},
};
const size_t rowCount = sizeof rows / sizeof rows[0];

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
    for (const Row& row : rows) {
        HWND c = row.control->window;
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
    REQUIRE(topDown.size() == rowCount);
    for (size_t i = 0; i < rowCount; ++i)
        CHECK_MESSAGE(topDown[rowCount - 1 - i] == rows[i].control->window,
                      "place " << i << " from the bottom holds " << NameOf(topDown[rowCount - 1 - i]));
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
