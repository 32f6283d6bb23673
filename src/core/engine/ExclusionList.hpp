#pragma once
// The windows and applications the user wants left alone.
#include <optional>
#include <string>

#include "engine/EntryList.hpp"

namespace umbrix::engine {

// "Exclusion list" radio group (`exclusionMode`): how hide-all and close-all skip windows.
enum class ExclusionMode : int {
    ByWindow = 0,  // "By Window title"
    ByApplication = 1,  // "By Application"
};

// A window kept out of the inventory ("Process Id", "Window", "Process").
struct WindowExclusion {
    std::string handleText;  // refreshed whenever a window with this title is enumerated
    std::string title;
    std::string processPath;
    std::optional<int> imageIndex;  // none for entries loaded from the exclusion file

    friend bool operator==(const WindowExclusion&, const WindowExclusion&) = default;
};

// The second text of an application exclusion chosen in the file dialog.
inline constexpr const char* kBrowsedApplication = "--------";

// An executable whose windows hide-all and close-all skip in ByApplication mode
// ("Application", "Process ID").
struct ApplicationExclusion {
    std::string applicationPath;
    std::string secondText;  // handle text of the window it was taken from, or kBrowsedApplication
    std::optional<int> imageIndex;

    friend bool operator==(const ApplicationExclusion&, const ApplicationExclusion&) = default;
};

struct ExclusionList {
    EntryList<WindowExclusion> windows;  // windowExclusionList, saved in the exclusion file
    EntryList<ApplicationExclusion> applications;  // applicationExclusionList, never saved
};

}  // namespace umbrix::engine
