#include "views/BrowserEngine.hpp"

#include <array>
#include <charconv>
#include <cstdlib>

#include "win32/Utf16.hpp"

namespace umbrix::win32 {

namespace {

// The architecture part of the engine's folder name: Wine loads the Gecko built for the process.
#if defined(_M_X64) || defined(__x86_64__)
constexpr wchar_t kGeckoArchitecture[] = L"x86_64";
#elif defined(_M_IX86) || defined(__i386__)
constexpr wchar_t kGeckoArchitecture[] = L"x86";
#else
constexpr wchar_t kGeckoArchitecture[] = L"";  // Wine has no Gecko for it
#endif

// "major.minor[.patch]" and nothing else: a release candidate or a vendor's build has no known
// engine.
std::optional<std::array<int, 3>> releaseNumbers(std::string_view version) {
    std::array<int, 3> numbers{};
    std::size_t count = 0;
    const char* at = version.data();
    const char* end = version.data() + version.size();
    while (at < end && count < numbers.size()) {
        const auto [next, error] = std::from_chars(at, end, numbers[count]);
        if (error != std::errc() || next == at) return std::nullopt;
        ++count;
        at = next;
        if (at == end) break;
        if (*at != '.') return std::nullopt;
        ++at;
        if (at == end) return std::nullopt;
    }
    if (at != end || count < 2) return std::nullopt;
    return numbers;
}

std::string readSmallFile(const std::wstring& path) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    char bytes[128];
    DWORD read = 0;
    const BOOL done = ReadFile(file, bytes, sizeof bytes - 1, &read, nullptr);
    CloseHandle(file);
    return done ? std::string(bytes, read) : std::string();
}

// Wine's own test of a Gecko folder: a DOS path (an NT "\??\" prefix aside) whose "VERSION"
// holds the version and nothing more.
bool holdsGecko(std::wstring folder, std::string_view version) {
    if (folder.starts_with(L"\\??\\")) folder.erase(0, 4);
    if (folder.size() < 3 || folder[1] != L':') return false;
    while (folder.ends_with(L'\\')) folder.pop_back();
    return readSmallFile(folder + L"\\VERSION") == version;
}

std::optional<std::wstring> registeredGeckoPath(const GeckoPlaces& places, std::string_view version) {
    const std::wstring key = places.registryKey + L"\\" + widen(version);
    // A plain string only, as Wine reads it: an expandable one is not expanded for it.
    wchar_t path[MAX_PATH] = {};
    DWORD size = sizeof path;
    if (RegGetValueW(places.registryRoot, key.c_str(), L"GeckoPath", RRF_RT_REG_SZ | RRF_NOEXPAND, nullptr, path,
                     &size) != ERROR_SUCCESS)
        return std::nullopt;
    return std::wstring(path);
}

}  // namespace

std::optional<std::string> geckoVersionForWine(std::string_view wineVersion) {
    const auto release = releaseNumbers(wineVersion);
    if (!release) return std::nullopt;
    const auto [major, minor, patch] = *release;
    (void)patch;  // a stable release's updates keep its engine
    if (major == 7 && minor == 0) return "2.47.2";
    if (major == 8 && minor == 0) return "2.47.3";
    if (major == 9 || (major == 10 && minor == 0)) return "2.47.4";
    return std::nullopt;
}

GeckoPlaces wineGeckoPlaces() {
    GeckoPlaces places;
    // Wine's data folder, as Wine hands it to its programs.
    if (const wchar_t* data = _wgetenv(L"WINEDATADIR")) places.folders.push_back(std::wstring(data) + L"\\gecko");
    // The shared folders of the distributions' packages, as Windows paths of this Wine.
    using DosFileName = wchar_t*(CDECL*)(const char*);
    const auto dosFileName = reinterpret_cast<DosFileName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_dos_file_name")));
    if (dosFileName) {
        for (const char* folder : {"/usr/share/wine/gecko", "/opt/wine/gecko"}) {
            if (wchar_t* dos = dosFileName(folder)) {
                places.folders.emplace_back(dos);
                HeapFree(GetProcessHeap(), 0, dos);
            }
        }
    }
    return places;
}

bool geckoInstalled(std::string_view version, const GeckoPlaces& places) {
    if (!*kGeckoArchitecture) return false;
    if (const auto registered = registeredGeckoPath(places, version); registered && holdsGecko(*registered, version))
        return true;
    const std::wstring name = L"\\wine-gecko-" + widen(version) + L"-" + kGeckoArchitecture;
    for (const std::wstring& folder : places.folders)
        if (holdsGecko(folder + name, version)) return true;
    return false;
}

BrowserEngineFacts probeBrowserEngine() {
    BrowserEngineFacts facts;
    using WineVersion = const char*(CDECL*)();
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    const auto wineVersion =
        ntdll ? reinterpret_cast<WineVersion>(reinterpret_cast<void*>(GetProcAddress(ntdll, "wine_get_version")))
              : nullptr;
    if (!wineVersion) return facts;  // Windows: the control is part of it
    const char* version = wineVersion();
    facts.wineVersion = version ? version : "";
    if (const auto gecko = geckoVersionForWine(*facts.wineVersion))
        facts.geckoInstalled = geckoInstalled(*gecko, wineGeckoPlaces());
    return facts;
}

}  // namespace umbrix::win32
