#include "main_window_layout.h"

namespace {

const DWORD labelStyle = WS_CHILD | WS_CLIPSIBLINGS;
const DWORD editStyle = WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;
const DWORD timerStyle = WS_CHILD | WS_CLIPSIBLINGS;
const DWORD buttonStyle =
    WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE;

const char* const note = "  注： 点击“开始”按钮或使用快捷键F8后，将鼠标指针移动到“点击次数测试”按钮，即可测试出鼠标的"
                         "点击速度，点击“停止”按钮即停止点击。";

} // namespace

const ExpectedControl expectedControls[13] = {
    {100, "Label", 16, 16, 264, 32, "每              毫秒，点击               次", labelStyle, 0, true},
    {110, "Edit", 30, 20, 80, 24, "100", editStyle, WS_EX_CLIENTEDGE, true},
    {120, "Edit", 175, 20, 80, 24, "1", editStyle, WS_EX_CLIENTEDGE, true},
    {130, "Label", 56, 48, 128, 32, "注：1 秒 = 1000 毫秒", labelStyle, 0, true},
    {140, "Button", 24, 88, 112, 40, "开始(F8)", buttonStyle, 0, true},
    {150, "Button", 160, 88, 112, 40, "停止(F9)", buttonStyle, 0, true},
    {160, "Timer", 192, 48, 40, 24, "", timerStyle, 0, false},
    {170, "Button", 168, 163, 96, 24, "点击次数测试", buttonStyle, 0, true},
    {180, "Label", 16, 160, 96, 32, "次数：", labelStyle, 0, true},
    {190, "Edit", 48, 164, 104, 24, "", editStyle, WS_EX_CLIENTEDGE, true},
    {200, "Label", 24, 200, 232, 56, note, labelStyle, 0, true},
    {210, "Label", 152, 264, 144, 16, "【Quorvane】by : veltik", labelStyle, 0, true},
    {220, "Label", 56, 128, 152, 32, "快捷键：开始F8，停止F9", labelStyle, 0, true},
};
