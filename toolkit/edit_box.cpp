// Edit boxes: the system's "EDIT" class, one line, sunken border, subclassed
// for our keyboard navigation and, where the description asks, for integers
// only: typing lets through digits, "-" and control characters (so that
// pasting still works), and losing the focus rewrites the text as a plain
// decimal number within 32 bits ("0" becomes empty).
#include "loaded_windows.h"

#include <cstdint>

namespace {

WNDPROC editClassProc = nullptr;   // the same for every EDIT window

bool IsIntegerBox(HWND box)
{
    const ControlDescription* row = FindControlDescription(box);
    return row && (row->options & IntegerOnly);
}

// Characters of 32 and above other than digits and "-" are dropped silently.
bool TypedCharacterAllowed(WPARAM code)
{
    return code < 32 || code == '-' || (code >= '0' && code <= '9');
}

LRESULT CALLBACK EditBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (HandleTabKey(box, message, wParam)) return 0;
    switch (message) {
    case WM_CHAR:
    case WM_IME_CHAR:   // a character from an input method bypasses WM_CHAR
        if (!TypedCharacterAllowed(wParam) && IsIntegerBox(box)) return 0;
        break;
    }
    return CallWindowProcA(editClassProc, box, message, wParam, lParam);
}

// The text as a 64-bit decimal number clamped to 32 bits: white space, one
// sign, digits up to the first other byte; no digits give 0. Runs of digits
// too long even for 64 bits saturate like any other value out of range.
int32_t ReadClampedInteger(const Text& text)
{
    size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || (text[at] >= '\t' && text[at] <= '\r'))) ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
    const uint64_t beyondRange = uint64_t{1} << 32;   // any magnitude from here on clamps
    uint64_t magnitude = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        magnitude = magnitude * 10 + static_cast<uint64_t>(text[at] - '0');
        if (magnitude > beyondRange) magnitude = beyondRange;
    }
    int64_t value = negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude);
    if (value > INT32_MAX) return INT32_MAX;
    if (value < INT32_MIN) return INT32_MIN;
    return static_cast<int32_t>(value);
}

} // namespace

HWND CreateEditBox(HWND parent, const ControlDescription& row)
{
    HWND box = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", row.text,
                               WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, row.left,
                               row.top, row.width, row.height, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)), GetModuleHandleA(nullptr),
                               nullptr);
    if (!box) return nullptr;
    SendMessageA(box, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    SendMessageA(box, EM_LIMITTEXT, 0, 0);   // the system's maximum
    SendMessageA(box, EM_SETSEL, 0, 0);
    editClassProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(EditBoxProc)));
    return box;
}

void NormaliseIntegerBox(HWND box)
{
    Control view{box};
    Text text = ReadText(view);
    int32_t value = ReadClampedInteger(text);
    Text normal = value == 0 ? Text() : IntToText(value);
    if (normal == text) return;
    DWORD selectionStart = 0;
    SendMessageA(box, EM_GETSEL, reinterpret_cast<WPARAM>(&selectionStart), 0);
    SetWindowTextA(box, normal.c_str());
    SendMessageA(box, EM_SETSEL, selectionStart, selectionStart);
    SendMessageA(box, EM_SCROLLCARET, 0, 0);
}

Text ReadText(const Control& control)
{
    if (!control.window) return Text();
    int length = GetWindowTextLengthA(control.window);
    if (length <= 0) return Text();
    Text text(static_cast<size_t>(length) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(control.window, text.data(), length + 1)));
    return text;
}

void WriteText(Control& control, const Text& text)
{
    if (control.window) SetWindowTextA(control.window, text.c_str());
}
