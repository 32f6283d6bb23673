#pragma once
// The whole simulated Windows: every sim adapter, and the port aggregate the core takes.
#include "platform/Platform.hpp"
#include "platform/sim/SimFileSystem.hpp"
#include "platform/sim/SimRegistry.hpp"
#include "platform/sim/SimNetwork.hpp"
#include "platform/sim/SimSystem.hpp"
#include "platform/sim/SimText.hpp"

namespace umbrix::sim {

class SimMachine {
public:
    SimMachine() {
        files.makeDirectories(parentFolder(system.exePath));
        files.makeDirectories(system.specialFolders.at(platform::SpecialFolder::CommonAppData));
    }
    SimMachine(const SimMachine&) = delete;
    SimMachine& operator=(const SimMachine&) = delete;

    // One line per port, in the order Platform declares them.
    platform::Platform platform() {
        return platform::Platform{
            .files = files,
            .system = system,
            .text = text,
            .registry = registry,
            .network = network,
        };
    }

    SimFileSystem files;
    SimSystem system;
    SimText text;
    SimRegistry registry;
    SimNetwork network{files};

private:
    static std::string parentFolder(const std::string& path) {
        return path.substr(0, path.find_last_of('\\'));
    }
};

}  // namespace umbrix::sim
