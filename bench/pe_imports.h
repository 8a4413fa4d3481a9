// The DLLs a Windows executable names in its import directory and its
// delay-load directory, read from the file's PE headers.
#pragma once

#include <string>
#include <vector>

struct ImportList {
    bool read = false;                // false: not a 32-bit PE file, or it could not be read
    std::vector<std::string> dlls;          // in the order the file lists them
    std::vector<std::string> delayLoaded;   // loaded on first use instead of at start
};

ImportList ReadImportedDlls(const std::string& path);

// Whether a DLL comes with every Windows (KERNEL32, USER32, GDI32, msvcrt, ...),
// whatever the case of its name.
bool IsSystemDll(const std::string& name);
