#pragma once
// The real Windows: every win32 adapter, and the port aggregate the core takes.
#include "platform/Platform.hpp"
#include "platform/win32/Win32Crypto.hpp"
#include "platform/win32/Win32Dialogs.hpp"
#include "platform/win32/Win32FileSystem.hpp"
#include "platform/win32/Win32Hotkeys.hpp"
#include "platform/win32/Win32Registry.hpp"
#include "platform/win32/Win32System.hpp"
#include "platform/win32/Win32Text.hpp"
#include "platform/win32/Win32Tray.hpp"

namespace umbrix::win32 {

class Win32Platform {
public:
    Win32Platform() = default;
    Win32Platform(const Win32Platform&) = delete;
    Win32Platform& operator=(const Win32Platform&) = delete;

    platform::Platform platform() { return platform::Platform{files, system, text, registry, hotkeys, tray, dialogs, crypto}; }

    Win32FileSystem files;
    Win32System system;
    Win32Text text;
    Win32Registry registry;
    Win32Hotkeys hotkeys;
    Win32Tray tray;
    Win32Dialogs dialogs;
    Win32Crypto crypto;
};

}  // namespace umbrix::win32
