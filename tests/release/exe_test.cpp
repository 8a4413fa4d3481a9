// The released clicker.exe as Windows sees the file: a 32-bit GUI program that
// needs no DLL beyond the system's own, with its icon, version information and
// a manifest that Windows accepts.
#include <doctest/doctest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstddef>
#include <string>
#include <vector>

#include "clicker_driver.h"
#include "clicker_version.h"

namespace {

std::vector<unsigned char> ReadWholeFile(const std::string& path)
{
    std::vector<unsigned char> bytes;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    DWORD size = GetFileSize(file, nullptr);
    DWORD read = 0;
    bytes.resize(size);
    if (size == INVALID_FILE_SIZE || !ReadFile(file, bytes.data(), size, &read, nullptr) || read != size) bytes.clear();
    CloseHandle(file);
    return bytes;
}

// The PE headers of an image read as a file, with its sections for mapping
// addresses to file offsets.
struct PeImage {
    const std::vector<unsigned char>& bytes;
    const IMAGE_NT_HEADERS32* headers = nullptr;

    explicit PeImage(const std::vector<unsigned char>& file) : bytes(file)
    {
        if (bytes.size() < sizeof(IMAGE_DOS_HEADER)) return;
        auto dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(bytes.data());
        if (dos->e_magic != IMAGE_DOS_SIGNATURE) return;
        size_t at = static_cast<size_t>(dos->e_lfanew);
        if (at + sizeof(IMAGE_NT_HEADERS32) > bytes.size()) return;
        auto nt = reinterpret_cast<const IMAGE_NT_HEADERS32*>(bytes.data() + at);
        if (nt->Signature == IMAGE_NT_SIGNATURE) headers = nt;
    }

    // The file offset of a relative virtual address, or 0 when no section holds it.
    size_t OffsetOf(DWORD rva) const
    {
        const IMAGE_SECTION_HEADER* section = IMAGE_FIRST_SECTION(headers);
        for (WORD i = 0; i < headers->FileHeader.NumberOfSections; ++i, ++section) {
            if (rva >= section->VirtualAddress && rva < section->VirtualAddress + section->SizeOfRawData)
                return rva - section->VirtualAddress + section->PointerToRawData;
        }
        return 0;
    }

    std::string TextAt(DWORD rva) const
    {
        size_t at = OffsetOf(rva);
        std::string text;
        while (at && at < bytes.size() && bytes[at]) text += static_cast<char>(bytes[at++]);
        return text;
    }

    std::vector<std::string> ImportedDlls() const
    {
        std::vector<std::string> names;
        const IMAGE_DATA_DIRECTORY& directory = headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
        size_t at = OffsetOf(directory.VirtualAddress);
        while (at && at + sizeof(IMAGE_IMPORT_DESCRIPTOR) <= bytes.size()) {
            auto entry = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(bytes.data() + at);
            if (entry->Name == 0) break;
            names.push_back(TextAt(entry->Name));
            at += sizeof(IMAGE_IMPORT_DESCRIPTOR);
        }
        return names;
    }
};

// System DLLs that every Windows from 7 on has in its system folder.
bool IsSystemDll(const std::string& name)
{
    static const char* const systemDlls[] = {
        "kernel32.dll", "user32.dll", "gdi32.dll", "msvcrt.dll", "advapi32.dll", "shell32.dll",
        "comctl32.dll", "comdlg32.dll", "ole32.dll", "oleaut32.dll", "version.dll", "shlwapi.dll",
        "winmm.dll", "imm32.dll",
    };
    for (const char* dll : systemDlls) {
        if (lstrcmpiA(dll, name.c_str()) == 0) return true;
    }
    return false;
}

std::string VersionString(const std::vector<char>& info, const char* name)
{
    std::string query = std::string("\\StringFileInfo\\080404b0\\") + name;
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(info.data(), query.c_str(), &value, &length) || !value) return "(missing)";
    return static_cast<const char*>(value);
}

