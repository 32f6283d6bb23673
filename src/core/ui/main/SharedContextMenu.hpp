#pragma once
// The context menu the hidden-window list and the application exclusions share: which of its
// commands are enabled follows the list under the mouse.
namespace umbrix::ui {

enum class MouseButton { Left, Right, Middle };

struct SharedContextMenu {
    bool showSelectedWindow = true;  // "Show selected window"
    bool showAllWindows = true;  // "Show all windows"
    bool closeWindow = true;  // "Close window..."
    bool removeSelected = false;  // "Remove selected"
    bool addApplication = true;  // "Add application"

    friend bool operator==(const SharedContextMenu&, const SharedContextMenu&) = default;
};

}  // namespace umbrix::ui
