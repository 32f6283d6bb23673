#include "app/ApplicationIdleHandler.hpp"

#include "activation/ActivationSequence.hpp"

namespace umbrix::app {

ApplicationIdleHandler::ApplicationIdleHandler(platform::WindowPort& windows, engine::PanicButton& panicButton,
                                               std::function<platform::WindowId()> mainWindowHandle,
                                               const settings::Options& selections, LastActiveWindow& lastActive)
    : windows_(windows),
      panicButton_(panicButton),
      mainWindowHandle_(std::move(mainWindowHandle)),
      options_(selections),
      lastActive_(lastActive) {}

void ApplicationIdleHandler::onIdle() {
    if (!attached_) return;
    // MyHandle: the panic window's handle as the window answers it now (a theme change may have
    // given it a new one).
    const platform::WindowId panicWindow = panicButton_.panicWindowHandle();
    if (!panicWindow || !panicButton_.isPanicWindowShown()) return;
    const std::int32_t action = options_.action;
    if (action != activation::kHideActiveAction && action != activation::kCloseActiveAction) return;

    const platform::WindowId foreground = windows_.foregroundWindow();
    const platform::WindowId mainWindow = mainWindowHandle_ ? mainWindowHandle_() : platform::WindowId{};
    // No foreground window (one is being activated) is no window the user worked in.
    if (!foreground || foreground == panicWindow || (mainWindow && foreground == mainWindow)) return;
    lastActive_.LastActiveHandle = foreground;
}

}  // namespace umbrix::app
