// System-wide hot keys (RegisterHotKey) bound to routines through
// identification texts, and the subclassing (SetWindowLongA, GWL_WNDPROC) that
// turns each WM_HOTKEY back into its binding. A hot key's identifier is the
// address of the caller's text. The window procedure reads a text only behind
// an identifier that this registry issued and that is still registered: any
// other WM_HOTKEY, whoever posted it, goes on to the window's own procedure.
// A text registered again releases the earlier hot keys bound to it first.
#include "hotkey_registry.h"

#include "toolkit/toolkit.h"
#include "util/notice_box.h"
#include "util/window_census.h"

#include <cstdint>

// RegisterHotKey takes the identifier as an int and WM_HOTKEY hands it back in
// wParam: both must hold a text's address whole.
static_assert(sizeof(int) == sizeof(const char*) && sizeof(WPARAM) == sizeof(const char*),
              "hot-key identifiers are text addresses: 32-bit builds only");

std::vector<HotKeyBinding>* HotKeyBindings = nullptr;
WNDPROC PreviousWindowProc = nullptr;

namespace {

// The identifier each binding of HotKeyBindings was registered under, in the
// same order: appended and removed together with its binding.
std::vector<WPARAM> IssuedIdentifiers;

// The first binding stored in the run subclasses its window; no later one
// does, even after a repeated text has emptied the list again.
bool SubclassingDone = false;

WPARAM IdentifierOf(const Text& text) { return reinterpret_cast<std::uintptr_t>(text.c_str()); }

bool IsIssued(WPARAM identifier)
{
    for (WPARAM issued : IssuedIdentifiers)
        if (issued == identifier) return true;
    return false;
}

// Unregisters each binding that carries text, under the identifier it was
// registered with, and removes it: only the newest registration of a text lives.
void ReleaseBindingsOf(const Text& text)
{
    for (int position = FindBindingByText(text); position != 0; position = FindBindingByText(text)) {
        UnregisterHotKey(ListAt(*HotKeyBindings, position).window,
                         static_cast<int>(ListAt(IssuedIdentifiers, position)));
        HotKeyBindings->erase(HotKeyBindings->begin() + (position - 1));
        IssuedIdentifiers.erase(IssuedIdentifiers.begin() + (position - 1));
    }
}

// Runs the routine bound to an issued identifier; its result is the message's.
LRESULT RunBoundRoutine(HWND window, WPARAM identifier, LPARAM lParam)
{
    Text text = TextAtAddress(identifier);
    WNDPROC routine = ListAt(*HotKeyBindings, FindBindingByText(text)).routine;
    return CallWindowProcA(routine, window, WM_HOTKEY, identifier, lParam);
}

} // namespace

bool 窗口_热键注册(std::optional<HWND> window, std::optional<UINT> modifiers, UINT virtualKey,
                  WNDPROC routine, const Text& 标识文本)
{
    ReleaseBindingsOf(标识文本);
    HWND target = window ? *window : FindProcessWindow(GetCurrentProcessId());
    if (CompareText(TrimBothEnds(标识文本), Text()) == 0) {
        ShowNotice("【窗口_热键注册】命令第5个参数【标识文本】不能为空文本");
        return false;
    }
    WPARAM identifier = IdentifierOf(标识文本);
    if (!RegisterHotKey(target, static_cast<int>(identifier), modifiers ? *modifiers : 0, virtualKey))
        return false;
    HotKeyBindings->push_back(HotKeyBinding{target, TextFrom(标识文本.c_str()), routine});
    IssuedIdentifiers.push_back(identifier);
    if (!SubclassingDone) {
        SubclassingDone = true;
        // On failure (a null window, say) this is null and no window is subclassed in this run.
        PreviousWindowProc = reinterpret_cast<WNDPROC>(
            SetWindowLongA(target, GWL_WNDPROC, reinterpret_cast<LONG>(HotKeyWindowProc)));
    }
    return true;
}

LRESULT CALLBACK HotKeyWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_HOTKEY:
        if (IsIssued(wParam)) return RunBoundRoutine(window, wParam, lParam);
        break;   // not ours: nothing is read at that address
    }
    return CallWindowProcA(PreviousWindowProc, window, message, wParam, lParam);
}

int FindBindingByText(const Text& text)
{
    int count = static_cast<int>(HotKeyBindings->size());
    for (int position = 1; position <= count; ++position)
        if (CompareText(ListAt(*HotKeyBindings, position).text, text) == 0) return position;
    return 0;
}