struct LoadedAsData {
    HMODULE module = LoadLibraryExA(ClickerPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ~LoadedAsData() { if (module) FreeLibrary(module); }
};

std::string ManifestText(HMODULE module)
{
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));   // RT_MANIFEST
    if (!found) return "";
    HGLOBAL loaded = LoadResource(module, found);
    return std::string(static_cast<const char*>(LockResource(loaded)), SizeofResource(module, found));
}

// What the loader reports of the supportedOS entries, in the layout of Windows 10
// and of Wine, where each entry also carries its highest version tested.
struct CompatibilityElement {
    GUID id;
    DWORD type;
    ULONGLONG maxVersionTested;
};
struct CompatibilityInformation {
    DWORD count;
    CompatibilityElement elements[1];
};

std::string GuidText(const GUID& id)
{
    char text[64];
    wsprintfA(text, "{%08lx-%04x-%04x-%02x%02x-%02x%02x%02x%02x%02x%02x}", id.Data1, id.Data2, id.Data3,
              id.Data4[0], id.Data4[1], id.Data4[2], id.Data4[3], id.Data4[4], id.Data4[5], id.Data4[6], id.Data4[7]);
    return text;
}

} // namespace

TEST_CASE("clicker.exe is a small 32-bit GUI program that imports only system DLLs")
{
    std::vector<unsigned char> file = ReadWholeFile(ClickerPath());
    REQUIRE_MESSAGE(!file.empty(), ClickerPath());
    CHECK(file.size() < 300 * 1024);
    MESSAGE("clicker.exe is " << file.size() << " bytes");

    PeImage image(file);
    REQUIRE(image.headers);
    CHECK(image.headers->FileHeader.Machine == IMAGE_FILE_MACHINE_I386);
    CHECK(image.headers->OptionalHeader.Magic == IMAGE_NT_OPTIONAL_HDR32_MAGIC);
    CHECK(image.headers->OptionalHeader.Subsystem == IMAGE_SUBSYSTEM_WINDOWS_GUI);

    std::vector<std::string> dlls = image.ImportedDlls();
    CHECK(dlls.size() >= 3);
    for (const std::string& dll : dlls) CHECK_MESSAGE(IsSystemDll(dll), dll);
    // Nothing loaded later behind the import table's back either.
    CHECK(image.headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_DELAY_IMPORT].Size == 0);
}

TEST_CASE("The icon group DEFAULT_ICON holds 16-colour icons of 16, 32 and 48 pixels")
{
    LoadedAsData exe;
    REQUIRE(exe.module);
    HRSRC found = FindResourceA(exe.module, "DEFAULT_ICON", MAKEINTRESOURCEA(14));   // RT_GROUP_ICON
    REQUIRE(found);
    auto group = static_cast<const unsigned char*>(LockResource(LoadResource(exe.module, found)));
    REQUIRE(group);
    // GRPICONDIR: reserved, type 1, count; then 14-byte entries.
    WORD count = *reinterpret_cast<const WORD*>(group + 4);
    std::vector<int> sizes;
    for (WORD i = 0; i < count; ++i) {
        const unsigned char* entry = group + 6 + 14 * i;
        int width = entry[0] ? entry[0] : 256;
        WORD id = *reinterpret_cast<const WORD*>(entry + 12);
        CAPTURE(width);
        CHECK(entry[2] == 16);   // colours
        CHECK(FindResourceA(exe.module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(3)));   // RT_ICON
        sizes.push_back(width);
    }
    CHECK(sizes == std::vector<int>{16, 32, 48});
}

