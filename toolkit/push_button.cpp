// Push buttons: the system's "BUTTON" class as an ordinary (not default) push
// button, subclassed only for our keyboard navigation. BN_CLICKED reaches the
// window procedure, which raises the clicked event. The disabled flag is
// EnableWindow: a disabled button is greyed, takes no clicks and no focus.
#include "loaded_windows.h"

namespace {

WNDPROC buttonClassProc = nullptr;   // the same for every BUTTON window

LRESULT CALLBACK ButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (HandleTabKey(button, message, wParam)) return 0;
    return CallWindowProcA(buttonClassProc, button, message, wParam, lParam);
}

} // namespace

HWND CreateButton(HWND parent, const ControlDescription& row)
{
    HWND button = CreateWindowExA(
        0, "BUTTON", row.text,
        WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE, row.left,
        row.top, row.width, row.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)),
        GetModuleHandleA(nullptr), nullptr);
    if (!button) return nullptr;
    SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    buttonClassProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ButtonProc)));
    return button;
}

void SetDisabled(Control& control, bool disabled)
{
    control.disabled = disabled;
    if (control.window) EnableWindow(control.window, disabled ? FALSE : TRUE);
}

bool IsDisabled(const Control& control)
{
    return control.window ? !IsWindowEnabled(control.window) : control.disabled;
}
