#pragma once
// The main window is not built yet. Where a window of the program hands the focus back to it,
// this stand-in takes the call and does nothing: there is no window to focus.
#include "ui/ExplanationWindow.hpp"

namespace umbrix::app {

class MainWindowNotBuiltYet final : public ui::MainWindowFocus {
public:
    void focusMainWindow() override {}
};

}  // namespace umbrix::app
