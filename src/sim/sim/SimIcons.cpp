#include "sim/SimIcons.hpp"

#include <cctype>
#include <stdexcept>

namespace umbrix::sim {

SimIcons::SimIcons(std::string windowsDir) : windowsDir_(std::move(windowsDir)) {
    // The system's icon library, as every Windows has it.
    putIconFile(windowsDir_ + "\\System32\\shell32.dll", 300);
}

std::string SimIcons::upperCase(std::string_view text) {
    std::string upper;
    for (char c : text) upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

std::string SimIcons::normalised(std::string_view file) const {
    static constexpr std::string_view kSystemRoot = "%SYSTEMROOT%";
    std::string upper = upperCase(file);
    if (upper.starts_with(kSystemRoot)) upper = upperCase(windowsDir_) + upper.substr(kSystemRoot.size());
    return upper;
}

void SimIcons::putIconFile(const std::string& file, int count) { iconFiles_[normalised(file)] = count; }

std::optional<platform::IconLocation> SimIcons::pickIcon(const platform::IconLocation& start) {
    pickersOpened.push_back(start);
    if (answers_.empty()) throw std::logic_error("sim: the icon picker opened, but the user has no answer scripted");
    auto answer = answers_.front();
    answers_.pop_front();
    return answer;
}

int SimIcons::iconCount(std::string_view file) {
    auto it = iconFiles_.find(normalised(file));
    return it == iconFiles_.end() ? 0 : it->second;
}

std::optional<platform::IconSize> SimIcons::extractIcon(std::string_view file, int index) {
    if (index < 0 || index >= iconCount(file)) return std::nullopt;
    return platform::IconSize{32, 32};
}

platform::ImageListId SimIcons::createImageList() {
    lists_.push_back({kNeutralIcon});
    return platform::ImageListId{static_cast<std::uint32_t>(lists_.size())};
}

std::optional<int> SimIcons::addSmallFileIcon(platform::ImageListId list, std::string_view path) {
    ++fileInfoCalls_;
    if (list.value == 0 || list.value > lists_.size()) return std::nullopt;
    auto icon = shellIcons_.find(upperCase(path));
    if (path.empty() || icon == shellIcons_.end()) return std::nullopt;
    auto& images = lists_[list.value - 1];
    images.push_back(icon->second);
    return static_cast<int>(images.size()) - 1;
}

int SimIcons::imageCount(platform::ImageListId list) {
    if (list.value == 0 || list.value > lists_.size()) return 0;
    return static_cast<int>(lists_[list.value - 1].size());
}

void SimIcons::setFileIcon(std::string_view path, std::string icon) { shellIcons_[upperCase(path)] = std::move(icon); }

std::string SimIcons::iconAt(platform::ImageListId list, int index) const {
    if (list.value == 0 || list.value > lists_.size() || index < 0) return {};
    const auto& images = lists_[list.value - 1];
    return static_cast<std::size_t>(index) < images.size() ? images[static_cast<std::size_t>(index)] : std::string();
}

}  // namespace umbrix::sim
