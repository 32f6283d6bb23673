#pragma once
// The hidden application window: never shown, the owner of every other window of the
// program, which keeps them all off the task bar.
#include <string_view>

#include "win32/WindowBase.hpp"

namespace umbrix::win32 {

class ApplicationWindow final : public WindowBase {
public:
    void create(HINSTANCE instance, std::string_view title);
    // Clears WS_EX_APPWINDOW and sets WS_EX_TOOLWINDOW.
    void makeToolWindow();
};

}  // namespace umbrix::win32
