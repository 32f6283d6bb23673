#include "sim/SimIconFiles.hpp"

#include <cctype>
#include <stdexcept>

namespace umbrix::sim {

SimIconFiles::SimIconFiles(std::string windowsDir) : windowsDir_(std::move(windowsDir)) {
    // The system's icon library, as every Windows has it.
    putIconFile(windowsDir_ + "\\System32\\shell32.dll", 300);
}

std::string SimIconFiles::normalised(std::string_view file) const {
    std::string name(file);
    static constexpr std::string_view kSystemRoot = "%SYSTEMROOT%";
    std::string upper;
    for (char c : name) upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (upper.rfind(kSystemRoot, 0) == 0) {
        std::string root;
        for (char c : windowsDir_) root += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        upper = root + upper.substr(kSystemRoot.size());
    }
    return upper;
}

void SimIconFiles::putIconFile(const std::string& file, int count) { files_[normalised(file)] = count; }

std::optional<platform::IconLocation> SimIconFiles::pickIcon(const platform::IconLocation& start) {
    pickersOpened.push_back(start);
    if (answers_.empty()) throw std::logic_error("sim: the icon picker opened, but the user has no answer scripted");
    auto answer = answers_.front();
    answers_.pop_front();
    return answer;
}

int SimIconFiles::iconCount(std::string_view file) {
    auto it = files_.find(normalised(file));
    return it == files_.end() ? 0 : it->second;
}

std::optional<platform::IconSize> SimIconFiles::extractIcon(std::string_view file, int index) {
    if (index < 0 || index >= iconCount(file)) return std::nullopt;
    return platform::IconSize{32, 32};
}

}  // namespace umbrix::sim
