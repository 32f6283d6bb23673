#include "NaiveWalk.hpp"

#include <unordered_set>
#include <vector>

#include "common/TextCompare.hpp"
#include "engine/ExclusionRules.hpp"
#include "engine/HandleText.hpp"
#include "engine/HideTime.hpp"

namespace umbrix::bench {

using platform::WindowId;

std::string NaiveWalk::processPath(WindowId window) {
    if (!ports_.windows.isWindow(window)) return {};
    auto process = ports_.windows.windowProcessId(window);
    if (!process) return {};
    auto rows = ports_.processes.snapshotProcesses();
    if (!rows) return {};
    std::vector<std::pair<platform::ProcessId, std::string>> table;
    for (const auto& row : *rows) {
        std::string name =
            row.id.value == 0 ? "System Idle Process" : ports_.processes.processImagePath(row.id).value_or(row.exeFile);
        table.emplace_back(row.id, std::move(name));
    }
    for (const auto& [id, name] : table) {
        if (id == *process) return name;
    }
    return {};
}

void NaiveWalk::refresh() {
    std::vector<WindowId> handles;
    state_.visibleWindows.clear();
    ports_.windows.enumWindows([&](WindowId window) {
        handles.push_back(window);
        return true;
    });
    if (state_.imageList == platform::ImageListId{}) state_.imageList = ports_.icons.createImageList();
    std::unordered_set<std::string> listed;
    for (WindowId window : handles) {
        const std::string title = ports_.windows.windowText(window);
        auto cloaked = ports_.windows.cloakedState(window);
        if (state_.options.ignoreCloakedWindows && cloaked && *cloaked != 0) continue;
        if (title.empty() || !ports_.windows.isWindowVisible(window)) continue;
        if (window == state_.decoyAppHandle) continue;
        if (sameText(ports_.text, title, caption_) || sameText(ports_.text, title, "Program Manager")) continue;
        bool excludedByTitle = false;
        for (std::size_t i = 0; i < state_.exclusions.windows.size() && !excludedByTitle; ++i) {
            if (sameText(ports_.text, state_.exclusions.windows[i].title, title)) {
                state_.exclusions.windows.at(i).handleText = engine::handleText(window);
                excludedByTitle = true;
            }
        }
        if (excludedByTitle) continue;
        std::string path = processPath(window);
        if (ports_.text.upperCase(path).find("BIN\\BDS.EXE") != std::string::npos) continue;
        const std::string text = engine::handleText(window);
        if (!listed.insert(text).second || engine::hasWindowExclusionWithHandle(state_.exclusions, text)) continue;
        const int image = path.empty() ? 0 : ports_.icons.addSmallFileIcon(state_.imageList, path).value_or(0);
        state_.visibleWindows.append({text, title, std::move(path), image});
    }
}

void NaiveWalk::hideAll() {
    refresh();
    const auto entries = state_.visibleWindows.entries();
    for (const auto& entry : entries) {
        if (sameText(ports_.text, entry.title, caption_) || sameText(ports_.text, entry.title, "Program Manager"))
            continue;
        if (engine::skippedByExclusionMode(ports_.text, state_.exclusions,
                                           static_cast<engine::ExclusionMode>(state_.options.exclusionMode), entry))
            continue;
        state_.hiddenWindows.append({entry.handleText, entry.title, engine::dateAndTimeText(ports_.clock)});
        ports_.windows.showWindow(engine::windowFromHandleText(entry.handleText), platform::ShowCommand::Hide);
    }
}

}  // namespace umbrix::bench
