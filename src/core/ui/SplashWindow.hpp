#pragma once
// The splash window of the start: borderless in the middle of the screen, with the program's
// icon, its name and version, and a bold status line at the bottom left, under the hourglass.
// It takes no input; it is shown without taking the focus.
#include <string>
#include <utility>

#include "platform/ModelessWindow.hpp"

namespace umbrix::ui {

class SplashWindow final : public platform::ModelessWindow {
public:
    SplashWindow(std::string title, std::string status) : title_(std::move(title)), status_(std::move(status)) {}

    std::string name() const override { return "splash window"; }
    std::string caption() const override { return title_; }

    const std::string& title() const { return title_; }  // "Umbrix 7.1"
    const std::string& status() const { return status_; }  // "Loading..."

private:
    std::string title_;
    std::string status_;
};

}  // namespace umbrix::ui
