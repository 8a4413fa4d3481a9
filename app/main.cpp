// 鼠标左键连点器: the toolkit runs the program's start and its end processing.
#include <windows.h>

#include "program_start.h"
#include "toolkit/toolkit.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    return ToolkitMain(ProgramStart);
}
