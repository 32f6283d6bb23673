#pragma once
// The whole simulated Windows: every sim adapter, and the port aggregate the core takes.
#include <string>

#include "platform/Platform.hpp"
#include "sim/SimApplication.hpp"
#include "sim/SimAudio.hpp"
#include "sim/SimClock.hpp"
#include "sim/SimCrypto.hpp"
#include "sim/SimCursor.hpp"
#include "sim/SimDialogs.hpp"
#include "sim/SimFileSystem.hpp"
#include "sim/SimHotkeys.hpp"
#include "sim/SimIcons.hpp"
#include "sim/SimInternetCache.hpp"
#include "sim/SimJournal.hpp"
#include "sim/SimKernelObjects.hpp"
#include "sim/SimNetwork.hpp"
#include "sim/SimProcesses.hpp"
#include "sim/SimRegistry.hpp"
#include "sim/SimShell.hpp"
#include "sim/SimSystem.hpp"
#include "sim/SimText.hpp"
#include "sim/SimTray.hpp"
#include "sim/SimUrlHistory.hpp"
#include "sim/SimWindows.hpp"

namespace umbrix::sim {

class SimMachine {
public:
    SimMachine() {
        files.makeDirectories(parentFolder(system.exePath));
        files.makeDirectories(system.specialFolders.at(platform::SpecialFolder::CommonAppData));
        files.makeDirectories(system.specialFolders.at(platform::SpecialFolder::Recent));
        // A system after Windows XP, with Notepad for text files.
        files.putFile(system.windowsDir + "\\System32\\ndfetw.dll", "MZ");
        files.putFile(notepadPath(), "MZ");
        shell.fileTypes = {{".TXT", notepadPath()}, {".INI", notepadPath()}, {".LOG", notepadPath()}};
        // Every call of the shell, cache, history and audio adapters goes into the journal too.
        shell.journal = internetCache.journal = urlHistory.journal = audio.journal = &journal;
    }
    SimMachine(const SimMachine&) = delete;
    SimMachine& operator=(const SimMachine&) = delete;

    platform::Platform platform() { return platformWith(instance, dialogs); }

    // The ports as another process of the program on this machine sees them: its own instance
    // handle and message boxes, the machine's files, registry, windows and facts.
    platform::Platform platformWith(SimInstance& processInstance, SimDialogs& processDialogs) {
        return platform::Platform{
            .files = files,
            .system = system,
            .text = text,
            .registry = registry,
            .network = network,
            .instance = processInstance,
            .dialogs = processDialogs,
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

    std::string notepadPath() const { return system.windowsDir + "\\System32\\notepad.exe"; }

    // The machine, shared by every process of the session.
    SimFileSystem files;
    SimSystem system;
    SimText text;
    SimRegistry registry;
    SimNetwork network{files};
    SimWindows windows{text};
    SimProcesses processes;
    SimIcons icons{system.windowsDir};
    SimClock clock;
    SimShell shell{files, processes, windows};
    SimInternetCache internetCache;
    SimCursor cursor;
    SimUrlHistory urlHistory{cursor};
    SimAudio audio;
    SimHotkeys hotkeys;
    SimTray tray;
    SimCrypto crypto;
    SimKernelObjects kernel;  // named objects

    // The program's process: the calls it made, its instance mutex, message boxes and windows.
    SimJournal journal;
    SimInstance instance{kernel, journal};
    SimDialogs dialogs{journal};
    SimApplication application{journal};

private:
    static std::string parentFolder(const std::string& path) { return path.substr(0, path.find_last_of('\\')); }
};

}  // namespace umbrix::sim
