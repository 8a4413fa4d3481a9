// Processor time of another process: GetProcessTimes, or under Wine the Linux
// scheduler's statistics, read through Wine's Z: drive (the root of the Linux
// file system).
#include "process_cpu.h"

#include <cctype>
#include <cstdlib>
#include <vector>

#include "desktop.h"

namespace {

std::string Lowered(std::string text)
{
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// Names of the entries of a folder whose names are all digits.
std::vector<std::string> NumberedEntries(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        std::string name = found.cFileName;
        bool digits = !name.empty();
        for (char c : name) digits = digits && std::isdigit(static_cast<unsigned char>(c));
        if (digits) names.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

// The Linux process folder of the one Wine process that runs programPath in our prefix.
std::string WineProcessFolder(const std::string& programPath)
{
    const char* prefix = std::getenv("WINEPREFIX");
    if (!prefix) return {};
    std::string prefixEntry = std::string("WINEPREFIX=") + prefix;
    prefixEntry.push_back('\0');
    std::string wanted = Lowered(programPath);
    std::string match;
    for (const std::string& pid : NumberedEntries("Z:\\proc")) {
        std::string folder = "Z:\\proc\\" + pid;
        std::string commandLine = ReadWholeFile(folder + "\\cmdline");
        if (Lowered(commandLine).find(wanted) == std::string::npos) continue;
        std::string environment = ReadWholeFile(folder + "\\environ");
        if (environment.compare(0, prefixEntry.size(), prefixEntry) != 0 &&
            environment.find('\0' + prefixEntry) == std::string::npos)
            continue;
        if (!match.empty()) return {};   // two of them: which one is meant is unclear
        match = folder;
    }
    return match;
}

// The sum over the threads of the first field of schedstat: nanoseconds on a processor.
double ThreadRunTimeMs(const std::string& processFolder)
{
    std::vector<std::string> threads = NumberedEntries(processFolder + "\\task");
    if (threads.empty()) return -1;
    double nanoseconds = 0;
    for (const std::string& tid : threads) {
        std::string stat = ReadWholeFile(processFolder + "\\task\\" + tid + "\\schedstat");
        nanoseconds += std::strtod(stat.c_str(), nullptr);
    }
    return nanoseconds / 1e6;
}

double FileTimeMs(const FILETIME& time)
{
    ULARGE_INTEGER value;
    value.LowPart = time.dwLowDateTime;
    value.HighPart = time.dwHighDateTime;
    return static_cast<double>(value.QuadPart) / 1e4;   // 100 ns units
}

} // namespace

bool RunningUnderWine()
{
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

double ProcessCpuMs(HANDLE process, const std::string& programPath)
{
    if (RunningUnderWine()) {
        std::string folder = WineProcessFolder(programPath);
        return folder.empty() ? -1 : ThreadRunTimeMs(folder);
    }
    FILETIME created, ended, kernel, user;
    if (!GetProcessTimes(process, &created, &ended, &kernel, &user)) return -1;
    return FileTimeMs(kernel) + FileTimeMs(user);
}
