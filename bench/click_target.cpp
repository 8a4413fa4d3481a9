// The click target's thread takes messages until it is told to hold or to
// end. A hold is taken between two messages: the thread then waits on an
// event instead of its queue, and when released it destroys its window and
// ends without reading what came meanwhile.
#include "click_target.h"

#include <atomic>
#include <mutex>

#include "bench_clock.h"
#include "desktop.h"

namespace {

const UINT holdNowMessage = WM_APP + 1;
const UINT focusMessage = WM_APP + 2;
const RECT targetPlace = {20, 20, 340, 260};   // clear of the clicker, which opens centred

HANDLE thread = nullptr;
DWORD threadId = 0;
HANDLE ready = nullptr, held = nullptr, released = nullptr;
std::atomic<HWND> window{nullptr};

std::atomic<int> presses{0};
std::mutex timesLock;
std::vector<DWORD> pressTimes;

std::atomic<bool> holdAtPress{false};
bool holding = false;          // the target thread's own
double heldAt = 0;          // written before `held` is set, read after

void OnPress()
{
    {
        std::lock_guard<std::mutex> hold(timesLock);
        pressTimes.push_back(static_cast<DWORD>(GetMessageTime()));
    }
    ++presses;
    if (holdAtPress.exchange(false)) {
        heldAt = NowMs();
        holding = true;
    }
}

LRESULT CALLBACK TargetProc(HWND w, UINT message, WPARAM wp, LPARAM lp)
{
    switch (message) {
    case WM_LBUTTONDOWN: OnPress(); return 0;
    case WM_PAINT: ValidateRect(w, nullptr); return 0;   // nothing to draw, ever
    case WM_ERASEBKGND: return 1;
    case holdNowMessage:
        heldAt = NowMs();
        holding = true;
        return 0;
    case focusMessage:
        SetForegroundWindow(w);
        SetFocus(w);
        return 0;
    }
    return DefWindowProcA(w, message, wp, lp);
}

const char* TargetClass()
{
    static const char* name = [] {
        // No CS_DBLCLKS: every press arrives as WM_LBUTTONDOWN. No background brush.
        WNDCLASSA wc{};
        wc.lpfnWndProc = TargetProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        wc.lpszClassName = "BenchClickTarget";
        RegisterClassA(&wc);
        return wc.lpszClassName;
    }();
    return name;
}

DWORD WINAPI TargetThread(void*)
{
    HWND w = CreateWindowExA(WS_EX_TOPMOST, TargetClass(), "click target", WS_POPUP | WS_VISIBLE,
                             targetPlace.left, targetPlace.top, targetPlace.right - targetPlace.left,
                             targetPlace.bottom - targetPlace.top, nullptr, nullptr, GetModuleHandleA(nullptr),
                             nullptr);
    window = w;
    SetEvent(ready);
    if (!w) return 1;
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        DispatchMessageA(&msg);
        if (holding) {
            SetEvent(held);
            WaitForSingleObject(released, INFINITE);
            break;
        }
    }
    DestroyWindow(w);
    return 0;
}

} // namespace

bool OpenClickTarget()
{
    CloseClickTarget();
    presses = 0;
    {
        std::lock_guard<std::mutex> hold(timesLock);
        pressTimes.clear();
    }
    holdAtPress = false;
    holding = false;
    ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    held = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    released = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    thread = CreateThread(nullptr, 0, TargetThread, nullptr, 0, &threadId);
    if (!thread || WaitForSingleObject(ready, 30000) != WAIT_OBJECT_0 || !window) {
        CloseClickTarget();
        return false;
    }
    ParkPointerOnTarget();
    // Its first paint and the pointer's arrival are handled before anything is measured.
    return WaitUntil([] {
        DWORD_PTR result = 0;
        return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 1000, &result) != 0;
    }, 10000);
}

void CloseClickTarget()
{
    if (thread) {
        SetEvent(released);
        PostThreadMessageA(threadId, WM_QUIT, 0, 0);
        if (WaitForSingleObject(thread, 30000) != WAIT_OBJECT_0) TerminateThread(thread, 1);
        CloseHandle(thread);
        thread = nullptr;
    }
    for (HANDLE* event : {&ready, &held, &released}) {
        if (*event) CloseHandle(*event);
        *event = nullptr;
    }
    window = nullptr;
}

HWND ClickTargetWindow() { return window; }

void ParkPointerOnTarget()
{
    MovePointerTo((targetPlace.left + targetPlace.right) / 2, (targetPlace.top + targetPlace.bottom) / 2);
}

bool FocusClickTarget()
{
    HWND w = window;
    if (!w) return false;
    PostMessageA(w, focusMessage, 0, 0);
    return WaitUntil([w] { return GetForegroundWindow() == w; }, 10000);
}

int TargetPresses() { return presses; }

std::vector<DWORD> TargetPressTimes()
{
    std::lock_guard<std::mutex> hold(timesLock);
    return pressTimes;
}

bool WaitTargetQuiet(DWORD quietMs, DWORD timeoutMs)
{
    int last = presses;
    DWORD since = GetTickCount();
    return WaitUntil([&] {
        int now = presses;
        if (now != last) {
            last = now;
            since = GetTickCount();
        }
        return GetTickCount() - since >= quietMs;
    }, timeoutMs);
}

void HoldTargetAtNextPress() { holdAtPress = true; }

void HoldTargetNow()
{
    if (window) PostMessageA(window, holdNowMessage, 0, 0);
}

double WaitTargetHeld(DWORD timeoutMs)
{
    if (!held) return -1;
    // Wakes at the hold itself, not at the next round of a polling wait, and
    // keeps this thread's own windows answering meanwhile.
    DWORD start = GetTickCount();
    for (;;) {
        DWORD spent = GetTickCount() - start;
        if (spent >= timeoutMs) return -1;
        DWORD woke = MsgWaitForMultipleObjects(1, &held, FALSE, timeoutMs - spent, QS_ALLINPUT);
        if (woke == WAIT_OBJECT_0) return heldAt;
        if (woke != WAIT_OBJECT_0 + 1) return -1;
        DispatchPending();
    }
}
