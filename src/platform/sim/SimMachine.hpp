#pragma once
// The whole simulated Windows: every sim adapter, and the port aggregate the core takes.
#include "platform/Platform.hpp"
#include "platform/sim/SimClock.hpp"
#include "platform/sim/SimFileSystem.hpp"
#include "platform/sim/SimProcesses.hpp"
#include "platform/sim/SimShellIcons.hpp"
#include "platform/sim/SimSystem.hpp"
#include "platform/sim/SimText.hpp"
#include "platform/sim/SimWindows.hpp"

namespace umbrix::sim {

class SimMachine {
public:
    SimMachine() {
        files.makeDirectories(parentFolder(system.exePath));
        files.makeDirectories(system.specialFolders.at(platform::SpecialFolder::CommonAppData));
    }
    SimMachine(const SimMachine&) = delete;
    SimMachine& operator=(const SimMachine&) = delete;

    platform::Platform platform() { return platform::Platform{files, system, text, windows, processes, icons, clock}; }

    SimFileSystem files;
    SimSystem system;
    SimText text;
    SimWindows windows{text};
    SimProcesses processes;
    SimShellIcons icons;
    SimClock clock;

private:
    static std::string parentFolder(const std::string& path) {
        return path.substr(0, path.find_last_of('\\'));
    }
};

}  // namespace umbrix::sim
