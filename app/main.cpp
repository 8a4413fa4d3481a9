#include <windows.h>

static LRESULT CALLBACK MainProc(HWND w, UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_DESTROY: PostQuitMessage(0); return 0;
    }
    return DefWindowProcA(w, msg, wp, lp);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = MainProc;
    wc.hInstance = instance;
    wc.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
    wc.lpszClassName = "ClickerMain";
    RegisterClassA(&wc);
    CreateWindowA("ClickerMain", "鼠标左键连点器", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 305, 313, nullptr, nullptr, instance, nullptr);
    MSG m;
    while (GetMessageA(&m, nullptr, 0, 0) > 0) { TranslateMessage(&m); DispatchMessageA(&m); }
    return (int)m.wParam;
}
