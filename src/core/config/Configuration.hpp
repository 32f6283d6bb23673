#pragma once
// The configuration established once at start-up: the running program's version and title,
// and the folders the web update works in (the fixed addresses are in BuiltIn.hpp). The
// application owns one and hands it to the windows that need it.
#include <string>

#include "update/Version.hpp"

namespace umbrix::config {

struct Configuration {
    // The running program, from its own version resource.
    update::Version currentVersion;
    // The main window's title label, e.g. "Umbrix: 7.1.1. Build 98".
    std::string titleCaption;

    // Under the all-users application data folder. All four are empty when that folder cannot
    // be resolved; the update check then fails as a failed download does.
    std::string binFolder;  // "...\QZ\bin\" with its trailing separator
    std::string updateFolder;  // "...\QZ\bin\temp": downloads and the installer
    std::string versionCheckFile;  // updateFolder + "\versionchk.cfg"
    std::string newsFile;  // updateFolder + "\news.cfg"
};

}  // namespace umbrix::config
