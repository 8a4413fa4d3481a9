// What a Windows executable's PE headers say of it, read from the file: the
// machine and subsystem it is built for, and the DLLs it names in its import
// and delay-load directories.
#pragma once

#include <string>
#include <vector>

struct PeFacts {
    bool read = false;                // false: not a 32-bit PE file, or it could not be read
    unsigned short machine = 0;       // IMAGE_FILE_MACHINE_...
    unsigned short subsystem = 0;     // IMAGE_SUBSYSTEM_...
    std::vector<std::string> dlls;          // in the order the file lists them
    std::vector<std::string> delayLoaded;   // loaded on first use instead of at start
};

PeFacts ReadPeFacts(const std::string& path);

// Whether a DLL comes with every Windows (KERNEL32, USER32, GDI32, msvcrt, ...),
// whatever the case of its name.
bool IsSystemDll(const std::string& name);
