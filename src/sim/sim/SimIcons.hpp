#pragma once
// The simulated icons of files: icon files by name with the number of icons each holds (letters
// in any case, "%SystemRoot%" standing for the Windows folder), the user of the shell's icon
// picker, and the shell's small icon of a file, copied into image lists. A shell icon is a name
// here ("notepad"), so tests can see which icon an entry shows.
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/IconPort.hpp"

namespace umbrix::sim {

class SimIcons final : public platform::IconPort {
public:
    static constexpr const char* kNeutralIcon = "(application)";

    explicit SimIcons(std::string windowsDir);

    // The picker takes the next scripted answer: a confirmed choice, or nullopt for Cancel. A
    // picker opened with no answer scripted stops the test rather than guess.
    std::optional<platform::IconLocation> pickIcon(const platform::IconLocation& start) override;
    int iconCount(std::string_view file) override;
    std::optional<platform::IconSize> extractIcon(std::string_view file, int index) override;

    platform::ImageListId createImageList() override;
    std::optional<int> addSmallFileIcon(platform::ImageListId list, std::string_view path) override;
    int imageCount(platform::ImageListId list) override;

    // --- set-up for tests ---
    // A file holding `count` icons of 32 by 32 pixels.
    void putIconFile(const std::string& file, int count);
    void userPicks(std::optional<platform::IconLocation> answer) { answers_.push_back(std::move(answer)); }
    // The shell shows the file at `path` (any letter case) with this small icon.
    void setFileIcon(std::string_view path, std::string icon);

    // --- what happened ---
    std::vector<platform::IconLocation> pickersOpened;  // where each picker opened
    // The icon at `index` of `list`; empty when there is none.
    std::string iconAt(platform::ImageListId list, int index) const;
    int fileInfoCalls() const { return fileInfoCalls_; }

private:
    static std::string upperCase(std::string_view text);
    // Upper case, with "%SystemRoot%" expanded as the adapters expand it for the icon files.
    // The shell's lookup expands nothing: its files are known by their upper-cased path.
    std::string normalised(std::string_view file) const;

    std::string windowsDir_;
    std::map<std::string, int> iconFiles_;  // by normalised name: the number of icons
    std::deque<std::optional<platform::IconLocation>> answers_;
    std::map<std::string, std::string> shellIcons_;  // by upper-cased path: the small icon
    std::vector<std::vector<std::string>> lists_;  // ImageListId n is lists_[n - 1]
    int fileInfoCalls_ = 0;
};

}  // namespace umbrix::sim
