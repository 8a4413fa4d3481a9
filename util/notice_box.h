// A notice: MessageBoxA with a default for everything but the text.
#pragma once

#include <windows.h>

#include <optional>

#include "text/text.h"

// Defaults, each only for an argument left out: MB_ICONINFORMATION, caption
// "友情提醒", owner the process's first visible top-level window. Returns the
// button identifier minus 1 (OK gives 0; a failed MessageBoxA gives -1).
int ShowNotice(const Text& text, std::optional<UINT> style = std::nullopt,
               std::optional<Text> caption = std::nullopt,
               std::optional<HWND> owner = std::nullopt);
