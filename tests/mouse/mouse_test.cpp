// SimulateMouseButton as the system's input stream sees it: a low-level mouse
// hook of the test records every event that reaches the stream, and a window of
// the test lies under the pointer to receive them.
#include <doctest/doctest.h>

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "desktop.h"
#include "test_window.h"
#include "util/mouse.h"

namespace {

constexpr DWORD LD = MOUSEEVENTF_LEFTDOWN, LU = MOUSEEVENTF_LEFTUP;
constexpr DWORD RD = MOUSEEVENTF_RIGHTDOWN, RU = MOUSEEVENTF_RIGHTUP;
constexpr DWORD MD = MOUSEEVENTF_MIDDLEDOWN, MU = MOUSEEVENTF_MIDDLEUP;

// An event as the low-level hook saw it, turned back into its mouse_event flag.
struct Injected {
    DWORD flag;
    POINT at;
    DWORD time;
    bool injected;
    ULONG_PTR extraInfo;
};

// Marks the end of a case's events: a wheel event with this extra info.
constexpr ULONG_PTR endMark = 0x5E47;

std::vector<Injected> stream;
bool endSeen = false;

DWORD FlagOf(WPARAM message)
{
    switch (message) {
    case WM_LBUTTONDOWN: return LD;
    case WM_LBUTTONUP: return LU;
    case WM_RBUTTONDOWN: return RD;
    case WM_RBUTTONUP: return RU;
    case WM_MBUTTONDOWN: return MD;
    case WM_MBUTTONUP: return MU;
    case WM_MOUSEMOVE: return MOUSEEVENTF_MOVE;
    case WM_MOUSEWHEEL: return MOUSEEVENTF_WHEEL;
    }
    return 0x80000000 | static_cast<DWORD>(message);
}

LRESULT CALLBACK RecordInput(int code, WPARAM message, LPARAM info)
{
    if (code == HC_ACTION) {
        const auto* mouse = reinterpret_cast<const MSLLHOOKSTRUCT*>(info);
        if (message == WM_MOUSEWHEEL && mouse->dwExtraInfo == endMark) {
            endSeen = true;
        } else {
            stream.push_back(Injected{FlagOf(message), mouse->pt, mouse->time,
                                      (mouse->flags & LLMHF_INJECTED) != 0, mouse->dwExtraInfo});
        }
    }
    return CallNextHookEx(nullptr, code, message, info);
}

// Watches the input stream for as long as it lives.
struct InputWatch {
    HHOOK hook;
    InputWatch() : hook(SetWindowsHookExA(WH_MOUSE_LL, RecordInput, GetModuleHandleA(nullptr), 0))
    {
        stream.clear();
    }
    ~InputWatch() { UnhookWindowsHookEx(hook); }
};

// Everything the stream carried up to now: an end mark is injected and waited for.
std::vector<Injected> TakeStream()
{
    endSeen = false;
    mouse_event(MOUSEEVENTF_WHEEL, 0, 0, 0, endMark);
    bool ended = WaitUntil([] { return endSeen; });
    CHECK_MESSAGE(ended, "the end mark never came through the input stream");
    std::vector<Injected> taken = stream;
    stream.clear();
    return taken;
}

std::string Describe(const std::vector<DWORD>& flags)
{
    std::string text;
    for (DWORD flag : flags) {
        const char* name = flag == LD ? "LEFTDOWN" : flag == LU ? "LEFTUP" : flag == RD ? "RIGHTDOWN"
                         : flag == RU ? "RIGHTUP" : flag == MD ? "MIDDLEDOWN" : flag == MU ? "MIDDLEUP"
                         : flag == MOUSEEVENTF_MOVE ? "MOVE" : "OTHER";
        text += text.empty() ? name : std::string(" ") + name;
    }
    return "[" + text + "]";
}

std::string Describe(std::optional<int32_t> code)
{
    return code ? std::to_string(*code) : std::string("missing");
}

std::vector<DWORD> FlagsOf(const std::vector<Injected>& events)
{
    std::vector<DWORD> flags;
    for (const Injected& e : events) flags.push_back(e.flag);
    return flags;
}

} // namespace

