#pragma once
// onIdle, each time the message queue runs empty: while the panic button is
// shown and the configured action concerns the active application, the window the user works
// in is kept as LastActiveHandle. A click on the panic button makes the button the foreground
// window, so the active-window actions then act on the window recorded here.
//
// An activation detaches the handler while it runs (dispatchComponentHotkey), so that windows coming to the
// front meanwhile, the unlock prompt above all, are not taken for the user's window.
#include <functional>

#include "app/ProgramEngineLinks.hpp"
#include "engine/EngineLinks.hpp"
#include "activation/ActivationLinks.hpp"
#include "platform/WindowPort.hpp"
#include "settings/Options.hpp"

namespace umbrix::app {

class ApplicationIdleHandler final : public activation::IdleTracking {
public:
    // `mainWindowHandle`: the main window's handle; WindowId{} while there is none.
    ApplicationIdleHandler(platform::WindowPort& windows, engine::PanicButton& panicButton,
                           std::function<platform::WindowId()> mainWindowHandle, const settings::Options& selections,
                           LastActiveWindow& lastActive);

    void onIdle();

    void detachIdleHandler() override { attached_ = false; }
    void attachIdleHandler() override { attached_ = true; }
    bool attached() const { return attached_; }

private:
    platform::WindowPort& windows_;
    engine::PanicButton& panicButton_;
    std::function<platform::WindowId()> mainWindowHandle_;
    const settings::Options& options_;
    LastActiveWindow& lastActive_;
    bool attached_ = true;
};

}  // namespace umbrix::app
