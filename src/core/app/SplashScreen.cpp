#include "app/SplashScreen.hpp"

#include <string>

#include "app/AppTexts.hpp"

namespace umbrix::app {

SplashScreen::SplashScreen(platform::ApplicationPort& windows, settings::SettingsFile startupFile) : windows_(windows) {
    isSilent_ = startupFile.readBool("StartUp", "Silent", false);
}

void SplashScreen::showAndPaint() {
    if (isSilent_ || closed_) return;
    windows_.showSplashWindow({std::string(kSplashTitle), std::string(kSplashStatus)});
}

void SplashScreen::close() {
    if (closed_) return;
    closed_ = true;
    windows_.closeSplashWindow();
}

}  // namespace umbrix::app
