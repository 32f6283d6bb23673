#pragma once
// The real Windows: every win32 adapter, and the port aggregate the core takes.
#include "platform/Platform.hpp"
#include "win32/Win32Audio.hpp"
#include "win32/Win32Clock.hpp"
#include "win32/Win32Crypto.hpp"
#include "win32/Win32Cursor.hpp"
#include "views/ProgramViews.hpp"
#include "views/Win32Dialogs.hpp"
#include "win32/Win32FileSystem.hpp"
#include "win32/Win32Hotkeys.hpp"
#include "win32/Win32Icons.hpp"
#include "win32/Win32Instance.hpp"
#include "win32/Win32InternetCache.hpp"
#include "win32/Win32Network.hpp"
#include "win32/Win32Processes.hpp"
#include "win32/Win32Registry.hpp"
#include "win32/Win32Shell.hpp"
#include "win32/Win32System.hpp"
#include "win32/Win32Text.hpp"
#include "win32/Win32Tray.hpp"
#include "win32/Win32UrlHistory.hpp"
#include "win32/Win32Windows.hpp"

namespace umbrix::win32 {

class Win32Platform {
public:
    // The dialog port knows the program's modal windows through the views registered here.
    Win32Platform() { registerProgramViews(dialogs); }
    Win32Platform(const Win32Platform&) = delete;
    Win32Platform& operator=(const Win32Platform&) = delete;

    platform::Platform platform() {
        return platform::Platform{
            .files = files,
            .system = system,
            .text = text,
            .registry = registry,
            .network = network,
            .instance = instance,
            .dialogs = dialogs,
            .windows = windows,
            .processes = processes,
            .icons = icons,
            .clock = clock,
            .shell = shell,
            .internetCache = internetCache,
            .urlHistory = urlHistory,
            .audio = audio,
            .cursor = cursor,
            .hotkeys = hotkeys,
            .tray = tray,
            .crypto = crypto,
        };
    }

    Win32FileSystem files;
    Win32System system;
    Win32Text text;
    Win32Registry registry;
    Win32Network network;
    Win32Instance instance;
    Win32Dialogs dialogs;
    Win32Windows windows;
    Win32Processes processes;
    Win32Icons icons;
    Win32Clock clock;
    Win32Shell shell;
    Win32InternetCache internetCache;
    Win32UrlHistory urlHistory;
    Win32Audio audio;  // holds the audio endpoint: destroyed before COM is shut down
    Win32Cursor cursor;
    Win32Hotkeys hotkeys;
    Win32Tray tray;
    Win32Crypto crypto;
};

}  // namespace umbrix::win32
