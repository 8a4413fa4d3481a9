// The notice box: a modal MessageBoxA with defaults for everything but the
// text. A default replaces only an argument that was left out, so a given
// style of 0 or a given null owner reaches MessageBoxA as it is.
#include "notice_box.h"

#include "util/window_census.h"

int ShowNotice(const Text& text, std::optional<UINT> style, std::optional<Text> caption,
               std::optional<HWND> owner)
{
    HWND boxOwner = owner ? *owner : FindProcessWindow(GetCurrentProcessId());
    Text boxCaption = caption ? *caption : Text("友情提醒");
    UINT boxStyle = style ? *style : MB_ICONINFORMATION;
    int button = MessageBoxA(boxOwner, text.c_str(), boxCaption.c_str(), boxStyle);
    // Windows reports a failed box as 0; Wine passes on the dialog's -1. Both
    // are no button, and a failure is -1 either way.
    if (button <= 0) return -1;
    return button - 1;
}
