// Keyboard focus in a loaded window, without the dialog manager (which would
// select an edit box's whole text on Tab and let Enter press a button). Tab
// and Shift+Tab walk the edit boxes and buttons that are visible and enabled,
// in creation order, round at either end. The window remembers its focused
// control while it is inactive and gives the focus back when it is activated
// again; the first control of the tab order gets it when none had it.
#include "loaded_windows.h"

namespace {

bool TakesTab(const ControlDescription& row)
{
    if (row.kind != ControlKind::EditBox && row.kind != ControlKind::Button) return false;
    HWND control = row.control->window;
    // The style bit, not IsWindowVisible: the order holds while the window is hidden too.
    return control && (GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE) && IsWindowEnabled(control);
}

// The next (or previous) control of the tab order after position `from`, round
// at the ends; `from` -1 starts before the first control. Null when none takes Tab.
HWND NextInTabOrder(const WindowDescription& description, int from, bool backwards)
{
    int count = description.controlCount;
    if (count == 0) return nullptr;
    if (from < 0) from = backwards ? 0 : count - 1;
    for (int step = 1; step <= count; ++step) {
        int c = ((backwards ? from - step : from + step) % count + count) % count;
        if (TakesTab(description.controls[c])) return description.controls[c].control->window;
    }
    return nullptr;
}

int PositionOf(const WindowDescription& description, HWND control)
{
    for (int c = 0; c < description.controlCount; ++c)
        if (description.controls[c].control->window == control) return c;
    return -1;
}

} // namespace

void MoveFocusByTab(HWND from, bool backwards)
{
    LoadedWindow* loaded = FindLoadedWindow(from);
    if (!loaded) loaded = FindLoadedWindow(GetParent(from));
    if (!loaded) return;
    HWND next = NextInTabOrder(loaded->description, PositionOf(loaded->description, from), backwards);
    if (next) SetFocus(next);
}

void SaveFocus(LoadedWindow& loaded)
{
    HWND focus = GetFocus();
    if (focus && IsChild(loaded.window, focus)) loaded.focusWhileInactive = focus;
}

void RestoreFocus(LoadedWindow& loaded)
{
    if (IsIconic(loaded.window)) return;
    HWND remembered = loaded.focusWhileInactive;
    loaded.focusWhileInactive = nullptr;
    int position = PositionOf(loaded.description, remembered);
    if (position >= 0 && TakesTab(loaded.description.controls[position])) {
        SetFocus(remembered);
        return;
    }
    if (HWND first = NextInTabOrder(loaded.description, -1, false)) SetFocus(first);
}

bool HandleTabKey(HWND control, UINT message, WPARAM wParam)
{
    if (wParam != VK_TAB) return false;
    switch (message) {
    case WM_KEYDOWN:
        if (GetKeyState(VK_CONTROL) < 0) return false;
        MoveFocusByTab(control, GetKeyState(VK_SHIFT) < 0);
        return true;
    case WM_CHAR:
        return true;   // the tab character that TranslateMessage made of it
    }
    return false;
}
