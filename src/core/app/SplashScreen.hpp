#pragma once
// The splash window of the start: shown while the long-lived windows are created, unless the
// user chose a silent start. It reads that choice itself from "QZ.ini", because the
// controller's settings object does not exist yet when it is created.
#include "platform/ModelessWindow.hpp"
#include "settings/SettingsFile.hpp"
#include "ui/SplashWindow.hpp"

namespace umbrix::app {

class SplashScreen {
public:
    // Reads "StartUp"/"Silent" (default false) from `startupFile`; shows nothing yet.
    SplashScreen(platform::ModelessWindowHost& windows, settings::SettingsFile startupFile);

    // Shows the window and paints it at once, unless the start is silent. The window is built
    // on the first call; throws when it cannot be.
    void showAndPaint();
    // Closes and destroys the window; the splash is gone for good.
    void close();

    bool isSilent() const { return isSilent_; }

private:
    platform::ModelessWindowHost& windows_;
    ui::SplashWindow window_;
    bool isSilent_ = false;
    bool closed_ = false;
};

}  // namespace umbrix::app
