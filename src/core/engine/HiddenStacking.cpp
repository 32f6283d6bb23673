#include "engine/HiddenStacking.hpp"

#include <algorithm>
#include <map>

#include "engine/HandleText.hpp"

namespace umbrix::engine {

void noteStackingOrder(platform::WindowPort& windows, HiddenWindowList& hidden, std::vector<HiddenWindowEntry>& toHide,
                       platform::WindowId active) {
    if (hidden.empty()) hidden.activeBeforeHide = active;
    std::uint32_t first = 0;
    for (const HiddenWindowEntry& entry : hidden.entries()) {
        if (entry.stackPlace) first = std::max(first, *entry.stackPlace + 1);
    }
    std::map<std::uint64_t, std::size_t> depth;  // by handle: how many windows stand above it
    windows.enumWindows([&](platform::WindowId window) {
        depth.emplace(window.value, depth.size());
        return true;
    });
    std::vector<std::size_t> order(toHide.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    // A window the walk did not meet (gone already) goes below the others.
    auto depthOf = [&](std::size_t i) {
        auto found = depth.find(windowFromHandleText(toHide[i].handleText).value);
        return found == depth.end() ? depth.size() : found->second;
    };
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return depthOf(a) < depthOf(b); });
    for (std::size_t rank = 0; rank < order.size(); ++rank)
        toHide[order[rank]].stackPlace = first + static_cast<std::uint32_t>(rank);
}

void restoreStackingOrder(platform::WindowPort& windows, const std::vector<HiddenWindowEntry>& shown,
                          platform::WindowId activeBeforeHide) {
    std::vector<const HiddenWindowEntry*> placed;
    for (const HiddenWindowEntry& entry : shown) {
        if (entry.stackPlace) placed.push_back(&entry);
    }
    if (placed.empty()) return;
    std::stable_sort(placed.begin(), placed.end(), [](const HiddenWindowEntry* a, const HiddenWindowEntry* b) {
        return *a->stackPlace < *b->stackPlace;
    });
    std::vector<platform::WindowId> topFirst;
    for (const HiddenWindowEntry* entry : placed) {
        const platform::WindowId window = windowFromHandleText(entry->handleText);
        if (window && std::find(topFirst.begin(), topFirst.end(), window) == topFirst.end() && windows.isWindow(window))
            topFirst.push_back(window);
    }
    if (topFirst.empty()) return;
    windows.restackWindows(topFirst);
    const bool activeShows =
        activeBeforeHide && windows.isWindow(activeBeforeHide) && windows.isWindowVisible(activeBeforeHide);
    windows.setForegroundWindow(activeShows ? activeBeforeHide : topFirst.front());
}

}  // namespace umbrix::engine
