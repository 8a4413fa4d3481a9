// The hot-key registry with real hot keys pressed through injected keyboard
// input. Subclassing happens once per run, so every scenario runs in a fresh
// process: the test cases at the bottom start this program again with one
// scenario selected and read its report. A window's own procedure records what
// reaches it; each bound routine records its calls.
#include <doctest/doctest.h>

#include "desktop.h"
#include "toolkit/toolkit.h"
#include "util/hotkey_registry.h"
#include "util/window_census.h"

#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

// ---- What the windows' own procedures and the bound routines receive ----

struct Received {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

std::vector<Received> ownProcReceived;

LRESULT OwnProcResult(UINT message, WPARAM wParam, LPARAM lParam)
{
    return static_cast<LRESULT>(0x5000000 + message * 7 + wParam * 3 + lParam);
}

// Answers the messages of the table below and WM_HOTKEY itself; the rest as usual.
LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    ownProcReceived.push_back(Received{window, message, wParam, lParam});
    switch (message) {
    case WM_HOTKEY:
    case WM_COMMAND:
    case WM_CLOSE:   // answered without destroying the window
    case WM_APP + 5:
        return OwnProcResult(message, wParam, lParam);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

int OwnProcHotKeys(HWND window)
{
    int count = 0;
    for (const Received& r : ownProcReceived) count += r.window == window && r.message == WM_HOTKEY;
    return count;
}

struct RoutineCall {
    int routine;
    Received message;
};

std::vector<RoutineCall> routineCalls;

LRESULT RoutineResult(int routine) { return 0x7000 + routine; }

template <int N>
LRESULT CALLBACK Routine(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    routineCalls.push_back(RoutineCall{N, Received{window, message, wParam, lParam}});
    return RoutineResult(N);
}

int CallsOf(int routine)
{
    int count = 0;
    for (const RoutineCall& call : routineCalls) count += call.routine == routine;
    return count;
}

// Thread messages (no window) that this thread took from its queue.
std::vector<MSG> threadHotKeys;

LRESULT CALLBACK RecordThreadHotKeys(int code, WPARAM wParam, LPARAM lParam)
{
    const MSG* msg = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && msg->hwnd == nullptr && msg->message == WM_HOTKEY)
        threadHotKeys.push_back(*msg);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// ---- Set-up of one run ----

// Both lists exist, as the program's start-up makes them, and go at the end.
struct Registries {
    Registries()
    {
        HotKeyBindings = new std::vector<HotKeyBinding>;
        WindowCensus = new std::vector<WindowInfo>;
    }
    ~Registries()
    {
        delete HotKeyBindings;
        HotKeyBindings = nullptr;
        delete WindowCensus;
        WindowCensus = nullptr;
    }
};

struct TestWindows {
    std::vector<HWND> made;
    ~TestWindows()
    {
        for (HWND w : made) DestroyWindow(w);
    }
};

HWND MakeWindow(TestWindows& windows, const char* title, bool visible = true)
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = RecordingProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "HotKeyTestWindow";
    RegisterClassA(&wc);
    HWND w = CreateWindowExA(0, wc.lpszClassName, title, WS_OVERLAPPEDWINDOW | (visible ? WS_VISIBLE : 0),
                             80, 80, 240, 120, nullptr, nullptr, wc.hInstance, nullptr);
    REQUIRE_MESSAGE(w != nullptr, "could not create window " << std::string(title));
    windows.made.push_back(w);
    return w;
}

WNDPROC ProcOf(HWND window) { return reinterpret_cast<WNDPROC>(GetWindowLongA(window, GWL_WNDPROC)); }

WPARAM IdentifierOf(const Text& text) { return reinterpret_cast<std::uintptr_t>(text.c_str()); }

// Whether nobody holds the key: this test can register it itself.
bool KeyIsFree(UINT modifiers, UINT virtualKey)
{
    if (!RegisterHotKey(nullptr, 0xB000, modifiers, virtualKey)) return false;
    UnregisterHotKey(nullptr, 0xB000);
    return true;
}

// Presses the key for real and waits until `arrived` holds.
bool PressAndWait(UINT modifiers, BYTE virtualKey, const std::function<bool()>& arrived)
{
    if (modifiers & MOD_SHIFT) KeyDown(VK_SHIFT);
    if (modifiers & MOD_CONTROL) KeyDown(VK_CONTROL);
    TapKey(virtualKey);
    if (modifiers & MOD_CONTROL) KeyUp(VK_CONTROL);
    if (modifiers & MOD_SHIFT) KeyUp(VK_SHIFT);
    return WaitUntil(arrived, 20000);
}

// Identification texts live for the whole run, as the program's literals do.
const Text startText = "开始";
const Text stopText = "停止";
const Text otherText = "其他";
const Text paddedText = " 开始　";    // a blank before, an ideographic space after

const Text blankNotice = "【窗口_热键注册】命令第5个参数【标识文本】不能为空文本";

} // namespace

