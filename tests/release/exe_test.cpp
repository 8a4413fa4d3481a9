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
#include "pe_file.h"

namespace {

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
    std::string file = ReadWholeFile(ClickerPath());
    REQUIRE_MESSAGE(!file.empty(), ClickerPath());
    CHECK(file.size() < 300 * 1024);
    MESSAGE("clicker.exe is " << file.size() << " bytes");

    PeFacts exe = ReadPeFacts(ClickerPath());
    REQUIRE(exe.read);   // a 32-bit PE file
    CHECK(exe.machine == IMAGE_FILE_MACHINE_I386);
    CHECK(exe.subsystem == IMAGE_SUBSYSTEM_WINDOWS_GUI);
    CHECK(exe.dlls.size() >= 3);
    for (const std::string& dll : exe.dlls) CHECK_MESSAGE(IsSystemDll(dll), dll);
    // Nothing loaded later behind the import table's back either.
    CHECK(exe.delayLoaded.empty());
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
