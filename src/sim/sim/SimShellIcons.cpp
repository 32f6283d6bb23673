#include "sim/SimShellIcons.hpp"

#include <cctype>

namespace umbrix::sim {

std::string SimShellIcons::key(std::string_view path) {
    std::string k(path);
    for (char& c : k) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return k;
}

platform::ImageListId SimShellIcons::createImageList() {
    lists_.push_back({kNeutralIcon});
    return platform::ImageListId{static_cast<std::uint32_t>(lists_.size())};
}

std::optional<int> SimShellIcons::addSmallFileIcon(platform::ImageListId list, std::string_view path) {
    ++fileInfoCalls_;
    if (list.value == 0 || list.value > lists_.size()) return std::nullopt;
    auto icon = fileIcons_.find(key(path));
    if (path.empty() || icon == fileIcons_.end()) return std::nullopt;
    auto& images = lists_[list.value - 1];
    images.push_back(icon->second);
    return static_cast<int>(images.size()) - 1;
}

int SimShellIcons::imageCount(platform::ImageListId list) {
    if (list.value == 0 || list.value > lists_.size()) return 0;
    return static_cast<int>(lists_[list.value - 1].size());
}

void SimShellIcons::setFileIcon(std::string_view path, std::string icon) { fileIcons_[key(path)] = std::move(icon); }

std::string SimShellIcons::iconAt(platform::ImageListId list, int index) const {
    if (list.value == 0 || list.value > lists_.size() || index < 0) return {};
    const auto& images = lists_[list.value - 1];
    return static_cast<std::size_t>(index) < images.size() ? images[static_cast<std::size_t>(index)] : std::string();
}

}  // namespace umbrix::sim
