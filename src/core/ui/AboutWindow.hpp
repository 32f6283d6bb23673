#pragma once
// AboutWindow, the about window: the product name and a "Close" button. It exists only while it is
// shown; closing it does nothing else.
#include <string>

#include "platform/ModalWindow.hpp"

namespace umbrix::ui {

class AboutWindow final : public platform::ModalWindow {
public:
    AboutWindow() = default;

    std::string caption() const override { return "About"; }
    bool ownedByController() const override { return true; }

    // The product name, in large bold type near the top.
    std::string ProductName = "Umbrix";

    // "Close".
    void closeChosen() { close(); }
};

}  // namespace umbrix::ui
