#pragma once
// Makes sure a folder exists, creating it and any missing parent folders.
#include <string_view>

#include "platform/FilePort.hpp"

namespace umbrix::config {

// Nothing is created when the folder exists. On failure the folders created so far stay and
// the error is that of the first folder that could not be made.
platform::IoResult createFolderWithParents(platform::FilePort& files, std::string_view folder);

}  // namespace umbrix::config
