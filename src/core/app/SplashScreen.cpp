#include "app/SplashScreen.hpp"

#include <string>

#include "app/AppTexts.hpp"

namespace umbrix::app {

SplashScreen::SplashScreen(platform::ModelessWindowHost& windows, settings::SettingsFile startupFile)
    : windows_(windows), window_(std::string(kSplashTitle), std::string(kSplashStatus)) {
    isSilent_ = startupFile.readBool("StartUp", "Silent", false);
}

void SplashScreen::showAndPaint() {
    if (isSilent_ || closed_) return;
    if (!window_.isOpen()) windows_.openWindow(window_);
    // Beside whatever the user is doing: a start from the Run key must not take the focus.
    windows_.showWindow(window_, platform::WindowShow::NoActivate);
}

void SplashScreen::close() {
    if (closed_) return;
    closed_ = true;
    windows_.closeWindow(window_);
}

}  // namespace umbrix::app
