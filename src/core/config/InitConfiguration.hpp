#pragma once
// Establishes the program's configuration at start-up, after the main window exists and
// before the remaining windows are created.
#include "config/Configuration.hpp"
#include "platform/FilePort.hpp"
#include "platform/SystemPort.hpp"

namespace umbrix::config {

// Reads the version from the executable's own version resource, builds the title and the
// folders under the all-users application data folder, and creates the folders that are
// missing. Throws ConfigurationError when the version resource is missing or is not four
// numbers. A folder that cannot be created is not an error here: the downloads into it fail
// later and the update window says so.
Configuration initConfiguration(platform::SystemPort& system, platform::FilePort& files);

}  // namespace umbrix::config
