// Labels: child windows of our own class "Label" that draw their window text
// with DrawTextA, black on COLOR_BTNFACE, in their own font or DEFAULT_GUI_FONT.
// A label is no tab stop and has no border; WS_CLIPSIBLINGS keeps it from
// painting over the controls that lie on top of it.
#include "loaded_windows.h"

namespace {

const char* const labelClass = "Label";

// Window extra bytes: the label's own font (deleted with the label), its options.
const int fontSlot = 0;
const int optionsSlot = sizeof(LONG_PTR);

HFONT OwnFont(HWND label) { return reinterpret_cast<HFONT>(GetWindowLongPtrA(label, fontSlot)); }

HFONT FontOf(HWND label)
{
    HFONT own = OwnFont(label);
    return own ? own : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void PaintLabel(HWND label)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(label, &ps);
    FillRect(dc, &ps.rcPaint, GetSysColorBrush(COLOR_BTNFACE));
    int length = GetWindowTextLengthA(label);
    if (length > 0) {
        Text text(static_cast<size_t>(length) + 1, '\0');
        text.resize(static_cast<size_t>(GetWindowTextA(label, text.data(), length + 1)));
        HGDIOBJ previousFont = SelectObject(dc, FontOf(label));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(0, 0, 0));
        RECT client;
        GetClientRect(label, &client);
        UINT format = DT_NOCLIP | DT_LEFT | DT_VCENTER;
        // DT_VCENTER only acts on single lines: wrapped text starts at the top.
        format |= (GetWindowLongPtrA(label, optionsSlot) & WrapText) ? DT_WORDBREAK : DT_SINGLELINE;
        DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &client, format);
        SelectObject(dc, previousFont);
    }
    EndPaint(label, &ps);
}

LRESULT CALLBACK LabelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        PaintLabel(label);
        return 0;
    case WM_ERASEBKGND:
        return 1;   // painting fills the background itself
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(FontOf(label));
    case WM_SETTEXT: {
        LRESULT result = DefWindowProcA(label, message, wParam, lParam);
        InvalidateRect(label, nullptr, FALSE);
        return result;
    }
    case WM_NCDESTROY:
        if (HFONT own = OwnFont(label)) DeleteObject(own);
        break;
    }
    return DefWindowProcA(label, message, wParam, lParam);
}

bool RegisterLabelClass(HINSTANCE instance)
{
    return RegisterClassOnce(instance, labelClass, LabelProc, CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS,
                             2 * sizeof(LONG_PTR), ClassLook::Visible);
}

HFONT CreateLabelFont(const LabelFont& font)
{
    LOGFONTA logFont{};
    logFont.lfHeight = font.height;
    logFont.lfWeight = font.weight;
    logFont.lfCharSet = DEFAULT_CHARSET;
    logFont.lfOutPrecision = OUT_DEFAULT_PRECIS;
    logFont.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    logFont.lfQuality = PROOF_QUALITY;
    logFont.lfPitchAndFamily = DEFAULT_PITCH;
    lstrcpynA(logFont.lfFaceName, font.face, LF_FACESIZE);
    return CreateFontIndirectA(&logFont);
}

} // namespace

HWND CreateLabel(HWND parent, const ControlDescription& row)
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!RegisterLabelClass(instance)) return nullptr;
    HWND label = CreateWindowExA(0, labelClass, row.text, WS_CHILD | WS_CLIPSIBLINGS, row.left, row.top,
                                 row.width, row.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)),
                                 instance, nullptr);
    if (!label) return nullptr;
    // A face the system lacks is mapped to another; a failed font falls back to the default.
    if (row.font) SetWindowLongPtrA(label, fontSlot, reinterpret_cast<LONG_PTR>(CreateLabelFont(*row.font)));
    SetWindowLongPtrA(label, optionsSlot, static_cast<LONG_PTR>(row.options));
    return label;
}
