#pragma once
// Whether the controller's idle handler is attached. An activation detaches it while it runs so
// that the windows it brings to the front are not recorded as the user's last active window.
#include "hotkeys/ActivationCollaborators.hpp"

namespace umbrix::app {

class ControllerIdleTracking final : public hotkeys::IdleTracking {
public:
    void detachIdleHandler() override { attached_ = false; }
    void attachIdleHandler() override { attached_ = true; }
    bool attached() const { return attached_; }

private:
    bool attached_ = true;
};

}  // namespace umbrix::app
