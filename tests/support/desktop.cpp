#include "desktop.h"

#include <mutex>
#include <thread>
#include <atomic>

void DispatchPending()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {               // not ours to take
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    for (;;) {
        DispatchPending();
        if (done()) return true;
        if (GetTickCount() - start >= timeoutMs) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

void PumpFor(DWORD ms)
{
    DWORD start = GetTickCount();
    WaitUntil([&] { return GetTickCount() - start >= ms; }, ms + 1000);
}

const char* RegisterTestClass(const char* name, WNDPROC procedure)
{
    WNDCLASSA known{};
    if (GetClassInfoA(GetModuleHandleA(nullptr), name, &known)) return name;
    WNDCLASSA wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = procedure;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = name;
    RegisterClassA(&wc);
    return name;
}

void KeyDown(BYTE vk) { keybd_event(vk, static_cast<BYTE>(MapVirtualKeyA(vk, 0)), 0, 0); }
void KeyUp(BYTE vk) { keybd_event(vk, static_cast<BYTE>(MapVirtualKeyA(vk, 0)), KEYEVENTF_KEYUP, 0); }
void TapKey(BYTE vk) { KeyDown(vk); KeyUp(vk); }

void MovePointerTo(int x, int y) { SetCursorPos(x, y); }

void ClickAt(int x, int y)
{
    SetCursorPos(x, y);
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
}

POINT CenterOf(HWND window)
{
    RECT r;
    GetWindowRect(window, &r);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

std::string ClassOf(HWND window)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string TextOf(HWND window)
{
    char buffer[1024] = {};
    // Another thread's window: WM_GETTEXT with a deadline, so a busy one cannot hang us.
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer),
                        SMTO_ABORTIFHUNG, 5000, &copied);
    return buffer;
}

SeenBox ReadBox(HWND box)
{
    SeenBox seen{};
    seen.box = box;
    seen.owner = GetWindow(box, GW_OWNER);
    GetWindowThreadProcessId(box, &seen.processId);
    seen.caption = TextOf(box);
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        std::string kind = ClassOf(child);
        LONG style = GetWindowLongA(child, GWL_STYLE);
        if (kind == "Static") {
            if ((style & SS_TYPEMASK) == SS_ICON) {
                if (SendMessageA(child, STM_GETICON, 0, 0)) seen.hasIcon = true;
            } else {
                std::string text = TextOf(child);
                if (!text.empty()) seen.text = text;
            }
        } else if (kind == "Button" && (style & WS_VISIBLE)) {
            seen.buttons.push_back(GetDlgCtrlID(child));
        }
    }
    return seen;
}

namespace {

struct BoxSearch {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectBox(HWND w, LPARAM p)
{
    auto* search = reinterpret_cast<BoxSearch*>(p);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid == search->processId && IsWindowVisible(w) && ClassOf(w) == "#32770") search->found.push_back(w);
    return TRUE;
}

} // namespace

std::vector<HWND> FindBoxes(DWORD processId)
{
    BoxSearch search{processId, {}};
    EnumWindows(CollectBox, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void AnswerBox(HWND box, int buttonId)
{
    HWND button = GetDlgItem(box, buttonId);
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

namespace {

std::mutex watchLock;
std::vector<SeenBox> seenBoxes;
std::vector<HWND> answeredBoxes;
std::atomic<int> boxAnswer{IDOK};
std::atomic<bool> watching{false};
std::thread watcher;

void Watch(DWORD processId)
{
    while (watching) {
        for (HWND box : FindBoxes(processId)) {
            {
                std::lock_guard<std::mutex> hold(watchLock);
                bool known = false;
                for (const SeenBox& s : seenBoxes) known = known || s.box == box;
                if (!known) {
                    Sleep(30);   // let the box fill in its text
                    seenBoxes.push_back(ReadBox(box));
                }
            }
            int answer = boxAnswer;
            if (answer) AnswerBox(box, answer);
        }
        Sleep(20);
    }
}

} // namespace

void StartBoxWatcher(DWORD processId, int answer)
{
    StopBoxWatcher();
    {
        std::lock_guard<std::mutex> hold(watchLock);
        seenBoxes.clear();
    }
    boxAnswer = answer;
    watching = true;
    watcher = std::thread(Watch, processId);
}

void SetBoxAnswer(int answer) { boxAnswer = answer; }

std::vector<SeenBox> SeenBoxes()
{
    std::lock_guard<std::mutex> hold(watchLock);
    return seenBoxes;
}

std::vector<SeenBox> StopBoxWatcher()
{
    if (watching) {
        watching = false;
        watcher.join();
    }
    return SeenBoxes();
}

Child StartChild(const std::string& commandLine)
{
    Child child;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string line = commandLine;
    child.started = CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   nullptr, &startup, &child.info) != 0;
    return child;
}

DWORD WaitChild(Child& child, DWORD timeoutMs)
{
    if (!child.started) return STILL_ACTIVE;
    DWORD code = STILL_ACTIVE;
    if (WaitForSingleObject(child.info.hProcess, timeoutMs) == WAIT_OBJECT_0) {
        GetExitCodeProcess(child.info.hProcess, &code);
    } else {
        TerminateProcess(child.info.hProcess, 1);
        WaitForSingleObject(child.info.hProcess, 5000);
    }
    CloseHandle(child.info.hThread);
    CloseHandle(child.info.hProcess);
    child.started = false;
    return code;
}

std::string ProgramFolder()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of("\\/") + 1);
}

std::string ReadWholeFile(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string content;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) content.append(buffer, got);
    CloseHandle(file);
    return content;
}
