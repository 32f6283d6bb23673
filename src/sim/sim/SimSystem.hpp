#pragma once
// Scriptable facts about the simulated program and machine.
#include <map>
#include <string>
#include <vector>

#include "platform/SystemPort.hpp"

namespace umbrix::sim {

class SimSystem final : public platform::SystemPort {
public:
    std::string executablePath() override { return exePath; }
    std::string windowsDirectory() override { return windowsDir; }
    std::optional<std::string> fileVersionText() override { return fileVersion; }
    std::optional<std::string> specialFolderPath(platform::SpecialFolder folder) override;
    std::uint64_t availablePhysicalMemory() override { return availPhys; }
    bool trimWorkingSet() override {
        ++workingSetTrims;
        return true;
    }
    platform::ScreenPoint virtualDesktopOrigin() override { return desktopOrigin; }
    std::vector<platform::Monitor> monitors() override { return attachedMonitors; }
    void writeDebugOutput(std::string_view line) override { debugOutput.emplace_back(line); }

    // State a test sets or reads.
    std::string exePath = "C:\\Program Files\\Umbrix\\Umbrix.exe";
    std::string windowsDir = "C:\\Windows";
    std::optional<std::string> fileVersion = "7.1.1.98";
    std::map<platform::SpecialFolder, std::string> specialFolders = {
        {platform::SpecialFolder::CommonAppData, "C:\\ProgramData"},
        {platform::SpecialFolder::Recent, "C:\\Users\\user\\AppData\\Roaming\\Microsoft\\Windows\\Recent"},
    };
    std::uint64_t availPhys = 4ull << 30;
    int workingSetTrims = 0;
    platform::ScreenPoint desktopOrigin;  // one monitor: the primary one at (0, 0)
    // One monitor of 1920 by 1080 with the task bar at the bottom.
    std::vector<platform::Monitor> attachedMonitors = {{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}, true}};
    std::vector<std::string> debugOutput;  // what a debugger would have shown, in order
};

}  // namespace umbrix::sim
