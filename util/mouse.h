// Puts mouse-button events into the system's input stream at the pointer,
// whichever window lies under it. Codes outside the tables send nothing.
#pragma once

#include <cstdint>
#include <optional>

// button: 0 (or left out) and 1 left, 2 right, 3 middle.
// action: 0 (or left out) and 1 click, 2 double click, 3 press only, 4 release only.
void SimulateMouseButton(std::optional<int32_t> button = std::nullopt,
                         std::optional<int32_t> action = std::nullopt);
