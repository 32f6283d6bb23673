#pragma once
// A write to the settings file that the system refused. The file on disk is the one from before.
#include <cstdint>
#include <stdexcept>
#include <string>

namespace umbrix::settings {

class SettingsWriteError : public std::runtime_error {
public:
    SettingsWriteError(std::string path, std::uint32_t systemError)
        : std::runtime_error("Unable to write to " + path), path_(std::move(path)), systemError_(systemError) {}

    const std::string& path() const { return path_; }
    // The Win32 error code of the refused step.
    std::uint32_t systemError() const { return systemError_; }

private:
    std::string path_;
    std::uint32_t systemError_;
};

}  // namespace umbrix::settings
