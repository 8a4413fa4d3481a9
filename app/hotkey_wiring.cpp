// The main window's created event: the click counter starts at 0.
#include "hotkey_wiring.h"

#include "clicker_controller.h"

void OnMainWindowCreated()
{
    TestClickCount = 0;
}
