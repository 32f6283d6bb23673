#pragma once
// The splash window of the start: shown while the long-lived windows are created, unless the
// user chose a silent start. It reads that choice itself from "QZ.ini", because the
// controller's settings object does not exist yet when it is created.
#include "platform/ApplicationPort.hpp"
#include "settings/SettingsFile.hpp"

namespace umbrix::app {

class SplashScreen {
public:
    // Reads "StartUp"/"Silent" (default false) from `startupFile`; shows nothing yet.
    SplashScreen(platform::ApplicationPort& windows, settings::SettingsFile startupFile);

    // Shows and paints the window, unless the start is silent.
    void showAndPaint();
    // Closes and destroys the window; the splash is gone for good.
    void close();

    bool isSilent() const { return isSilent_; }

private:
    platform::ApplicationPort& windows_;
    bool isSilent_ = false;
    bool closed_ = false;
};

}  // namespace umbrix::app
