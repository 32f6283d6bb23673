#pragma once
// Icons stored in files (executables, libraries, .ico): the shell's icon picker, and the count
// and extraction of a file's icons. A file name may hold environment variables
// ("%SystemRoot%\SYSTEM32\shell32.dll"); the adapters expand them.
#include <optional>
#include <string>
#include <string_view>

namespace umbrix::platform {

// An icon by its file and its index within the file.
struct IconLocation {
    std::string file;
    int index = 0;
    friend bool operator==(const IconLocation&, const IconLocation&) = default;
};

struct IconSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const IconSize&, const IconSize&) = default;
};

class IconFilePort {
public:
    IconFilePort() = default;
    IconFilePort(const IconFilePort&) = delete;
    IconFilePort& operator=(const IconFilePort&) = delete;
    virtual ~IconFilePort() = default;

    // PickIconDlg (shell32.dll, ordinal 62) with a file name buffer of 260 characters, modal and
    // owned by the program's application window, opened at `start`: the file and icon the user
    // confirmed; nullopt when the user cancelled.
    virtual std::optional<IconLocation> pickIcon(const IconLocation& start) = 0;

    // ExtractIconExW(file, -1, NULL, NULL, 0): how many icons the file holds; 0 for a file that
    // holds none or does not exist.
    virtual int iconCount(std::string_view file) = 0;

    // ExtractIconW(file, index), then GetIconInfo: the size of that icon; nullopt when the file
    // has no icon at that index (or is no icon source, or is missing).
    virtual std::optional<IconSize> extractIcon(std::string_view file, int index) = 0;
};

}  // namespace umbrix::platform
