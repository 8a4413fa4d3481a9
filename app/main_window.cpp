// The main window as the toolkit builds it: a fixed-size window centred on the
// screen, six labels, three edit boxes, three buttons and a hidden timer, in
// creation order (which is also the order from the bottom of the z-order up
// and the tab order). The two setting boxes lie on the top label, in the gaps
// its runs of blanks leave, so that the row reads as one sentence around them.
#include "main_window.h"

#include "clicker_controller.h"
#include "hotkey_wiring.h"

Control MainWindow;
Control 标签1, 标签2, 标签3, 标签4, 标签5, 标签6;
Control 编辑框1, 编辑框2, 编辑框3;
Control 按钮1, 按钮2, 按钮3;
Control 时钟1;

namespace {

const LabelFont noteFont = {"宋体", -12, FW_BOLD};
const LabelFont signatureFont = {"Adobe 楷体 Std R", -12, FW_NORMAL};

const char* const note =
    "  注： 点击“开始”按钮或使用快捷键F8后，将鼠标指针移动到“点击次数测试”按钮，"
    "即可测试出鼠标的点击速度，点击“停止”按钮即停止点击。";

const ControlDescription controls[] = {
    // control  name       kind                   left top width height  id   text                    font            options
    {&标签1,   "标签1",   ControlKind::Label,    16,  16,  264, 32,  100, "每              毫秒，点击               次", nullptr, 0},
    {&编辑框1, "编辑框1", ControlKind::EditBox,  30,  20,  80,  24,  110, "100",                    nullptr,        IntegerOnly},
    {&编辑框2, "编辑框2", ControlKind::EditBox,  175, 20,  80,  24,  120, "1",                      nullptr,        IntegerOnly},
    {&标签2,   "标签2",   ControlKind::Label,    56,  48,  128, 32,  130, "注：1 秒 = 1000 毫秒",   nullptr,        0},
    {&按钮1,   "按钮1",   ControlKind::Button,   24,  88,  112, 40,  140, "开始(F8)",               nullptr,        0},
    {&按钮2,   "按钮2",   ControlKind::Button,   160, 88,  112, 40,  150, "停止(F9)",               nullptr,        0},
    {&时钟1,   "时钟1",   ControlKind::Timer,    192, 48,  40,  24,  160, "",                       nullptr,        0},
    {&按钮3,   "按钮3",   ControlKind::Button,   168, 163, 96,  24,  170, "点击次数测试",           nullptr,        0},
    {&标签3,   "标签3",   ControlKind::Label,    16,  160, 96,  32,  180, "次数：",                 nullptr,        0},
    {&编辑框3, "编辑框3", ControlKind::EditBox,  48,  164, 104, 24,  190, "",                       nullptr,        0},
    {&标签4,   "标签4",   ControlKind::Label,    24,  200, 232, 56,  200, note,                     &noteFont,      WrapText},
    {&标签5,   "标签5",   ControlKind::Label,    152, 264, 144, 16,  210, "【Quorvane】by : veltik", &signatureFont, 0},
    {&标签6,   "标签6",   ControlKind::Label,    56,  128, 152, 32,  220, "快捷键：开始F8，停止F9", nullptr,        0},
};

const EventBinding events[] = {
    {"MainWindow", Event::Created, OnMainWindowCreated},
    {"按钮1", Event::Clicked, OnStartClicked},
    {"按钮2", Event::Clicked, OnStopClicked},
    {"按钮3", Event::Clicked, OnTestClicked},
    {"时钟1", Event::Periodic, OnClickTimer},
};

} // namespace

WindowDescription MainWindowDescription = {
    &MainWindow,
    "MainWindow",
    "ClickerMainWindow",
    "鼠标左键连点器",
    // Fixed size: no sizing frame, no maximise box.
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN,
    305,
    313,
    "DEFAULT_ICON",
    controls,
    sizeof controls / sizeof controls[0],
    events,
    sizeof events / sizeof events[0],
};
