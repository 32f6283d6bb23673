#pragma once
// An icon by the file that holds it and its index within the file: what the icon picker
// answers, what the settings keep ("IconFile", "IconIndex") and what the tray icon shows.
#include <string>

namespace umbrix::platform {

struct IconLocation {
    // May hold environment variables ("%SystemRoot%\SYSTEM32\shell32.dll"); the adapters expand
    // them. For the tray icon, empty stands for the program's own icon.
    std::string file;
    int index = 0;
    friend bool operator==(const IconLocation&, const IconLocation&) = default;
};

}  // namespace umbrix::platform
