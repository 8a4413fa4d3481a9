// The window census over real windows of this test process: which windows it
// lists and in what order, what it reads from each, that it replaces the
// caller's list and leaves WindowCensus empty, and FindProcessWindow's choice.
#include <doctest/doctest.h>

#include "census_list.h"
#include "desktop.h"
#include "util/window_census.h"

#include <string>
#include <vector>

namespace {

// Windows made by one test, destroyed when it ends.
struct TestWindows {
    std::vector<HWND> made;
    ~TestWindows()
    {
        for (HWND w : made) DestroyWindow(w);
        PumpFor(50);
    }
};

const char* RegisteredClass(const char* name)
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = name;
    RegisterClassA(&wc);   // a class registered by an earlier case stays registered
    return name;
}

const char* const plainClass = "CensusTestWindow";

HWND MakeWindow(TestWindows& windows, const char* title, bool visible = true,
                const char* className = plainClass, HWND parent = nullptr)
{
    DWORD style = parent ? WS_CHILD : WS_OVERLAPPEDWINDOW;
    if (visible) style |= WS_VISIBLE;
    HWND w = CreateWindowExA(0, RegisteredClass(className), title, style, 40, 40, 200, 100, parent,
                             nullptr, GetModuleHandleA(nullptr), nullptr);
    REQUIRE_MESSAGE(w != nullptr, "could not create window " << std::string(title));
    windows.made.push_back(w);
    return w;
}

// What the census should find: EnumWindows' own order, visible windows only.
BOOL CALLBACK CollectVisible(HWND w, LPARAM list)
{
    if (IsWindowVisible(w)) reinterpret_cast<std::vector<HWND>*>(list)->push_back(w);
    return TRUE;
}

std::vector<HWND> VisibleTopLevelWindows()
{
    std::vector<HWND> found;
    EnumWindows(CollectVisible, reinterpret_cast<LPARAM>(&found));
    return found;
}

std::vector<HWND> OwnVisibleWindows()
{
    std::vector<HWND> own;
    for (HWND w : VisibleTopLevelWindows()) {
        DWORD pid = 0;
        GetWindowThreadProcessId(w, &pid);
        if (pid == GetCurrentProcessId()) own.push_back(w);
    }
    return own;
}

std::vector<HWND> WindowsOf(const std::vector<WindowInfo>& list)
{
    std::vector<HWND> windows;
    for (const WindowInfo& info : list) windows.push_back(info.window);
    return windows;
}

const WindowInfo* RecordOf(const std::vector<WindowInfo>& list, HWND w)
{
    for (const WindowInfo& info : list)
        if (info.window == w) return &info;
    return nullptr;
}

bool Contains(const std::vector<HWND>& windows, HWND w)
{
    for (HWND each : windows)
        if (each == w) return true;
    return false;
}

} // namespace

TEST_CASE_FIXTURE(CensusList, "the census lists visible top-level windows in EnumWindows' order")
{
    TestWindows windows;
    HWND first = MakeWindow(windows, "\xBF\xC9\xBC\xFB\xD2\xBB");   // 可见一
    HWND second = MakeWindow(windows, "visible two");
    HWND hidden = MakeWindow(windows, "hidden", false);
    HWND child = MakeWindow(windows, "child", true, plainClass, first);

    std::vector<WindowInfo> list;
    int count = EnumerateVisibleWindows(list);
    std::vector<HWND> listed = WindowsOf(list);

    CHECK(count == static_cast<int>(list.size()));
    CHECK(listed == VisibleTopLevelWindows());
    CHECK(Contains(listed, first));
    CHECK(Contains(listed, second));
    CHECK_FALSE(Contains(listed, hidden));
    CHECK_FALSE(Contains(listed, child));
    CHECK(WindowCensus->empty());

    const WindowInfo* record = RecordOf(list, first);
    REQUIRE(record != nullptr);
    CHECK(record->processId == GetCurrentProcessId());
    CHECK(record->threadId == GetCurrentThreadId());
    CHECK(record->title == "\xBF\xC9\xBC\xFB\xD2\xBB");
    CHECK(record->className == std::string(plainClass));

    // Every record names the process and thread the system gives for its window.
    for (const WindowInfo& info : list) {
        DWORD pid = 0;
        DWORD tid = GetWindowThreadProcessId(info.window, &pid);
        CHECK_MESSAGE(info.processId == pid, "window " << info.window);
        CHECK_MESSAGE(info.threadId == tid, "window " << info.window);
    }
}

