// Figures and notes on standard output, flushed at once so that a run that
// hangs or is killed still shows how far it came.
#include "bench_report.h"

#include <cstdarg>
#include <cstdio>

void ReportFigure(const char* id, double value, const std::string& shown)
{
    std::printf("figure\t%s\t%.6g\t%s\n", id, value, shown.c_str());
    std::fflush(stdout);
}

void Note(const char* format, ...)
{
    std::va_list arguments;
    va_start(arguments, format);
    std::printf("# ");
    std::vprintf(format, arguments);
    std::printf("\n");
    va_end(arguments);
    std::fflush(stdout);
}

std::string Format(const char* format, ...)
{
    char buffer[512];
    std::va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(buffer, sizeof buffer, format, arguments);
    va_end(arguments);
    return buffer;
}
