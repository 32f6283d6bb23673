#pragma once
// How the exclusion lists match windows. Handle texts are compared as they are (digits have no
// letter case); titles and paths ignore letter case.
#include <cstddef>
#include <optional>
#include <string_view>

#include "engine/ExclusionList.hpp"
#include "engine/WindowEntry.hpp"
#include "platform/TextPort.hpp"

namespace umbrix::engine {

bool hasWindowExclusionWithHandle(const ExclusionList& exclusions, std::string_view handleText);

// The first application exclusion for this executable path.
std::optional<std::size_t> findApplicationExclusion(platform::TextPort& text, const ExclusionList& exclusions,
                                                    std::string_view path);

// The rule of hide-all and close-all: by window, a window exclusion with the entry's handle
// text; by application, an application exclusion with the entry's process path.
bool skippedByExclusionMode(platform::TextPort& text, const ExclusionList& exclusions, ExclusionMode mode,
                            const WindowEntry& entry);

}  // namespace umbrix::engine
