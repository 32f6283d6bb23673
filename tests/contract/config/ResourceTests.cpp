// Umbrix.exe's resources, linked into this program exactly as into Umbrix.exe, checked as
// Windows loads them.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ResourceIds.h"
#include "win32/Utf16.hpp"
#include "win32/Win32System.hpp"

namespace {

TEST(Resources, VersionInformationNamesTheProgram) {
    umbrix::win32::Win32System system;
    EXPECT_EQ(system.fileVersionText(), "7.1.1.98");

    std::wstring exe(MAX_PATH, L'\0');
    exe.resize(GetModuleFileNameW(nullptr, exe.data(), MAX_PATH));
    DWORD ignored = 0;
    std::vector<BYTE> block(GetFileVersionInfoSizeW(exe.c_str(), &ignored));
    ASSERT_FALSE(block.empty());
    ASSERT_TRUE(GetFileVersionInfoW(exe.c_str(), 0, static_cast<DWORD>(block.size()), block.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(1, 7));
    EXPECT_EQ(fixed->dwFileVersionLS, MAKELONG(98, 1));
    EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(1, 7));
    EXPECT_EQ(fixed->dwProductVersionLS, MAKELONG(98, 1));
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

    struct Value {
        const wchar_t* name;
        const wchar_t* expected;
    } values[] = {
        {L"CompanyName", L"Umbrix"},
        {L"ProductName", L"Umbrix"},
        {L"ProductVersion", L"7.1.1.98"},
        {L"OriginalFilename", L"Umbrix.exe"},
        {L"FileDescription", L"Umbrix privacy utility"},
        {L"LegalCopyright", L"Copyright (C) 2019 Umbrix"},
    };
    for (const auto& value : values) {
        std::wstring query = std::wstring(L"\\StringFileInfo\\040904b0\\") + value.name;
        wchar_t* text = nullptr;
        ASSERT_TRUE(VerQueryValueW(block.data(), query.c_str(), reinterpret_cast<void**>(&text), &length))
            << static_cast<int>(query.size());
        EXPECT_EQ(std::wstring(text), value.expected);
    }
}

TEST(Resources, TheIconLoadsAtEverySizeTheShellAsksFor) {
    for (int size : {16, 32, 48, 256}) {
        HICON icon = static_cast<HICON>(
            LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_UMBRIX), IMAGE_ICON, size, size, 0));
        ASSERT_NE(icon, nullptr) << size;
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP bitmap{};
        GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
        EXPECT_EQ(bitmap.bmWidth, size);
        EXPECT_EQ(bitmap.bmHeight, size);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
}

TEST(Resources, TheManifestSelectsCommonControls6AndPerMonitorDpiAwareness) {
    HRSRC manifest = FindResourceW(nullptr, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));  // RT_MANIFEST
    ASSERT_NE(manifest, nullptr);
    const char* text = static_cast<const char*>(LockResource(LoadResource(nullptr, manifest)));
    const std::string xml(text, SizeofResource(nullptr, manifest));
    EXPECT_NE(xml.find("PerMonitorV2"), std::string::npos);
    EXPECT_NE(xml.find("level=\"asInvoker\""), std::string::npos);
    EXPECT_NE(xml.find("version=\"7.1.1.98\""), std::string::npos);

    // The manifest's dependency makes the loader take comctl32 from the side-by-side assembly of
    // the common controls 6. (Wine's copy reports 5.81 from DllGetVersion, so the assembly's
    // folder is what tells.)
    ACTCTX_SECTION_KEYED_DATA redirection{};
    redirection.cbSize = sizeof redirection;
    EXPECT_TRUE(FindActCtxSectionStringW(0, nullptr, ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION, L"comctl32.dll",
                                         &redirection));
    HMODULE comctl = LoadLibraryW(L"comctl32.dll");
    ASSERT_NE(comctl, nullptr);
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetModuleFileNameW(comctl, path.data(), MAX_PATH));
    CharLowerW(path.data());
    EXPECT_NE(path.find(L"microsoft.windows.common-controls_6595b64144ccf1df_6."), std::wstring::npos)
        << umbrix::win32::narrow(path);
    FreeLibrary(comctl);

    // And the process runs per-monitor DPI aware.
    EXPECT_TRUE(
        AreDpiAwarenessContextsEqual(GetThreadDpiAwarenessContext(), DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2) ||
        GetAwarenessFromDpiAwarenessContext(GetThreadDpiAwarenessContext()) == DPI_AWARENESS_PER_MONITOR_AWARE);
}

}  // namespace
