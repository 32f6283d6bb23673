#pragma once
// Whether the welcome page shows its document in the system's web-browser control or in its
// native fallback, decided before anything of the control is created. On Windows the control is
// always there. Under Wine it renders only with Wine's Gecko engine, and a control created without
// it opens Wine's download dialog; the welcome page never shows a prompt, so under Wine the
// control is used only when the Gecko that Wine release loads is installed where Wine finds it.
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace umbrix::win32 {

// What is known of the engine before the control is created.
struct BrowserEngineFacts {
    // The Wine release the program runs under ("8.0"); none on Windows.
    std::optional<std::string> wineVersion;
    // Under Wine: the Gecko of that release is installed where Wine looks for it.
    bool geckoInstalled = false;
};

// The one decision: the control when the engine is there, the fallback otherwise.
inline bool canHostBrowser(const BrowserEngineFacts& facts) { return !facts.wineVersion || facts.geckoInstalled; }

// The facts of the running system.
BrowserEngineFacts probeBrowserEngine();

// The Gecko version a Wine release loads (each release looks for one version only), for the
// releases whose version is known; none for any other, whose engine is then taken as absent.
std::optional<std::string> geckoVersionForWine(std::string_view wineVersion);

// Where Wine looks for its Gecko, in its own order: the "GeckoPath" of the version's key below
// `registryKey`, then a folder "wine-gecko-<version>-<architecture>" in each of `folders`. An
// engine counts only with a drive-letter path and a "VERSION" file holding exactly the version,
// as Wine requires.
struct GeckoPlaces {
    HKEY registryRoot = HKEY_LOCAL_MACHINE;
    std::wstring registryKey = L"Software\\Wine\\MSHTML";
    std::vector<std::wstring> folders;
};
GeckoPlaces wineGeckoPlaces();
bool geckoInstalled(std::string_view version, const GeckoPlaces& places);

}  // namespace umbrix::win32
