// How the benchmark programs hand their figures to scripts/bench.sh: one line
// per figure on standard output, "figure<TAB>id<TAB>value<TAB>shown", where
// value is the number the target is checked against and shown is what the
// table prints. Every other line starts with "#" and only tells the reader
// what is going on.
#pragma once

#include <string>

void ReportFigure(const char* id, double value, const std::string& shown);

// A line of progress or of detail, printf-style, prefixed with "# ".
void Note(const char* format, ...);

// printf-style formatting into a string, for the shown text of a figure.
std::string Format(const char* format, ...);
