#pragma once
// The real Windows: every win32 adapter, and the port aggregate the core takes.
#include "platform/Platform.hpp"
#include "platform/win32/Win32Audio.hpp"
#include "platform/win32/Win32Cursor.hpp"
#include "platform/win32/Win32FileSystem.hpp"
#include "platform/win32/Win32InternetCache.hpp"
#include "platform/win32/Win32Registry.hpp"
#include "platform/win32/Win32Shell.hpp"
#include "platform/win32/Win32System.hpp"
#include "platform/win32/Win32Text.hpp"
#include "platform/win32/Win32UrlHistory.hpp"

namespace umbrix::win32 {

class Win32Platform {
public:
    Win32Platform() = default;
    Win32Platform(const Win32Platform&) = delete;
    Win32Platform& operator=(const Win32Platform&) = delete;

    platform::Platform platform() {
        return platform::Platform{files, system, text, registry, shell, internetCache, urlHistory, audio, cursor};
    }

    Win32FileSystem files;
    Win32System system;
    Win32Text text;
    Win32Registry registry;
    Win32Shell shell;
    Win32InternetCache internetCache;
    Win32UrlHistory urlHistory;
    Win32Audio audio;
    Win32Cursor cursor;
};

}  // namespace umbrix::win32
