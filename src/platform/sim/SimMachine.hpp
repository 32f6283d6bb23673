#pragma once
// The whole simulated Windows: every sim adapter, and the port aggregate the core takes.
#include "platform/Platform.hpp"
#include "platform/sim/SimCrypto.hpp"
#include "platform/sim/SimDialogs.hpp"
#include "platform/sim/SimFileSystem.hpp"
#include "platform/sim/SimHotkeys.hpp"
#include "platform/sim/SimRegistry.hpp"
#include "platform/sim/SimSystem.hpp"
#include "platform/sim/SimText.hpp"
#include "platform/sim/SimTray.hpp"

namespace umbrix::sim {

class SimMachine {
public:
    SimMachine() {
        files.makeDirectories(parentFolder(system.exePath));
        files.makeDirectories(system.specialFolders.at(platform::SpecialFolder::CommonAppData));
    }
    SimMachine(const SimMachine&) = delete;
    SimMachine& operator=(const SimMachine&) = delete;

    platform::Platform platform() { return platform::Platform{files, system, text, registry, hotkeys, tray, dialogs, crypto}; }

    SimFileSystem files;
    SimSystem system;
    SimText text;
    SimRegistry registry;
    SimHotkeys hotkeys;
    SimTray tray;
    SimDialogs dialogs;
    SimCrypto crypto;

private:
    static std::string parentFolder(const std::string& path) {
        return path.substr(0, path.find_last_of('\\'));
    }
};

}  // namespace umbrix::sim
