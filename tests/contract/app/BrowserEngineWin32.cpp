// Whether the welcome page may create the web-browser control: under Wine only when the Gecko
// engine that Wine release loads is installed where Wine finds it, since a control created
// without it opens Wine's download dialog.
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "views/BrowserEngine.hpp"
#include "win32/Utf16.hpp"

namespace umbrix::win32 {
namespace {

TEST(WelcomeBrowserEngine, EachWineReleaseLoadsItsOwnGecko) {
    const struct {
        const char* wine;
        std::optional<std::string> gecko;
    } cases[] = {
        {"8.0", "2.47.3"},      {"8.0.2", "2.47.3"},   {"7.0.1", "2.47.2"},       {"9.0", "2.47.4"},
        {"9.21", "2.47.4"},     {"10.0", "2.47.4"},    {"8.5", std::nullopt},     {"10.3", std::nullopt},
        {"11.0", std::nullopt}, {"6.0", std::nullopt}, {"8.0-rc1", std::nullopt}, {"8", std::nullopt},
        {"8.0.", std::nullopt}, {"", std::nullopt},    {"8.0.1.2", std::nullopt},
    };
    for (const auto& [wine, gecko] : cases) EXPECT_EQ(geckoVersionForWine(wine), gecko) << "Wine " << wine;
}

// A scratch folder and registry key standing in for Wine's places.
class GeckoPlacesTest : public testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        const std::wstring id = std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(GetTickCount64());
        folder_ = std::wstring(temp) + L"umbrix-gecko-" + id;
        ASSERT_TRUE(CreateDirectoryW(folder_.c_str(), nullptr));
        places_.registryRoot = HKEY_CURRENT_USER;
        places_.registryKey = L"Software\\Umbrix Tests\\gecko-" + id;
    }
    void TearDown() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, places_.registryKey.c_str());
        SHFILEOPSTRUCTW removal{};
        const std::wstring from = folder_ + L'\0';
        removal.wFunc = FO_DELETE;
        removal.pFrom = from.c_str();
        removal.fFlags = FOF_NO_UI;
        SHFileOperationW(&removal);
    }

    // An engine folder below the scratch folder, with `version` as its "VERSION" (none: no file).
    std::wstring engine(const std::wstring& name, const std::optional<std::string>& version) {
        const std::wstring path = folder_ + L"\\" + name;
        CreateDirectoryW(path.c_str(), nullptr);
        if (version) {
            const HANDLE file = CreateFileW((path + L"\\VERSION").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                            FILE_ATTRIBUTE_NORMAL, nullptr);
            DWORD written = 0;
            WriteFile(file, version->data(), static_cast<DWORD>(version->size()), &written, nullptr);
            CloseHandle(file);
        }
        return path;
    }
    void registerEngine(const std::string& version, const std::wstring& path, DWORD type = REG_SZ) {
        ASSERT_EQ(
            RegSetKeyValueW(HKEY_CURRENT_USER, (places_.registryKey + L"\\" + widen(version)).c_str(), L"GeckoPath",
                            type, path.c_str(), static_cast<DWORD>((path.size() + 1) * sizeof(wchar_t))),
            ERROR_SUCCESS);
    }

    std::wstring folder_;
    GeckoPlaces places_;
};

TEST_F(GeckoPlacesTest, ARegisteredEngineCountsOnlyAsWineWouldLoadIt) {
    registerEngine("2.47.3", engine(L"right", "2.47.3"));
    EXPECT_TRUE(geckoInstalled("2.47.3", places_));

    // Another release's engine, a version with a line end, no VERSION at all: Wine would offer
    // the download.
    registerEngine("2.47.3", engine(L"older", "2.47.2"));
    EXPECT_FALSE(geckoInstalled("2.47.3", places_));
    registerEngine("2.47.3", engine(L"newline", "2.47.3\n"));
    EXPECT_FALSE(geckoInstalled("2.47.3", places_));
    registerEngine("2.47.3", engine(L"empty", std::nullopt));
    EXPECT_FALSE(geckoInstalled("2.47.3", places_));
    // The right engine under another version's key, or by a path Wine does not take.
    registerEngine("2.47.2", engine(L"right", "2.47.3"));
    RegDeleteTreeW(HKEY_CURRENT_USER, (places_.registryKey + L"\\2.47.3").c_str());
    EXPECT_FALSE(geckoInstalled("2.47.3", places_));
    registerEngine("2.47.3", engine(L"right", "2.47.3"), REG_EXPAND_SZ);
    EXPECT_FALSE(geckoInstalled("2.47.3", places_));
    registerEngine("2.47.3", L"right");
    EXPECT_FALSE(geckoInstalled("2.47.3", places_));
}

TEST_F(GeckoPlacesTest, ASharedEngineIsTheOneOfThisArchitectureAndVersion) {
    places_.folders = {folder_ + L"\\nowhere", folder_};
    EXPECT_FALSE(geckoInstalled("2.47.3", places_));
    engine(L"wine-gecko-2.47.3-x86", "2.47.3");  // a 32-bit process's engine
    engine(L"wine-gecko-2.47.2-x86_64", "2.47.2");
    EXPECT_FALSE(geckoInstalled("2.47.3", places_));
    engine(L"wine-gecko-2.47.3-x86_64", "2.47.3");
    EXPECT_TRUE(geckoInstalled("2.47.3", places_));
    // Wine hands its data folder over as an NT path.
    places_.folders = {L"\\??\\" + folder_};
    EXPECT_TRUE(geckoInstalled("2.47.3", places_));
}

TEST(WelcomeBrowserEngine, AWineWithoutGeckoShowsTheFallbackAndWindowsTheControl) {
    const BrowserEngineFacts facts = probeBrowserEngine();
    if (!facts.wineVersion) {
        EXPECT_TRUE(canHostBrowser(facts)) << "Windows has the control";
        return;
    }
    // The test prefixes have no Gecko, and Debian packages none.
    EXPECT_FALSE(facts.geckoInstalled) << "Wine " << *facts.wineVersion;
    EXPECT_FALSE(canHostBrowser(facts));
    EXPECT_TRUE(geckoVersionForWine(*facts.wineVersion))
        << "this machine's Wine " << *facts.wineVersion << " has a known engine";
}

}  // namespace
}  // namespace umbrix::win32