TEST_CASE_FIXTURE(CensusList, "a census replaces the caller's list with what it found now")
{
    TestWindows windows;
    HWND going = MakeWindow(windows, "going");
    HWND staying = MakeWindow(windows, "staying");

    std::vector<WindowInfo> list;
    list.push_back(WindowInfo{reinterpret_cast<HWND>(0x1234), 1, 2, "stale", "Stale"});
    EnumerateVisibleWindows(list);
    CHECK(RecordOf(list, reinterpret_cast<HWND>(0x1234)) == nullptr);
    CHECK(RecordOf(list, going) != nullptr);
    CHECK(RecordOf(list, staying) != nullptr);
    CHECK(WindowCensus->empty());

    ShowWindow(going, SW_HIDE);
    int count = EnumerateVisibleWindows(list);
    CHECK(count == static_cast<int>(list.size()));
    CHECK(WindowsOf(list) == VisibleTopLevelWindows());
    CHECK(RecordOf(list, going) == nullptr);
    CHECK(RecordOf(list, staying) != nullptr);
    CHECK(WindowCensus->empty());
}

TEST_CASE_FIXTURE(CensusList, "titles and class names are read as GetWindowTextA and GetClassNameA give them, cut to 255 and 49 bytes")
{
    std::string longTitle;
    for (int i = 0; i < 300; ++i) longTitle += static_cast<char>('0' + i % 10 + (i / 10) % 3 * 10);
    std::string longClass;
    for (int i = 0; i < 60; ++i) longClass += static_cast<char>('A' + i % 26);

    struct Case {
        std::string what;
        std::string title;
        std::string className;
        std::string wantTitle;
        std::string wantClass;
    };
    const Case cases[] = {
        {"300-byte title", longTitle, "CensusTitleCut", longTitle.substr(0, 255), "CensusTitleCut"},
        {"255-byte title", longTitle.substr(0, 255), "CensusTitle255", longTitle.substr(0, 255), "CensusTitle255"},
        {"60-byte class name", "class cut", longClass, "class cut", longClass.substr(0, 49)},
        {"49-byte class name", "class kept", longClass.substr(0, 49), "class kept", longClass.substr(0, 49)},
        {"empty title", "", "CensusEmptyTitle", "", "CensusEmptyTitle"},
        {"code page 936 title", "\xCA\xF3\xB1\xEA\xD7\xF3\xBC\xFC\xC1\xAC\xB5\xE3\xC6\xF7", "CensusGbkTitle",
         "\xCA\xF3\xB1\xEA\xD7\xF3\xBC\xFC\xC1\xAC\xB5\xE3\xC6\xF7", "CensusGbkTitle"},
    };
    for (const Case& c : cases) {
        TestWindows windows;
        HWND w = MakeWindow(windows, c.title.c_str(), true, c.className.c_str());
        std::vector<WindowInfo> list;
        EnumerateVisibleWindows(list);
        const WindowInfo* record = RecordOf(list, w);
        REQUIRE_MESSAGE(record != nullptr, c.what);
        CHECK_MESSAGE(record->title == c.wantTitle, c.what << ": title '" << record->title << "'");
        CHECK_MESSAGE(record->className == c.wantClass, c.what << ": class '" << record->className << "'");
        CHECK_MESSAGE(WindowCensus->empty(), c.what);
    }
}

TEST_CASE_FIXTURE(CensusList, "FindProcessWindow gives the process's window that EnumWindows reports first")
{
    TestWindows windows;
    HWND one = MakeWindow(windows, "one");
    HWND two = MakeWindow(windows, "two");
    HWND three = MakeWindow(windows, "three");
    MakeWindow(windows, "hidden", false);

    std::vector<HWND> own = OwnVisibleWindows();
    REQUIRE(own.size() == 3);
    CHECK(FindProcessWindow(GetCurrentProcessId()) == own.front());
    CHECK(WindowCensus->empty());

    // Whichever window the z-order puts first is the one found.
    for (HWND raised : {one, two, three}) {
        SetWindowPos(raised, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        REQUIRE(OwnVisibleWindows().front() == raised);
        CHECK_MESSAGE(FindProcessWindow(GetCurrentProcessId()) == raised, "raised " << raised);
        CHECK(WindowCensus->empty());
    }
}

TEST_CASE_FIXTURE(CensusList, "FindProcessWindow gives a null handle for a process without a visible window")
{
    // A live process that has made no window: a copy of this program, held suspended.
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string commandLine = std::string("\"") + path + "\" --no-run";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION suspended{};
    REQUIRE(CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED,
                           nullptr, nullptr, &startup, &suspended));

    TestWindows windows;
    MakeWindow(windows, "hidden only", false);   // this process shows nothing

    struct Case { std::string what; DWORD processId; };
    const Case cases[] = {
        {"this process while it shows nothing", GetCurrentProcessId()},
        {"a live process without windows", suspended.dwProcessId},
    };
    for (const Case& c : cases) {
        CHECK_MESSAGE(FindProcessWindow(c.processId) == nullptr, c.what);
        CHECK_MESSAGE(WindowCensus->empty(), c.what);
    }

    TerminateProcess(suspended.hProcess, 0);
    WaitForSingleObject(suspended.hProcess, 30000);
    CloseHandle(suspended.hThread);
    CloseHandle(suspended.hProcess);
    // Its id now belongs to no process.
    CHECK(FindProcessWindow(suspended.dwProcessId) == nullptr);
    CHECK(WindowCensus->empty());
}
