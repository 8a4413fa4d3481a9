// Top-level windows built from a WindowDescription with CreateWindowExA. The build
// runs in a fixed order (hidden window, controls in table order, z-order,
// controls shown, created event, window shown), so that the created handler
// sees every control but nothing is on screen yet. The window procedure turns
// WM_COMMAND into clicked events and integer-box normalisation, paints the
// COLOR_BTNFACE background, colours the edit boxes, keeps the keyboard focus,
// and posts WM_QUIT (exit code 0) when the last loaded window is gone.
#include "loaded_windows.h"

#include <cstring>

namespace {

std::vector<LoadedWindow> loadedWindows;

// Edit boxes show black on white whatever the system colours are.
LRESULT EditBoxColours(HDC dc)
{
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
}

void PaintBackground(HWND window, HDC dc)
{
    RECT client;
    GetClientRect(window, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
}

void OnCommand(HWND window, WPARAM wParam, LPARAM lParam)
{
    HWND control = reinterpret_cast<HWND>(lParam);
    const ControlDescription* row = control ? FindControlDescription(control) : nullptr;
    LoadedWindow* loaded = FindLoadedWindow(window);
    if (!row || !loaded) return;
    switch (HIWORD(wParam)) {
    case BN_CLICKED:
        if (row->kind == ControlKind::Button) RaiseEvent(loaded->description, row->name, Event::Clicked);
        break;
    case EN_KILLFOCUS:
        if (row->kind == ControlKind::EditBox && (row->options & IntegerOnly)) NormaliseIntegerBox(control);
        break;
    }
}

void OnActivate(HWND window, WPARAM wParam)
{
    LoadedWindow* loaded = FindLoadedWindow(window);
    if (!loaded) return;
    if (LOWORD(wParam) == WA_INACTIVE) SaveFocus(*loaded);
    else RestoreFocus(*loaded);
}

// The window and its controls are gone: the program's Controls say so.
void ForgetWindow(HWND window)
{
    for (size_t i = 0; i < loadedWindows.size(); ++i) {
        if (loadedWindows[i].window != window) continue;
        const WindowDescription& description = loadedWindows[i].description;
        for (int c = 0; c < description.controlCount; ++c) *description.controls[c].control = Control{};
        *description.control = Control{};
        loadedWindows.erase(loadedWindows.begin() + static_cast<std::ptrdiff_t>(i));
        if (loadedWindows.empty()) PostQuitMessage(0);
        return;
    }
}

LRESULT CALLBACK LoadedWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND:
        PaintBackground(window, reinterpret_cast<HDC>(wParam));
        return 1;
    case WM_CTLCOLOREDIT:
        return EditBoxColours(reinterpret_cast<HDC>(wParam));
    case WM_COMMAND:
        OnCommand(window, wParam, lParam);
        return 0;
    case WM_ACTIVATE:
        OnActivate(window, wParam);   // instead of the default, which focuses the window itself
        return 0;
    case WM_SETFOCUS:
        if (LoadedWindow* loaded = FindLoadedWindow(window)) RestoreFocus(*loaded);
        return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        // Reaches the window when it has the focus itself, or (as WM_SYSKEYDOWN)
        // when nothing has it, as after the focused button was disabled.
        if (wParam == VK_TAB && !(HIWORD(lParam) & KF_ALTDOWN)) {
            MoveFocusByTab(window, GetKeyState(VK_SHIFT) < 0);
            return 0;
        }
        break;
    case WM_NCDESTROY:
        ForgetWindow(window);
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool RegisterWindowClass(const WindowDescription& description)
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    return RegisterClassOnce(instance, description.className, LoadedWindowProc,
                             CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS, 0, ClassLook::Visible);
}

void SetIcons(HWND window, const char* resource)
{
    if (!resource) return;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    // Shared icons of the system's standard sizes: the system frees them.
    HANDLE big = LoadImageA(instance, resource, IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                            GetSystemMetrics(SM_CYICON), LR_SHARED);
    HANDLE small = LoadImageA(instance, resource, IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                              GetSystemMetrics(SM_CYSMICON), LR_SHARED);
    if (big) SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    if (small) SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
}

HWND CreateControl(HWND parent, const ControlDescription& row)
{
    switch (row.kind) {
    case ControlKind::Label: return CreateLabel(parent, row);
    case ControlKind::EditBox: return CreateEditBox(parent, row);
    case ControlKind::Button: return CreateButton(parent, row);
    case ControlKind::Timer: return CreateTimer(parent, row);
    }
    return nullptr;
}

// Each control lies directly below the one created after it; the last is on top.
void StackControls(const WindowDescription& description)
{
    for (int c = description.controlCount - 1; c >= 0; --c) {
        HWND above = c == description.controlCount - 1 ? HWND_TOP : description.controls[c + 1].control->window;
        SetWindowPos(description.controls[c].control->window, above, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

} // namespace

LoadedWindow* FindLoadedWindow(HWND window)
{
    for (LoadedWindow& loaded : loadedWindows)
        if (loaded.window == window) return &loaded;
    return nullptr;
}

const ControlDescription* FindControlDescription(HWND control)
{
    LoadedWindow* loaded = FindLoadedWindow(GetParent(control));
    if (!loaded) return nullptr;
    for (int c = 0; c < loaded->description.controlCount; ++c)
        if (loaded->description.controls[c].control->window == control) return &loaded->description.controls[c];
    return nullptr;
}

void StopAllTimers()
{
    for (LoadedWindow& loaded : loadedWindows)
        for (int c = 0; c < loaded.description.controlCount; ++c)
            if (loaded.description.controls[c].kind == ControlKind::Timer) SetTimerPeriod(*loaded.description.controls[c].control, 0);
}

void RaiseEvent(const WindowDescription& description, const char* source, Event event)
{
    for (int e = 0; e < description.eventCount; ++e) {
        const EventBinding& binding = description.events[e];
        if (binding.event == event && std::strcmp(binding.source, source) == 0) binding.handler();
    }
}

bool LoadWindow(const WindowDescription& description)
{
    if (!RegisterWindowClass(description)) return false;

    // The whole screen counts, not the work area.
    int left = (GetSystemMetrics(SM_CXSCREEN) - description.width) / 2;
    int top = (GetSystemMetrics(SM_CYSCREEN) - description.height) / 2;
    HWND window = CreateWindowExA(0, description.className, description.caption, description.style, left, top, description.width,
                                  description.height, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!window) return false;
    loadedWindows.push_back(LoadedWindow{window, description, nullptr});
    description.control->window = window;
    RECT outer;
    GetWindowRect(window, &outer);
    if (outer.right - outer.left != description.width || outer.bottom - outer.top != description.height)
        MoveWindow(window, left, top, description.width, description.height, FALSE);

    SetIcons(window, description.iconResource);
    SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);

    for (int c = 0; c < description.controlCount; ++c) {
        const ControlDescription& row = description.controls[c];
        *row.control = Control{};
        row.control->window = CreateControl(window, row);
        if (!row.control->window) {
            DestroyWindow(window);
            return false;
        }
    }
    StackControls(description);
    for (int c = 0; c < description.controlCount; ++c)
        if (description.controls[c].kind != ControlKind::Timer) ShowWindow(description.controls[c].control->window, SW_SHOWNA);

    RaiseEvent(description, description.name, Event::Created);
    if (IsWindow(window)) ShowWindow(window, SW_SHOW);   // unless the created handler closed it
    return true;
}

HWND NativeHandle(const Control& control)
{
    return control.window && IsWindow(control.window) ? control.window : nullptr;
}

bool RegisterClassOnce(HINSTANCE instance, const char* name, WNDPROC procedure, UINT style,
                       int extraBytes, ClassLook look)
{
    WNDCLASSEXA known{};
    known.cbSize = sizeof known;
    if (GetClassInfoExA(instance, name, &known)) return true;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = style;
    wc.lpfnWndProc = procedure;
    wc.cbWndExtra = extraBytes;
    wc.hInstance = instance;
    if (look == ClassLook::Visible) {
        wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    }
    wc.lpszClassName = name;
    return RegisterClassExA(&wc) != 0;
}
