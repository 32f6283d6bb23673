#pragma once
// The option explanation window as the application port builds it: what it shows, and the
// input its view hands back to the program.
#include <string>

namespace umbrix::platform {

// One heading (bold, may hold a line break) and the explanation beside it.
struct ExplanationEntry {
    std::string heading;
    std::string text;
    bool operator==(const ExplanationEntry&) const = default;
};

// What the explanation window's view hands to the program, one call per message.
class ExplanationWindowEvents {
public:
    virtual ~ExplanationWindowEvents() = default;
    virtual void onClick() = 0;  // WM_LBUTTONDOWN then WM_LBUTTONUP on the window
    virtual void onMouseUp() = 0;  // WM_LBUTTONUP, WM_RBUTTONUP or WM_MBUTTONUP over it
    virtual void onKeyDown() = 0;  // WM_KEYDOWN or WM_SYSKEYDOWN while it has the focus
    virtual void onFocusLost() = 0;  // WM_KILLFOCUS
};

}  // namespace umbrix::platform
