#pragma once
// The simulated shell's file icons and the image lists they are copied into. An icon is a
// name here ("notepad"), so tests can see which icon an entry shows.
#include <map>
#include <string>
#include <vector>

#include "platform/ShellIconPort.hpp"

namespace umbrix::sim {

class SimShellIcons final : public platform::ShellIconPort {
public:
    static constexpr const char* kNeutralIcon = "(application)";

    platform::ImageListId createImageList() override;
    std::optional<int> addSmallFileIcon(platform::ImageListId list, std::string_view path) override;
    int imageCount(platform::ImageListId list) override;

    // Set-up for tests: the file at `path` (any letter case) has this icon.
    void setFileIcon(std::string_view path, std::string icon);

    // The icon at `index` of `list`; empty when there is none.
    std::string iconAt(platform::ImageListId list, int index) const;
    int fileInfoCalls() const { return fileInfoCalls_; }

private:
    static std::string key(std::string_view path);

    std::map<std::string, std::string> fileIcons_;
    std::vector<std::vector<std::string>> lists_;  // ImageListId n is lists_[n - 1]
    int fileInfoCalls_ = 0;
};

}  // namespace umbrix::sim