TEST_CASE("each button and action puts exactly its events into the input stream")
{
    OpenTestWindow();
    POINT pointer;
    GetCursorPos(&pointer);
    InputWatch watch;

    struct Case {
        std::optional<int32_t> button, action;
        std::vector<DWORD> want;
    };
    const std::optional<int32_t> missing;
    // Ordered so that every press-only case is followed by the release of its button.
    const Case cases[] = {
        {missing, missing, {LD, LU}},   {missing, 1, {LD, LU}},    {1, missing, {LD, LU}},
        {missing, 3, {LD}},             {missing, 4, {LU}},        {2, missing, {RD, RU}},
        {3, missing, {MD, MU}},         {4, missing, {}},          {-1, missing, {}},
        {missing, 5, {}},               {missing, 2, {LD, LU, LD, LU}},

        {-1, -1, {}}, {-1, 0, {}}, {-1, 1, {}}, {-1, 2, {}}, {-1, 3, {}}, {-1, 4, {}}, {-1, 5, {}},
        {0, -1, {}}, {0, 0, {LD, LU}}, {0, 1, {LD, LU}}, {0, 2, {LD, LU, LD, LU}},
        {0, 3, {LD}}, {0, 4, {LU}}, {0, 5, {}},
        {1, -1, {}}, {1, 0, {LD, LU}}, {1, 1, {LD, LU}}, {1, 2, {LD, LU, LD, LU}},
        {1, 3, {LD}}, {1, 4, {LU}}, {1, 5, {}},
        {2, -1, {}}, {2, 0, {RD, RU}}, {2, 1, {RD, RU}}, {2, 2, {RD, RU, RD, RU}},
        {2, 3, {RD}}, {2, 4, {RU}}, {2, 5, {}},
        {3, -1, {}}, {3, 0, {MD, MU}}, {3, 1, {MD, MU}}, {3, 2, {MD, MU, MD, MU}},
        {3, 3, {MD}}, {3, 4, {MU}}, {3, 5, {}},
        {4, -1, {}}, {4, 0, {}}, {4, 1, {}}, {4, 2, {}}, {4, 3, {}}, {4, 4, {}}, {4, 5, {}},
        {INT32_MIN, 0, {}}, {0, INT32_MAX, {}},
    };
    for (const Case& c : cases) {
        SimulateMouseButton(c.button, c.action);
        std::vector<Injected> events = TakeStream();
        std::string row = "button " + Describe(c.button) + ", action " + Describe(c.action);
        CHECK_MESSAGE(FlagsOf(events) == c.want,
                      row << ": came " << Describe(FlagsOf(events)) << ", wanted " << Describe(c.want));
        for (const Injected& e : events) {
            // Injected input at the pointer, which stays where it was.
            CHECK_MESSAGE((e.injected && e.extraInfo == 0), row);
            CHECK_MESSAGE((e.at.x == pointer.x && e.at.y == pointer.y), row);
        }
        POINT now;
        GetCursorPos(&now);
        CHECK_MESSAGE((now.x == pointer.x && now.y == pointer.y), row << ": the pointer moved");
    }
}

TEST_CASE("press only leaves the button down until a release is sent")
{
    OpenTestWindow();
    InputWatch watch;

    struct Case {
        int32_t button;
        int virtualKey;
        UINT down, up;
    };
    const Case cases[] = {
        {1, VK_LBUTTON, WM_LBUTTONDOWN, WM_LBUTTONUP},
        {2, VK_RBUTTON, WM_RBUTTONDOWN, WM_RBUTTONUP},
        {3, VK_MBUTTON, WM_MBUTTONDOWN, WM_MBUTTONUP},
    };
    auto isDown = [](int virtualKey) { return (GetAsyncKeyState(virtualKey) & 0x8000) != 0; };
    for (const Case& c : cases) {
        CAPTURE(c.button);
        ForgetHandled();
        SimulateMouseButton(c.button, 3);
        CHECK(TakeStream().size() == 1);
        CHECK(WaitUntil([&] { return CountHandled(c.down) == 1; }));
        PumpFor(300);
        CHECK(isDown(c.virtualKey));
        CHECK(CountHandled(c.up) == 0);

        SimulateMouseButton(c.button, 4);
        CHECK(TakeStream().size() == 1);
        CHECK(WaitUntil([&] { return CountHandled(c.up) == 1; }));
        CHECK_FALSE(isDown(c.virtualKey));
    }
}

TEST_CASE("a double click pauses the whole double-click time while the window keeps working")
{
    HWND window = OpenTestWindow();
    InputWatch watch;
    const DWORD doubleClickTime = GetDoubleClickTime();
    const UINT_PTR tickId = 7;
    const UINT posted = WM_APP + 1;

    // What the window handles while SimulateMouseButton has not yet returned.
    bool inCall = false;
    int postedInCall = 0, ticksInCall = 0;
    ReactToMessages([&](const Handled& h) {
        if (!inCall) return;
        postedInCall += h.message == posted;
        ticksInCall += h.message == WM_TIMER && h.wParam == tickId;
    });
    SetTimer(window, tickId, 50, nullptr);
    PostMessageA(window, posted, 0, 0);

    inCall = true;
    double start = Clock();
    SimulateMouseButton(0, 2);
    double took = Clock() - start;
    inCall = false;
    KillTimer(window, tickId);
    ReactToMessages(nullptr);

    std::vector<Injected> events = TakeStream();
    REQUIRE(FlagsOf(events) == std::vector<DWORD>{LD, LU, LD, LU});
    // Event times are the system's milliseconds; one may round down against the other.
    DWORD pause = events[2].time - events[1].time;
    INFO("double-click time " << doubleClickTime << " ms, pause " << pause << " ms, call " << took << " ms");
    CHECK(pause + 1 >= doubleClickTime);
    CHECK(pause <= doubleClickTime + 5000);
    CHECK(took + 1 >= doubleClickTime);
    CHECK(postedInCall == 1);
    CHECK(ticksInCall >= 1);
    // The clicks reached the window under the pointer: two presses, two releases.
    CHECK(WaitUntil([] { return CountHandled(WM_LBUTTONUP) == 2; }));
    CHECK(CountHandled(WM_LBUTTONDOWN) + CountHandled(WM_LBUTTONDBLCLK) == 2);
}
