// The clicker's one window: its controls, by the names every handler uses,
// and the description that the toolkit builds it from.
#pragma once

#include "toolkit/window.h"

extern Control MainWindow;
extern Control 标签1, 标签2, 标签3, 标签4, 标签5, 标签6;
extern Control 编辑框1, 编辑框2, 编辑框3;
extern Control 按钮1, 按钮2, 按钮3;
extern Control 时钟1;

// Not const: a test may put a recorder in front of the created handler.
extern WindowDescription MainWindowDescription;
