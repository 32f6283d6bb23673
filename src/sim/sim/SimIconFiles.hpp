#pragma once
// The simulated icon files and the user of the shell's icon picker. A file is known by its
// name, letters in any case, "%SystemRoot%" standing for the Windows folder.
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/IconFilePort.hpp"

namespace umbrix::sim {

class SimIconFiles final : public platform::IconFilePort {
public:
    explicit SimIconFiles(std::string windowsDir);

    // The picker takes the next scripted answer: a confirmed choice, or nullopt for Cancel. A
    // picker opened with no answer scripted stops the test rather than guess.
    std::optional<platform::IconLocation> pickIcon(const platform::IconLocation& start) override;
    int iconCount(std::string_view file) override;
    std::optional<platform::IconSize> extractIcon(std::string_view file, int index) override;

    // A file holding `count` icons of 32 by 32 pixels.
    void putIconFile(const std::string& file, int count);
    void userPicks(std::optional<platform::IconLocation> answer) { answers_.push_back(std::move(answer)); }

    std::vector<platform::IconLocation> pickersOpened;  // where each picker opened

private:
    std::string normalised(std::string_view file) const;

    std::string windowsDir_;
    std::map<std::string, int> files_;  // by normalised name: the number of icons
    std::deque<std::optional<platform::IconLocation>> answers_;
};

}  // namespace umbrix::sim
