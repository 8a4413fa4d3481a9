// The behaviour behind the main window's buttons and timer.
#include "clicker_controller.h"

int32_t TestClickCount = 0;

void OnStartClicked() {}

void OnStopClicked() {}

void OnTestClicked() {}

void OnClickTimer() {}
