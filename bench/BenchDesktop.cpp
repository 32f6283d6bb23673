#include "BenchDesktop.hpp"

#include <string>
#include <vector>

#include "engine/HandleText.hpp"

namespace umbrix::bench {

BenchDesktop::BenchDesktop(const DesktopShape& shape) {
    // Processes: every tenth is protected (the snapshot's file name is all one gets), the others
    // open to their full paths; each executable has its icon.
    std::vector<platform::ProcessId> processes;
    for (int i = 0; i < shape.processes; ++i) {
        const std::string path =
            "C:\\Program Files\\Vendor " + std::to_string(i % 40) + "\\app" + std::to_string(i) + ".exe";
        machine.icons.setFileIcon(path, "app" + std::to_string(i));
        processes.push_back(machine.processes.start(path, /*refusesOpen=*/i % 10 == 0));
    }
    // Windows: most are visible and titled; some hidden helpers, untitled tool windows and
    // cloaked ones, as on a real desktop. They belong to the first 120 processes; the rest are
    // services without windows.
    for (int i = 0; i < shape.windows; ++i) {
        sim::SimWindows::Blueprint blueprint;
        blueprint.owner = processes[static_cast<std::size_t>(i % 120) % processes.size()];
        blueprint.title = "Document " + std::to_string(i) + " - Application " + std::to_string(i % 120);
        switch (i % 10) {
            case 7: blueprint.visible = false; break;
            case 8: blueprint.title.clear(); break;
            case 9: blueprint.cloaked = 1; break;
            default: ++listedWindows; break;
        }
        const auto window = machine.windows.open(blueprint);
        // A few window exclusions, as a user keeps them.
        if (i % 40 == 1) {
            engine.state().exclusions.windows.append({engine::handleText(window), blueprint.title, "", std::nullopt});
            --listedWindows;
        }
    }
}

}  // namespace umbrix::bench
