#include "app/TSplash_f.hpp"

#include <string>

#include "app/AppTexts.hpp"

namespace umbrix::app {

TSplash_f::TSplash_f(platform::ApplicationPort& windows, settings::SettingsFile startupFile) : windows_(windows) {
    isSilent_ = startupFile.readBool("StartUp", "Silent", false);
}

void TSplash_f::ShowAndPaint() {
    if (isSilent_ || closed_) return;
    windows_.showSplashWindow({std::string(kSplashTitle), std::string(kSplashStatus)});
}

void TSplash_f::Close() {
    if (closed_) return;
    closed_ = true;
    windows_.closeSplashWindow();
}

}  // namespace umbrix::app
