// Footprint: what clicker.exe takes on disk and from the system, and the
// processor time it uses while it only waits.
#include <string>

#include "bench_report.h"
#include "clicker_figures.h"
#include "pe_file.h"
#include "process_cpu.h"

namespace {

// -1 when the file cannot be found.
double FileSize(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return -1;
    return static_cast<double>(data.nFileSizeHigh) * 4294967296.0 + data.nFileSizeLow;
}

} // namespace

bool MeasureFileFootprint()
{
    std::string path = ClickerPath();
    double size = FileSize(path);
    PeFacts imports = ReadPeFacts(path);
    if (size < 0 || !imports.read) {
        Note("%s could not be read", path.c_str());
        return false;
    }
    ReportFigure("exe_size", size, Format("%.0f KB", size / 1024));
    double minimal = FileSize(ProgramFolder() + "minimal_window.exe");
    if (minimal >= 0) Note("minimal_window.exe: %.0f KB", minimal / 1024);

    std::string names;
    int beyond = 0;
    for (const std::string& dll : imports.dlls) {
        names += (names.empty() ? "" : " ") + dll;
        beyond += !IsSystemDll(dll);
    }
    for (const std::string& dll : imports.delayLoaded) {
        names += (names.empty() ? "" : " ") + dll + "(delay-loaded)";
        beyond += !IsSystemDll(dll);
    }
    if (beyond) names += Format(" (%d beyond the system's)", beyond);
    ReportFigure("imports", beyond, names);
    return true;
}

bool MeasureIdleCpu(const Clicker& clicker)
{
    PumpFor(1000);   // the last repaints and the hot key's aftermath
    double before = ProcessCpuMs(clicker.child.info.hProcess, ClickerPath());
    PumpFor(5000);
    double after = ProcessCpuMs(clicker.child.info.hProcess, ClickerPath());
    if (before < 0 || after < 0) {
        Note("the clicker's processor time could not be read");
        return false;
    }
    double used = after - before;
    Note("idle: %.2f ms of processor time used before, %.2f ms after", before, after);
    ReportFigure("idle_cpu", used, Format("%.2f ms", used));
    return true;
}
