// What the window shows on the screen: the labels' words in the gaps of the
// top row, COLOR_BTNFACE behind them, black on white in the edit boxes even
// when the system colours say otherwise.
#include <doctest/doctest.h>

#include <vector>

#include "desktop.h"
#include "main_window_fixture.h"

namespace {

// The main window's client area as it stands on the screen, pixel by pixel.
struct Screen {
    int width = 0, height = 0;
    std::vector<COLORREF> pixels;
    COLORREF At(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
};

Screen CaptureClient()
{
    Screen shot;
    RECT client;
    GetClientRect(MainWindow.window, &client);
    shot.width = client.right;
    shot.height = client.bottom;
    POINT origin{0, 0};
    ClientToScreen(MainWindow.window, &origin);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = shot.width;
    info.bmiHeader.biHeight = -shot.height;   // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, shot.width, shot.height, screen, origin.x, origin.y, SRCCOPY);
    GdiFlush();
    const auto* bgra = static_cast<const BYTE*>(bits);
    for (int i = 0; i < shot.width * shot.height; ++i)
        shot.pixels.push_back(RGB(bgra[4 * i + 2], bgra[4 * i + 1], bgra[4 * i]));
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return shot;
}

bool IsInk(COLORREF c) { return GetRValue(c) < 160 && GetGValue(c) < 160 && GetBValue(c) < 160; }

int InkIn(const Screen& shot, RECT area)
{
    int ink = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) ink += IsInk(shot.At(x, y));
    return ink;
}

void Repaint()
{
    RedrawWindow(MainWindow.window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpFor(200);
}

// Sets two system colours for a while and puts them back.
struct SystemColours {
    int elements[2] = {COLOR_WINDOW, COLOR_WINDOWTEXT};
    COLORREF saved[2];
    SystemColours(COLORREF window, COLORREF text)
    {
        for (int i = 0; i < 2; ++i) saved[i] = GetSysColor(elements[i]);
        COLORREF changed[2] = {window, text};
        SetSysColors(2, elements, changed);
    }
    ~SystemColours() { SetSysColors(2, elements, saved); }
};

} // namespace

TEST_CASE("the top row reads as one sentence: words before, between and after the two boxes")
{
    OpenMainWindow open;
    struct Gap {
        const char* words;
        RECT area;   // client coordinates, within 标签1 and outside both boxes
    };
    const Gap gaps[] = {
        {"每", {16, 16, 30, 48}},
        {"毫秒，点击", {110, 16, 175, 48}},
        {"次", {255, 16, 280, 48}},
    };
    Screen shot;
    bool painted = WaitUntil([&] {
        shot = CaptureClient();
        for (const Gap& g : gaps)
            if (InkIn(shot, g.area) == 0) return false;
        return true;
    }, 10000);
    for (const Gap& g : gaps) CHECK_MESSAGE(InkIn(shot, g.area) > 3, "no words in the gap of " << std::string(g.words));
    CHECK(painted);
    // The label's background and the window's.
    COLORREF face = GetSysColor(COLOR_BTNFACE);
    CHECK(shot.At(18, 45) == face);
    CHECK(shot.At(2, 2) == face);
    CHECK(shot.At(shot.width - 3, shot.height - 3) == face);
}

TEST_CASE("edit boxes show black on white whatever the system colours")
{
    OpenMainWindow open;
    SystemColours navyAndYellow(RGB(0, 0, 128), RGB(255, 255, 0));
    Repaint();
    Screen shot;
    RECT box;
    GetClientRect(编辑框1.window, &box);
    MapWindowPoints(编辑框1.window, MainWindow.window, reinterpret_cast<POINT*>(&box), 2);
    bool white = WaitUntil([&] {
        shot = CaptureClient();
        return shot.At(box.right - 3, box.bottom - 3) == RGB(255, 255, 255);
    }, 10000);
    CHECK(white);
    // The digits: grey shades of black only, nothing of the yellow.
    int dark = 0, coloured = 0;
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.left + 30; ++x) {
            COLORREF c = shot.At(x, y);
            int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
            if (r < 230 && g < 230 && b < 230) ++dark;
            if (r - b > 40 || g - b > 40 || b - r > 40) ++coloured;
        }
    CHECK(dark > 5);
    CHECK(coloured == 0);
}
