#include "engine/ExclusionCommands.hpp"

#include "engine/ExclusionRules.hpp"
#include "engine/HandleText.hpp"

namespace umbrix::engine {

ExclusionCommands::ExclusionCommands(platform::TextPort& text, EngineState& state) : text_(text), state_(state) {}

void ExclusionCommands::excludeWindow(platform::WindowId window) {
    const auto& visible = state_.visibleWindows.entries();
    for (std::size_t i = 0; i < visible.size(); ++i) {
        if (windowFromHandleText(visible[i].handleText) != window) continue;
        const WindowEntry entry = visible[i];
        auto& exclusions = state_.exclusions;
        if (!findApplicationExclusion(text_, exclusions, entry.processPath))
            exclusions.applications.append(ApplicationExclusion{entry.processPath, entry.handleText, entry.imageIndex});
        if (hasWindowExclusionWithHandle(exclusions, entry.handleText)) return;
        exclusions.windows.append(WindowExclusion{entry.handleText, entry.title, entry.processPath, entry.imageIndex});
        state_.visibleWindows.removeAt(i);
        return;
    }
}

void ExclusionCommands::removeWindowExclusion(std::size_t index) {
    auto& windows = state_.exclusions.windows;
    if (index >= windows.size()) return;
    const WindowExclusion exclusion = windows[index];
    state_.visibleWindows.append(
        WindowEntry{exclusion.handleText, exclusion.title, exclusion.processPath, exclusion.imageIndex.value_or(0)});
    windows.removeAt(index);
    if (auto application = findApplicationExclusion(text_, state_.exclusions, exclusion.processPath))
        state_.exclusions.applications.removeAt(*application);
}

void ExclusionCommands::clearWindowExclusions() { state_.exclusions.windows.clear(); }

void ExclusionCommands::addApplicationExclusion(const std::string& applicationPath) {
    if (findApplicationExclusion(text_, state_.exclusions, applicationPath)) return;
    state_.exclusions.applications.append(ApplicationExclusion{applicationPath, kBrowsedApplication, std::nullopt});
}

void ExclusionCommands::removeApplicationExclusion(std::size_t index) {
    state_.exclusions.applications.removeAt(index);
}

}  // namespace umbrix::engine
