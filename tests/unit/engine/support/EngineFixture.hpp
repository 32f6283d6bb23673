#pragma once
// A simulated desktop with the window engine on it.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "RecordingEngineLinks.hpp"
#include "engine/HandleText.hpp"
#include "engine/WindowEngine.hpp"
#include "sim/SimMachine.hpp"
#include "ui/main/ExclusionPageModel.hpp"
#include "ui/main/HiddenWindowsPageModel.hpp"

namespace umbrix::engine::testing {

// The simulated machine, the recording collaborators and the engine between them.
struct SimDesktop {
    sim::SimMachine machine;
    RecordingEngineLinks links;
    settings::Options options;
    WindowEngine engine{machine.platform(), links.links(), options};
};

// Thrown by a scripted fault: an unexpected failure at one chosen step of an operation.
struct InjectedFault : std::runtime_error {
    InjectedFault() : std::runtime_error("injected fault") {}
};

class EngineFixture : public ::testing::Test {
protected:
    using WindowId = platform::WindowId;
    using ProcessId = platform::ProcessId;

    SimDesktop desktop;
    sim::SimMachine& machine = desktop.machine;
    RecordingEngineLinks& links = desktop.links;
    settings::Options& options = desktop.options;
    WindowEngine& engine = desktop.engine;
    EngineState& state = engine.state();
    // The main window's pages over the engine, sharing their context menu.
    ui::SharedContextMenu sharedMenu;
    ui::ExclusionPageModel exclusionPage{engine, links, sharedMenu};
    ui::HiddenWindowsPageModel hiddenPage{engine, links, sharedMenu};
    // The program's own process and its panic button window, hidden, its handle recorded.
    ProcessId umbrix = machine.processes.start(machine.system.exePath);
    WindowId panicWindow = recordPanicWindow(desktop, umbrix);

    static WindowId recordPanicWindow(SimDesktop& desk, ProcessId umbrix) {
        desk.links.panicHandle = desk.machine.windows.open({"", umbrix, false});
        return desk.links.panicHandle;
    }

    // A process of this executable, with an icon named after its file.
    ProcessId app(const std::string& path, bool refusesOpen = false) {
        machine.icons.setFileIcon(path, iconOf(path));
        return machine.processes.start(path, refusesOpen);
    }
    static std::string iconOf(const std::string& path) { return "icon of " + path.substr(path.find_last_of('\\') + 1); }

    // A window on top of the Z order.
    WindowId open(ProcessId owner, const std::string& title) { return machine.windows.open({title, owner}); }
    WindowId open(sim::SimWindows::Blueprint blueprint) { return machine.windows.open(blueprint); }

    std::vector<std::string> visibleTitles() const {
        std::vector<std::string> titles;
        for (const auto& entry : state.visibleWindows.entries()) titles.push_back(entry.title);
        return titles;
    }
    std::vector<std::string> hiddenTitles() const {
        std::vector<std::string> titles;
        for (const auto& entry : state.hiddenWindows.entries()) titles.push_back(entry.title);
        return titles;
    }
    std::vector<std::string> hiddenHandles() const {
        std::vector<std::string> handles;
        for (const auto& entry : state.hiddenWindows.entries()) handles.push_back(entry.handleText);
        return handles;
    }
    bool isVisible(WindowId window) const {
        const auto* w = machine.windows.find(window);
        return w && w->visible;
    }
    static std::string text(WindowId window) { return handleText(window); }

    // Selects the visible-window entry with this title on the exclusion page.
    void selectVisible(const std::string& title) {
        const auto& entries = state.visibleWindows.entries();
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (entries[i].title == title) return exclusionPage.selectVisibleWindow(i);
        }
        FAIL() << "no visible entry " << title;
    }
};

}  // namespace umbrix::engine::testing
