// F8 and F9 as Start and Stop from any program: bound to the main window when
// it is created, before it shows, so the window is named explicitly.
#include "hotkey_wiring.h"

#include "clicker_controller.h"
#include "main_window.h"
#include "util/hotkey_registry.h"

namespace {

// The hot keys' identifiers are these texts' addresses: they stay put, unchanged, for the run.
const Text StartHotKeyText = "开始";
const Text StopHotKeyText = "停止";

} // namespace

void OnMainWindowCreated()
{
    TestClickCount = 0;
    // A key that another program holds already is simply not ours; nothing to say.
    窗口_热键注册(NativeHandle(MainWindow), std::nullopt, VK_F8, OnStartHotKey, StartHotKeyText);
    窗口_热键注册(NativeHandle(MainWindow), std::nullopt, VK_F9, OnStopHotKey, StopHotKeyText);
}

LRESULT CALLBACK OnStartHotKey(HWND, UINT, WPARAM, LPARAM)
{
    OnStartClicked();
    return 0;
}

LRESULT CALLBACK OnStopHotKey(HWND, UINT, WPARAM, LPARAM)
{
    OnStopClicked();
    return 0;
}
