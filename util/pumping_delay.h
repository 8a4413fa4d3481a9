// Waits a given time on a one-shot waitable timer while the thread's messages
// keep being dispatched, so that windows go on working meanwhile.
#pragma once

#include <cstdint>
#include <optional>

// unit: 0 (or left out) milliseconds, 1 seconds, 2 minutes, 3 hours, any other
// value v steps of v milliseconds. Always returns 1.
int32_t PumpingDelay(std::optional<int32_t> interval = std::nullopt,
                     std::optional<int32_t> unit = std::nullopt);