// ---- Scenarios: each one runs alone in a fresh process ----

TEST_CASE_FIXTURE(Registries, "fresh run: keys bound on a window" * doctest::skip())
{
    TestWindows windows;
    HWND mainWindow = MakeWindow(windows, "main");
    HWND second = MakeWindow(windows, "second");

    REQUIRE(窗口_热键注册(mainWindow, std::nullopt, VK_F8, Routine<1>, startText));
    CHECK((ProcOf(mainWindow) == HotKeyWindowProc));
    CHECK((PreviousWindowProc == RecordingProc));
    REQUIRE(窗口_热键注册(mainWindow, std::nullopt, VK_F9, Routine<2>, stopText));
    // A second subclassing would have made HotKeyWindowProc its own previous procedure.
    CHECK((PreviousWindowProc == RecordingProc));
    REQUIRE(窗口_热键注册(second, std::nullopt, VK_F7, Routine<3>, otherText));
    CHECK((ProcOf(second) == RecordingProc));

    REQUIRE(HotKeyBindings->size() == 3);
    CHECK(ListAt(*HotKeyBindings, 1).window == mainWindow);
    CHECK(ListAt(*HotKeyBindings, 1).text == startText);
    CHECK((ListAt(*HotKeyBindings, 1).routine == Routine<1>));
    CHECK(ListAt(*HotKeyBindings, 3).window == second);
    CHECK(FindBindingByText("停止") == 2);
    CHECK(FindBindingByText("停止 ") == 0);

    struct Press { std::string what; BYTE key; int routine; const Text* text; };
    const Press presses[] = {
        {"F8", VK_F8, 1, &startText},
        {"F9", VK_F9, 2, &stopText},
        {"F8 again", VK_F8, 1, &startText},
    };
    for (const Press& p : presses) {
        size_t before = routineCalls.size();
        REQUIRE_MESSAGE(PressAndWait(0, p.key, [&] { return routineCalls.size() > before; }), p.what);
        const RoutineCall& call = routineCalls.back();
        CHECK_MESSAGE(call.routine == p.routine, p.what);
        CHECK_MESSAGE(call.message.window == mainWindow, p.what);
        CHECK_MESSAGE(call.message.message == WM_HOTKEY, p.what);
        CHECK_MESSAGE(call.message.wParam == IdentifierOf(*p.text), p.what);
        CHECK_MESSAGE(call.message.lParam == MAKELPARAM(0, p.key), p.what);
    }
    CHECK(OwnProcHotKeys(mainWindow) == 0);

    // The routine's result is the message's result.
    CHECK(SendMessageA(mainWindow, WM_HOTKEY, IdentifierOf(startText), MAKELPARAM(0, VK_F8)) == RoutineResult(1));
    CHECK(SendMessageA(mainWindow, WM_HOTKEY, IdentifierOf(stopText), MAKELPARAM(0, VK_F9)) == RoutineResult(2));
    CHECK(OwnProcHotKeys(mainWindow) == 0);

    // The second window keeps its own procedure: its key reaches that, not the routine.
    REQUIRE(PressAndWait(0, VK_F7, [&] { return OwnProcHotKeys(second) == 1; }));
    CHECK(CallsOf(3) == 0);

    // Every other message reaches the previous procedure unchanged, and its result comes back.
    struct Passed { std::string what; UINT message; WPARAM wParam; LPARAM lParam; };
    const Passed passed[] = {
        {"a command", WM_COMMAND, MAKEWPARAM(140, BN_CLICKED), 0x1234},
        {"closing", WM_CLOSE, 0, 0},
        {"an application message", WM_APP + 5, 0xFFFFFFFF, -1},
        {"high bits", WM_APP + 5, 0x80000001, 0x7FFFFFFF},
    };
    for (const Passed& p : passed) {
        ownProcReceived.clear();
        LRESULT result = SendMessageA(mainWindow, p.message, p.wParam, p.lParam);
        CHECK_MESSAGE(result == OwnProcResult(p.message, p.wParam, p.lParam), p.what);
        REQUIRE_MESSAGE(ownProcReceived.size() == 1, p.what);
        const Received& r = ownProcReceived.front();
        CHECK_MESSAGE(r.window == mainWindow, p.what);
        CHECK_MESSAGE(r.message == p.message, p.what);
        CHECK_MESSAGE(r.wParam == p.wParam, p.what);
        CHECK_MESSAGE(r.lParam == p.lParam, p.what);
    }
    // Painting goes the same way.
    ownProcReceived.clear();
    RedrawWindow(mainWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    bool painted = false;
    for (const Received& r : ownProcReceived) painted = painted || r.message == WM_PAINT;
    CHECK(painted);
}

TEST_CASE_FIXTURE(Registries, "fresh run: blank texts" * doctest::skip())
{
    TestWindows windows;
    HWND mainWindow = MakeWindow(windows, "main");
    const Text blanks[] = {"", "  　 　", "　"};   // blanks and ideographic spaces
    for (const Text& blank : blanks) {
        StartBoxWatcher(GetCurrentProcessId(), IDOK);
        bool registered = 窗口_热键注册(mainWindow, std::nullopt, VK_F8, Routine<1>, blank);
        std::vector<SeenBox> seen = StopBoxWatcher();

        CHECK_MESSAGE(!registered, "'" << blank << "'");
        REQUIRE_MESSAGE(seen.size() == 1, "'" << blank << "'");
        CHECK_MESSAGE(seen[0].caption == "友情提醒", "'" << blank << "'");
        CHECK_MESSAGE(seen[0].text == blankNotice, "'" << blank << "'");
        CHECK_MESSAGE(seen[0].owner == mainWindow, "'" << blank << "'");
        CHECK_MESSAGE(seen[0].hasIcon, "'" << blank << "'");
        CHECK_MESSAGE(KeyIsFree(0, VK_F8), "'" << blank << "'");
        CHECK_MESSAGE(HotKeyBindings->empty(), "'" << blank << "'");
        CHECK_MESSAGE((ProcOf(mainWindow) == RecordingProc), "'" << blank << "'");
    }
    CHECK((PreviousWindowProc == nullptr));

    // The first registration that succeeds is the first binding.
    REQUIRE(窗口_热键注册(mainWindow, std::nullopt, VK_F8, Routine<1>, startText));
    CHECK((ProcOf(mainWindow) == HotKeyWindowProc));
    CHECK((PreviousWindowProc == RecordingProc));
}

TEST_CASE_FIXTURE(Registries, "fresh run: a text with blanks around it and modifiers given" * doctest::skip())
{
    TestWindows windows;
    HWND mainWindow = MakeWindow(windows, "main");
    REQUIRE(窗口_热键注册(mainWindow, MOD_SHIFT, VK_F6, Routine<1>, paddedText));
    REQUIRE(HotKeyBindings->size() == 1);
    CHECK(ListAt(*HotKeyBindings, 1).text == " 开始　");
    CHECK(FindBindingByText("开始") == 0);

    REQUIRE(PressAndWait(MOD_SHIFT, VK_F6, [] { return CallsOf(1) == 1; }));
    CHECK(routineCalls.back().message.wParam == IdentifierOf(paddedText));
    CHECK(routineCalls.back().message.lParam == MAKELPARAM(MOD_SHIFT, VK_F6));
    CHECK(OwnProcHotKeys(mainWindow) == 0);
}

TEST_CASE_FIXTURE(Registries, "fresh run: the window left out" * doctest::skip())
{
    TestWindows windows;
    MakeWindow(windows, "hidden", false);
    HWND one = MakeWindow(windows, "one");
    HWND two = MakeWindow(windows, "two");
    SetWindowPos(one, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);   // one is first in z-order

    REQUIRE(窗口_热键注册(std::nullopt, std::nullopt, VK_F8, Routine<1>, startText));
    REQUIRE(HotKeyBindings->size() == 1);
    CHECK(ListAt(*HotKeyBindings, 1).window == one);
    CHECK((ProcOf(one) == HotKeyWindowProc));
    CHECK((ProcOf(two) == RecordingProc));

    REQUIRE(PressAndWait(0, VK_F8, [] { return CallsOf(1) == 1; }));
    CHECK(routineCalls.back().message.window == one);
}

TEST_CASE_FIXTURE(Registries, "fresh run: no visible window" * doctest::skip())
{
    HHOOK hook = SetWindowsHookExA(WH_GETMESSAGE, RecordThreadHotKeys, nullptr, GetCurrentThreadId());
    REQUIRE(hook != nullptr);
    TestWindows windows;
    MakeWindow(windows, "hidden", false);

    REQUIRE(窗口_热键注册(std::nullopt, std::nullopt, VK_F8, Routine<1>, startText));
    REQUIRE(HotKeyBindings->size() == 1);
    CHECK(ListAt(*HotKeyBindings, 1).window == nullptr);
    CHECK((PreviousWindowProc == nullptr));

    // The key comes to the thread's queue, where no window procedure sees it.
    REQUIRE(PressAndWait(0, VK_F8, [] { return threadHotKeys.size() == 1; }));
    CHECK(threadHotKeys[0].wParam == IdentifierOf(startText));
    CHECK(CallsOf(1) == 0);

    // A window shown later, and bound, is not subclassed in this run.
    HWND later = MakeWindow(windows, "later");
    REQUIRE(窗口_热键注册(later, std::nullopt, VK_F9, Routine<2>, stopText));
    CHECK((ProcOf(later) == RecordingProc));
    CHECK((PreviousWindowProc == nullptr));
    REQUIRE(PressAndWait(0, VK_F9, [&] { return OwnProcHotKeys(later) == 1; }));
    CHECK(CallsOf(2) == 0);
    UnhookWindowsHookEx(hook);
}

TEST_CASE_FIXTURE(Registries, "fresh run: a key held elsewhere" * doctest::skip())
{
    TestWindows windows;
    HWND holder = MakeWindow(windows, "holder", false);
    HWND mainWindow = MakeWindow(windows, "main");
    REQUIRE(RegisterHotKey(holder, 0x77, 0, VK_F8));

    StartBoxWatcher(GetCurrentProcessId(), IDOK);
    bool registered = 窗口_热键注册(mainWindow, std::nullopt, VK_F8, Routine<1>, startText);
    std::vector<SeenBox> seen = StopBoxWatcher();
    CHECK_FALSE(registered);
    CHECK(seen.empty());
    CHECK(HotKeyBindings->empty());
    CHECK((ProcOf(mainWindow) == RecordingProc));
    CHECK((PreviousWindowProc == nullptr));

    // The holder still gets its key.
    REQUIRE(PressAndWait(0, VK_F8, [&] { return OwnProcHotKeys(holder) == 1; }));
    CHECK(CallsOf(1) == 0);

    // The next success is the first binding and subclasses its window.
    REQUIRE(窗口_热键注册(mainWindow, std::nullopt, VK_F9, Routine<2>, stopText));
    CHECK((ProcOf(mainWindow) == HotKeyWindowProc));
    CHECK((PreviousWindowProc == RecordingProc));
    REQUIRE(PressAndWait(0, VK_F9, [] { return CallsOf(2) == 1; }));
    UnregisterHotKey(holder, 0x77);
}

TEST_CASE_FIXTURE(Registries, "fresh run: identifiers the registry did not issue" * doctest::skip())
{
    TestWindows windows;
    HWND mainWindow = MakeWindow(windows, "main");
    REQUIRE(窗口_热键注册(mainWindow, std::nullopt, VK_F8, Routine<1>, startText));
    Text lookalike = "开始";   // equal to a bound text, but not where the registry was told

    struct Foreign { std::string what; WPARAM identifier; };
    const Foreign foreign[] = {
        {"0", 0},
        {"1", 1},
        {"0xDEADBEEF", 0xDEADBEEF},
        {"an equal text elsewhere", IdentifierOf(lookalike)},
    };
    for (const Foreign& f : foreign) {
        ownProcReceived.clear();
        LPARAM lParam = MAKELPARAM(0, VK_F8);
        LRESULT result = SendMessageA(mainWindow, WM_HOTKEY, f.identifier, lParam);
        CHECK_MESSAGE(result == OwnProcResult(WM_HOTKEY, f.identifier, lParam), f.what);
        REQUIRE_MESSAGE(ownProcReceived.size() == 1, f.what);
        CHECK_MESSAGE(ownProcReceived[0].message == WM_HOTKEY, f.what);
        CHECK_MESSAGE(ownProcReceived[0].wParam == f.identifier, f.what);
        CHECK_MESSAGE(ownProcReceived[0].lParam == lParam, f.what);
        CHECK_MESSAGE(routineCalls.empty(), f.what);
    }
    // Posted, as another program would, they take the same way.
    ownProcReceived.clear();
    for (const Foreign& f : foreign) PostMessageA(mainWindow, WM_HOTKEY, f.identifier, 0);
    CHECK(WaitUntil([&] { return OwnProcHotKeys(mainWindow) == 4; }));
    CHECK(routineCalls.empty());

    // The registry's own identifier still works.
    REQUIRE(PressAndWait(0, VK_F8, [] { return CallsOf(1) == 1; }));
}

TEST_CASE_FIXTURE(Registries, "fresh run: a text registered again" * doctest::skip())
{
    TestWindows windows;
    HWND mainWindow = MakeWindow(windows, "main");
    Text again = "开始";
    Text thirdTime = "开始";
    REQUIRE(窗口_热键注册(mainWindow, std::nullopt, VK_F8, Routine<1>, startText));

    // The same key under the same text: the earlier hot key is released first.
    REQUIRE(窗口_热键注册(mainWindow, std::nullopt, VK_F8, Routine<2>, again));
    REQUIRE(HotKeyBindings->size() == 1);
    CHECK((ListAt(*HotKeyBindings, 1).routine == Routine<2>));
    REQUIRE(PressAndWait(0, VK_F8, [] { return CallsOf(2) == 1; }));
    CHECK(routineCalls.back().message.wParam == IdentifierOf(again));
    CHECK(CallsOf(1) == 0);

    // Another key under the same text: the earlier key is free again.
    REQUIRE(窗口_热键注册(mainWindow, std::nullopt, VK_F9, Routine<3>, thirdTime));
    REQUIRE(HotKeyBindings->size() == 1);
    CHECK((ListAt(*HotKeyBindings, 1).routine == Routine<3>));
    CHECK(KeyIsFree(0, VK_F8));
    REQUIRE(PressAndWait(0, VK_F9, [] { return CallsOf(3) == 1; }));
    CHECK(CallsOf(1) == 0);
    CHECK(CallsOf(2) == 1);

    // An identifier released this way is no longer the registry's.
    ownProcReceived.clear();
    SendMessageA(mainWindow, WM_HOTKEY, IdentifierOf(again), MAKELPARAM(0, VK_F8));
    CHECK(OwnProcHotKeys(mainWindow) == 1);
    CHECK(CallsOf(2) == 1);

    // The window was subclassed once, though the list was empty in between.
    CHECK((ProcOf(mainWindow) == HotKeyWindowProc));
    CHECK((PreviousWindowProc == RecordingProc));
    CHECK(SendMessageA(mainWindow, WM_APP + 5, 1, 2) == OwnProcResult(WM_APP + 5, 1, 2));
}

// ---- The tests: each scenario in a process of its own ----

namespace {

std::string ReadWhole(const std::string& path)
{
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// Runs one scenario of this program in a fresh process; its report comes back on failure.
void RunScenario(const std::string& scenario)
{
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    std::string report = std::string(folder) + "hotkey-scenario-" + std::to_string(GetCurrentProcessId()) + ".txt";
    DeleteFileA(report.c_str());

    Child child = StartChild(std::string("\"") + self + "\" --no-skip --test-case=\"fresh run: " + scenario +
                             "\" --out=\"" + report + "\"");
    REQUIRE_MESSAGE(child.started, scenario);
    DWORD code = WaitChild(child, 120000);
    std::string output = ReadWhole(report);
    DeleteFileA(report.c_str());
    CHECK_MESSAGE(code == 0, scenario << ": exit code " << code << "\n" << output);
    CHECK_MESSAGE(output.find("1 passed") != std::string::npos, scenario << ": ran no scenario\n" << output);
}

} // namespace

TEST_CASE("F8 and F9 bound on a window run their routines; other messages pass unchanged")
{
    RunScenario("keys bound on a window");
}

TEST_CASE("a blank identification text shows the notice and registers nothing")
{
    RunScenario("blank texts");
}

TEST_CASE("a text with blanks around it is registered and stored as given")
{
    RunScenario("a text with blanks around it and modifiers given");
}

TEST_CASE("left out, the window is the process's first visible top-level window")
{
    RunScenario("the window left out");
}

TEST_CASE("without a visible window the key goes to the thread and no window is subclassed")
{
    RunScenario("no visible window");
}

TEST_CASE("a key held elsewhere is refused quietly and the next success is the first binding")
{
    RunScenario("a key held elsewhere");
}

TEST_CASE("WM_HOTKEY with an identifier the registry did not issue goes to the window's own procedure")
{
    RunScenario("identifiers the registry did not issue");
}

TEST_CASE("a text registered again releases the earlier hot key")
{
    RunScenario("a text registered again");
}
