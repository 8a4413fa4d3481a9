// Runs one PumpingDelay: long_delay_child EVENT INTERVAL UNIT. Sets the named
// event just before the delay starts and exits with 0 when it returns.
#include <windows.h>

#include <cstdlib>

#include "util/pumping_delay.h"

int main(int argc, char** argv)
{
    if (argc != 4) return 2;
    HANDLE started = OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[1]);
    if (!started) return 3;
    int32_t interval = static_cast<int32_t>(std::strtoll(argv[2], nullptr, 10));
    int32_t unit = static_cast<int32_t>(std::strtoll(argv[3], nullptr, 10));
    SetEvent(started);
    PumpingDelay(interval, unit);
    return 0;
}
