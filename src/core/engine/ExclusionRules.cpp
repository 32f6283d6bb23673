#include "engine/ExclusionRules.hpp"

#include "common/TextCompare.hpp"

namespace umbrix::engine {

bool hasWindowExclusionWithHandle(const ExclusionList& exclusions, std::string_view handleText) {
    for (const WindowExclusion& exclusion : exclusions.windows.entries()) {
        if (exclusion.handleText == handleText) return true;
    }
    return false;
}

std::optional<std::size_t> findApplicationExclusion(platform::TextPort& text, const ExclusionList& exclusions,
                                                    std::string_view path) {
    const auto& applications = exclusions.applications.entries();
    for (std::size_t i = 0; i < applications.size(); ++i) {
        if (sameText(text, applications[i].applicationPath, path)) return i;
    }
    return std::nullopt;
}

bool skippedByExclusionMode(platform::TextPort& text, const ExclusionList& exclusions, ExclusionMode mode,
                            const WindowEntry& entry) {
    if (mode == ExclusionMode::ByApplication)
        return findApplicationExclusion(text, exclusions, entry.processPath).has_value();
    return hasWindowExclusionWithHandle(exclusions, entry.handleText);
}

}  // namespace umbrix::engine
