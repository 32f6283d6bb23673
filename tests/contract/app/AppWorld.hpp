#pragma once
// What the application shell's contract cases run against: processes of the program that claim
// the instance mutex, the program's hidden windows, and the outside world that reaches them
// (another program's named object, a WM_CLOSE, the end of the session).
#include <cstdint>
#include <stdexcept>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ApplicationPort.hpp"
#include "platform/InstancePort.hpp"
#include "platform/ModelessWindow.hpp"

namespace umbrix::contract {

class AppWorld {
public:
    virtual ~AppWorld() = default;

    // A new process of the program; destroying it ends the process and closes its handles.
    virtual std::unique_ptr<platform::InstancePort> startProcess() = 0;
    // Another program's event object under `name`, alive as long as this world.
    virtual void createForeignObject(const std::string& name) = 0;

    // This process's hidden windows.
    virtual platform::ApplicationPort& application() = 0;
    virtual bool applicationWindowExists() = 0;
    virtual bool controllerWindowExists() = 0;
    virtual bool applicationWindowIsToolWindow() = 0;
    // PostMessageW(controller, WM_CLOSE) from outside.
    virtual void postCloseToController() = 0;
    // WM_QUERYENDSESSION, then WM_ENDSESSION with the outcome; returns whether it ended.
    virtual bool endSession(bool anotherProgramRefuses) = 0;

    // A modeless window of the test's model type, `ContractWindow` (the Win32 world registers a
    // bare view for it): whether its window exists and shows, and where it is.
    virtual bool windowExists(const platform::ModelessWindow& window) = 0;
    virtual int openWindowCount() = 0;
    virtual bool windowVisible(const platform::ModelessWindow& window) = 0;
    virtual platform::WindowBounds windowBounds(const platform::ModelessWindow& window) = 0;
    // The outside world at the window: WM_CLOSE (sent), and a move to a monitor of `dpi` with
    // the bounds Windows suggests (WM_DPICHANGED).
    virtual void sendClose(platform::ModelessWindow& window) = 0;
    virtual void changeDpi(platform::ModelessWindow& window, int dpi, const platform::WindowBounds& suggested) = 0;
    // Its layered opacity; nullopt when it is not layered.
    virtual std::optional<std::uint8_t> windowOpacity(const platform::ModelessWindow& window) = 0;
    // It has the sizeable border with its caption bar.
    virtual bool hasSizingBorder(const platform::ModelessWindow& window) = 0;
};

// The model the contract cases open: it records the host's messages.
class ContractWindow final : public platform::ModelessWindow {
public:
    std::string name() const override { return "contract window"; }
    std::string caption() const override { return "Umbrix contract window"; }
    void onCloseRequest() override {
        ++closeRequests;
        if (closeFails) throw std::runtime_error("the close of the contract window failed");
        if (hideOnClose) ModelessWindow::onCloseRequest();
    }
    void onFocusLost() override { ++focusLosses; }
    void onDpiChanged(int dpi) override { dpis.push_back(dpi); }
    bool keepsScreenPixels() const override { return screenPixels; }

    int closeRequests = 0;
    bool hideOnClose = true;
    bool closeFails = false;  // the reaction to a close request throws
    int focusLosses = 0;
    std::vector<int> dpis;
    bool screenPixels = false;
};

std::unique_ptr<AppWorld> makeAppWorld();

}  // namespace umbrix::contract
