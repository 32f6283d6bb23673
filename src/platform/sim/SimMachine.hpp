#pragma once
// The whole simulated Windows: every sim adapter, and the port aggregate the core takes.
#include <string>
#include <vector>

#include "platform/Platform.hpp"
#include "platform/sim/SimAudio.hpp"
#include "platform/sim/SimCursor.hpp"
#include "platform/sim/SimFileSystem.hpp"
#include "platform/sim/SimInternetCache.hpp"
#include "platform/sim/SimRegistry.hpp"
#include "platform/sim/SimShell.hpp"
#include "platform/sim/SimSystem.hpp"
#include "platform/sim/SimText.hpp"
#include "platform/sim/SimUrlHistory.hpp"

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
        // Every call of the shell, cache, history and audio adapters, in order.
        shell.journal = internetCache.journal = urlHistory.journal = audio.journal = &journal;
    }
    SimMachine(const SimMachine&) = delete;
    SimMachine& operator=(const SimMachine&) = delete;

    platform::Platform platform() {
        return platform::Platform{files, system, text, registry, shell, internetCache, urlHistory, audio, cursor};
    }
    std::string notepadPath() const { return system.windowsDir + "\\System32\\notepad.exe"; }

    SimFileSystem files;
    SimSystem system;
    SimText text;
    SimRegistry registry;
    SimShell shell{files};
    SimInternetCache internetCache;
    SimCursor cursor;
    SimUrlHistory urlHistory{cursor};
    SimAudio audio;
    std::vector<std::string> journal;

private:
    static std::string parentFolder(const std::string& path) {
        return path.substr(0, path.find_last_of('\\'));
    }
};

}  // namespace umbrix::sim