TEST_CASE("The version information shows the program's name and version in Explorer")
{
    std::string path = ClickerPath();
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeA(path.c_str(), &handle);
    REQUIRE(size > 0);
    std::vector<char> info(size);
    REQUIRE(GetFileVersionInfoA(path.c_str(), 0, size, info.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    REQUIRE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    REQUIRE(fixed);
    CHECK(fixed->dwSignature == 0xFEEF04BD);
    CHECK(fixed->dwFileVersionMS == MAKELONG(CLICKER_VERSION_MINOR, CLICKER_VERSION_MAJOR));
    CHECK(fixed->dwFileVersionLS == MAKELONG(0, CLICKER_VERSION_PATCH));
    CHECK(fixed->dwProductVersionMS == fixed->dwFileVersionMS);
    CHECK(fixed->dwProductVersionLS == fixed->dwFileVersionLS);
    CHECK(fixed->dwFileType == VFT_APP);

    WORD* translation = nullptr;
    REQUIRE(VerQueryValueA(info.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length));
    REQUIRE(length >= 4);
    CHECK(translation[0] == 0x0804);   // Chinese (Simplified)
    CHECK(translation[1] == 1200);     // Unicode

    // Read back through the ANSI functions, so the Chinese texts arrive in code page 936.
    struct Row { const char* name; std::string expected; };
    const Row rows[] = {
        {"FileDescription", "鼠标左键连点器"},
        {"ProductName", "鼠标左键连点器"},
        {"OriginalFilename", "clicker.exe"},
        {"FileVersion", CLICKER_VERSION_TEXT},
        {"ProductVersion", CLICKER_VERSION_TEXT},
    };
    for (const Row& row : rows) {
        CAPTURE(std::string(row.name));
        CHECK(VersionString(info, row.name) == row.expected);
    }
}

TEST_CASE("The manifest asks for no elevation, names Windows 7 to 11 and keeps the classic controls")
{
    LoadedAsData exe;
    REQUIRE(exe.module);
    std::string manifest = ManifestText(exe.module);
    REQUIRE(!manifest.empty());
    // The layout is in fixed pixels: Windows is left to scale the whole window.
    CHECK(manifest.find("dpiAware") == std::string::npos);

    // The loader's own reading of it: a manifest Windows rejects stops the program from starting at all.
    ACTCTXA request{};
    request.cbSize = sizeof request;
    request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    std::string path = ClickerPath();
    request.lpSource = path.c_str();
    request.lpResourceName = MAKEINTRESOURCEA(1);
    HANDLE context = CreateActCtxA(&request);
    REQUIRE(context != INVALID_HANDLE_VALUE);

    ACTIVATION_CONTEXT_RUN_LEVEL_INFORMATION runLevel{};
    SIZE_T written = 0;
    REQUIRE(QueryActCtxW(0, context, nullptr, RunlevelInformationInActivationContext, &runLevel, sizeof runLevel, &written));
    CHECK(runLevel.RunLevel == ACTCTX_RUN_LEVEL_AS_INVOKER);
    CHECK(runLevel.UiAccess == 0);

    alignas(8) unsigned char buffer[512] = {};
    REQUIRE(QueryActCtxW(0, context, nullptr, CompatibilityInformationInActivationContext, buffer, sizeof buffer, &written));
    auto compatibility = reinterpret_cast<const CompatibilityInformation*>(buffer);
    REQUIRE(written == offsetof(CompatibilityInformation, elements) + compatibility->count * sizeof(CompatibilityElement));
    std::vector<std::string> systems;
    for (DWORD i = 0; i < compatibility->count; ++i) {
        if (compatibility->elements[i].type == ACTCTX_COMPATIBILITY_ELEMENT_TYPE_OS)
            systems.push_back(GuidText(compatibility->elements[i].id));
    }
    CHECK(systems == std::vector<std::string>{
        "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",   // Windows 7
        "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",   // Windows 8
        "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",   // Windows 8.1
        "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",   // Windows 10 and 11
    });

    // Within it, a push button is still the classic one: the version 6 controls are left
    // out on purpose, since loading them costs a large part of the start-up time.
    ULONG_PTR cookie = 0;
    REQUIRE(ActivateActCtx(context, &cookie));
    HWND button = CreateWindowExA(0, "BUTTON", "x", WS_POPUP | BS_PUSHBUTTON, 0, 0, 80, 24, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    REQUIRE(button);
    SIZE ideal{};
    CHECK(SendMessageA(button, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal)) == 0);   // version 6 only
    DestroyWindow(button);
    DeactivateActCtx(0, cookie);
    ReleaseActCtx(context);
}
