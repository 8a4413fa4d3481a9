// The benchmark's clock: QueryPerformanceCounter in milliseconds, and the
// median of a set of measurements.
#pragma once

#include <windows.h>

#include <algorithm>
#include <vector>

// Milliseconds since an arbitrary moment, with the performance counter's resolution.
inline double NowMs()
{
    static const double ticksPerMs = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / ticksPerMs;
}

// The middle value (the mean of the two middle ones for an even count); 0 for none.
inline double Median(std::vector<double> values)
{
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}
