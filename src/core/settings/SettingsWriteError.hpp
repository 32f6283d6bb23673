#pragma once
// A write to the settings file that the system refused. The file on disk is the one from before.
#include <cstdint>
#include <string>

#include "common/SystemError.hpp"

namespace umbrix::settings {

class SettingsWriteError : public SystemError {
public:
    SettingsWriteError(std::string path, std::uint32_t systemError)
        : SystemError("Unable to write to " + path, systemError), path_(std::move(path)) {}

    const std::string& path() const { return path_; }

private:
    std::string path_;
};

}  // namespace umbrix::settings
