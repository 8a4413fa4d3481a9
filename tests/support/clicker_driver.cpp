#include "clicker_driver.h"

#include <cstdlib>

std::string ClickerPath()
{
    const char* configured = std::getenv("CLICKER_EXE");
    std::string path = configured ? configured : "clicker.exe";
    if (!path.empty() && path[0] == '/') {
        std::string mapped = "Z:";
        for (char c : path) mapped += (c == '/') ? '\\' : c;
        path = mapped;
    }
    return path;
}

namespace {

struct WindowSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindMainWindow(HWND w, LPARAM p)
{
    auto* search = reinterpret_cast<WindowSearch*>(p);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    char caption[64] = {};
    GetWindowTextA(w, caption, sizeof caption);
    if (pid == search->processId && IsWindowVisible(w) && std::string(caption) == "鼠标左键连点器") {
        search->found = w;
        return FALSE;
    }
    return TRUE;
}

} // namespace

Clicker StartClicker()
{
    Clicker clicker;
    std::string commandLine = "\"";
    commandLine += ClickerPath();
    commandLine += '"';
    clicker.child = StartChild(commandLine);
    if (!clicker.child.started) return clicker;
    clicker.processId = clicker.child.info.dwProcessId;
    WaitUntil([&] {
        WindowSearch search{clicker.processId, nullptr};
        EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&search));
        clicker.window = search.found;
        return clicker.window != nullptr;
    }, 30000);
    return clicker;
}

DWORD CloseClicker(Clicker& clicker)
{
    if (clicker.window) PostMessageA(clicker.window, WM_CLOSE, 0, 0);
    DWORD code = WaitChild(clicker.child, 30000);
    clicker.window = nullptr;
    return code;
}

HWND ControlOf(const Clicker& clicker, int id) { return GetDlgItem(clicker.window, id); }

bool Clicking(const Clicker& clicker) { return !IsWindowEnabled(ControlOf(clicker, StartButton)); }

void SetTextOf(HWND window, const std::string& text)
{
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                        SMTO_ABORTIFHUNG, 5000, &result);
}

int TestCount(const Clicker& clicker) { return std::atoi(TextOf(ControlOf(clicker, TestCountBox)).c_str()); }

void ClickControl(const Clicker& clicker, int id)
{
    POINT p = CenterOf(ControlOf(clicker, id));
    ClickAt(p.x, p.y);
}

void ParkPointerOn(const Clicker& clicker, int id)
{
    POINT p = CenterOf(ControlOf(clicker, id));
    MovePointerTo(p.x, p.y);
}

std::vector<SeenBox> ClickerBoxes(const Clicker& clicker)
{
    std::vector<SeenBox> boxes;
    for (HWND box : FindBoxes(clicker.processId)) boxes.push_back(ReadBox(box));
    return boxes;
}

bool WaitForBoxes(const Clicker& clicker, size_t count, DWORD timeoutMs)
{
    return WaitUntil([&] { return FindBoxes(clicker.processId).size() == count; }, timeoutMs);
}
