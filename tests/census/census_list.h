// The census list exists for each test, as the program's start-up makes it.
#pragma once

#include <vector>

#include "util/window_census.h"

struct CensusList {
    CensusList() { WindowCensus = new std::vector<WindowInfo>; }
    ~CensusList()
    {
        delete WindowCensus;
        WindowCensus = nullptr;
    }
};
