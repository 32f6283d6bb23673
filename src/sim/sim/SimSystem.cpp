#include "sim/SimSystem.hpp"

namespace umbrix::sim {

std::optional<std::string> SimSystem::specialFolderPath(platform::SpecialFolder folder) {
    auto it = specialFolders.find(folder);
    if (it == specialFolders.end()) return std::nullopt;
    return it->second;
}

}  // namespace umbrix::sim
