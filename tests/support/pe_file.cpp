// A 32-bit PE file: the DOS header points to the NT headers, whose optional
// header holds the data directories; the import directory is an array of
// descriptors closed by an empty one, each naming a DLL by the address of its
// name once loaded (an RVA), which the section table maps back to the file.
// Every offset is checked against the file's size before it is read.
#include "pe_file.h"

#include <windows.h>

#include <cctype>
#include <cstddef>
#include <cstring>

#include "desktop.h"

namespace {

struct PeFile {
    const std::string& bytes;
    const IMAGE_SECTION_HEADER* sections = nullptr;
    int sectionCount = 0;

    template <class T>
    const T* At(size_t offset) const
    {
        if (offset > bytes.size() || bytes.size() - offset < sizeof(T)) return nullptr;
        return reinterpret_cast<const T*>(bytes.data() + offset);
    }

    // The file offset of an RVA, or 0 when no section holds it.
    size_t OffsetOf(DWORD rva) const
    {
        for (int i = 0; i < sectionCount; ++i) {
            const IMAGE_SECTION_HEADER& s = sections[i];
            DWORD size = s.Misc.VirtualSize ? s.Misc.VirtualSize : s.SizeOfRawData;
            if (rva >= s.VirtualAddress && rva - s.VirtualAddress < size)
                return s.PointerToRawData + (rva - s.VirtualAddress);
        }
        return 0;
    }

    // The zero-closed name at an RVA; empty when it runs off the file.
    std::string NameAt(DWORD rva) const
    {
        size_t offset = OffsetOf(rva);
        if (!offset || offset >= bytes.size()) return {};
        const char* start = bytes.data() + offset;
        size_t length = strnlen(start, bytes.size() - offset);
        if (offset + length >= bytes.size()) return {};
        return std::string(start, length);
    }
};

} // namespace

PeFacts ReadPeFacts(const std::string& path)
{
    PeFacts facts;
    std::string bytes = ReadWholeFile(path);
    PeFile pe{bytes};
    const auto* dos = pe.At<IMAGE_DOS_HEADER>(0);
    if (!dos || dos->e_magic != IMAGE_DOS_SIGNATURE) return facts;
    const auto* nt = pe.At<IMAGE_NT_HEADERS32>(static_cast<size_t>(dos->e_lfanew));
    if (!nt || nt->Signature != IMAGE_NT_SIGNATURE || nt->OptionalHeader.Magic != IMAGE_NT_OPTIONAL_HDR32_MAGIC)
        return facts;
    size_t sectionsAt = static_cast<size_t>(dos->e_lfanew) + offsetof(IMAGE_NT_HEADERS32, OptionalHeader) +
                        nt->FileHeader.SizeOfOptionalHeader;
    pe.sectionCount = nt->FileHeader.NumberOfSections;
    if (!pe.At<IMAGE_SECTION_HEADER>(sectionsAt + (pe.sectionCount ? pe.sectionCount - 1 : 0) *
                                                      sizeof(IMAGE_SECTION_HEADER)))
        return facts;
    pe.sections = reinterpret_cast<const IMAGE_SECTION_HEADER*>(bytes.data() + sectionsAt);
    const IMAGE_OPTIONAL_HEADER32& optional = nt->OptionalHeader;
    facts.machine = nt->FileHeader.Machine;
    facts.subsystem = optional.Subsystem;

    if (optional.NumberOfRvaAndSizes > IMAGE_DIRECTORY_ENTRY_IMPORT) {
        DWORD rva = optional.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
        for (size_t at = rva ? pe.OffsetOf(rva) : 0; at; at += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
            const auto* descriptor = pe.At<IMAGE_IMPORT_DESCRIPTOR>(at);
            if (!descriptor) return facts;   // the array runs off the file
            if (!descriptor->Name) break;
            facts.dlls.push_back(pe.NameAt(descriptor->Name));
        }
    }
    if (optional.NumberOfRvaAndSizes > IMAGE_DIRECTORY_ENTRY_DELAY_IMPORT) {
        DWORD rva = optional.DataDirectory[IMAGE_DIRECTORY_ENTRY_DELAY_IMPORT].VirtualAddress;
        for (size_t at = rva ? pe.OffsetOf(rva) : 0; at; at += sizeof(IMAGE_DELAYLOAD_DESCRIPTOR)) {
            const auto* descriptor = pe.At<IMAGE_DELAYLOAD_DESCRIPTOR>(at);
            if (!descriptor) return facts;
            if (!descriptor->DllNameRVA) break;
            facts.delayLoaded.push_back(pe.NameAt(descriptor->DllNameRVA));
        }
    }
    facts.read = true;
    return facts;
}

bool IsSystemDll(const std::string& name)
{
    // Part of every Windows since Windows 2000.
    static const char* const systemDlls[] = {
        "kernel32.dll", "user32.dll", "gdi32.dll",  "advapi32.dll", "msvcrt.dll", "shell32.dll", "comctl32.dll",
        "comdlg32.dll", "ole32.dll",  "oleaut32.dll", "ws2_32.dll", "ntdll.dll",  "version.dll", "winmm.dll",
        "shlwapi.dll",  "imm32.dll",
    };
    std::string lowered;
    for (char c : name) lowered += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const char* dll : systemDlls)
        if (lowered == dll) return true;
    return false;
}
