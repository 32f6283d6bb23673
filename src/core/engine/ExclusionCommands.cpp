#include "engine/ExclusionCommands.hpp"

#include "engine/ExclusionRules.hpp"
#include "engine/KnownTexts.hpp"

namespace umbrix::engine {

ExclusionCommands::ExclusionCommands(platform::TextPort& text, EngineLinks links, EngineState& state)
    : text_(text), links_(links), state_(state) {}

void ExclusionCommands::excludeSelectedWindow() {
    auto selected = state_.visibleWindows.selectedIndex();
    if (!selected) return;
    const WindowEntry entry = state_.visibleWindows[*selected];
    auto& exclusions = state_.exclusions;
    if (!findApplicationExclusion(text_, exclusions, entry.processPath))
        exclusions.applications.append(ApplicationExclusion{entry.processPath, entry.handleText, entry.imageIndex});
    if (hasWindowExclusionWithHandle(exclusions, entry.handleText)) return;
    exclusions.windows.append(WindowExclusion{entry.handleText, entry.title, entry.processPath, entry.imageIndex});
    state_.visibleWindows.removeAt(*selected);
}

void ExclusionCommands::removeSelectedWindowExclusion() {
    auto& windows = state_.exclusions.windows;
    auto selected = windows.selectedIndex();
    if (!selected) return;
    const WindowExclusion exclusion = windows[*selected];
    state_.visibleWindows.append(
        WindowEntry{exclusion.handleText, exclusion.title, exclusion.processPath, exclusion.imageIndex.value_or(0)});
    windows.removeAt(*selected);
    if (auto application = findApplicationExclusion(text_, state_.exclusions, exclusion.processPath))
        state_.exclusions.applications.removeAt(*application);
}

void ExclusionCommands::clearWindowExclusions() { state_.exclusions.windows.clear(); }

void ExclusionCommands::addApplicationExclusionFromFile() {
    auto file = links_.dialogs.browseForFile(
        FileDialogRequest{kBrowseDialogTitle, kBrowseDialogFilter, kBrowseDialogDefaultExtension});
    if (!file || findApplicationExclusion(text_, state_.exclusions, *file)) return;
    state_.exclusions.applications.append(ApplicationExclusion{*file, kBrowsedApplication, std::nullopt});
}

void ExclusionCommands::removeSelectedApplicationExclusion() {
    auto& applications = state_.exclusions.applications;
    if (auto selected = applications.selectedIndex()) applications.removeAt(*selected);
}

void ExclusionCommands::enableApplicationCommands() {
    state_.sharedMenu.showSelectedWindow = false;
    state_.sharedMenu.showAllWindows = false;
    state_.sharedMenu.closeWindow = false;
    state_.sharedMenu.removeSelected = true;
    state_.sharedMenu.addApplication = true;
}

void ExclusionCommands::onApplicationListMouseDown(MouseButton button) {
    if (button == MouseButton::Right) enableApplicationCommands();
}

void ExclusionCommands::onApplicationListMouseEnter() { enableApplicationCommands(); }

void ExclusionCommands::onExclusionModeChanged() { state_.exclusions.activePage = state_.options.exclusionMode; }

}  // namespace umbrix::engine
