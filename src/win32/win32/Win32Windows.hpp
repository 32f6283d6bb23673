#pragma once
#include "platform/WindowPort.hpp"

namespace umbrix::win32 {

class Win32Windows final : public platform::WindowPort {
public:
    void enumWindows(const std::function<bool(platform::WindowId)>& visit) override;
    std::string windowText(platform::WindowId window) override;
    bool isWindowVisible(platform::WindowId window) override;
    bool isWindow(platform::WindowId window) override;
    std::optional<std::uint32_t> cloakedState(platform::WindowId window) override;
    std::optional<platform::ProcessId> windowProcessId(platform::WindowId window) override;
    bool showWindow(platform::WindowId window, platform::ShowCommand command) override;
    std::vector<bool> showWindows(const std::vector<platform::WindowId>& windows,
                                  platform::ShowCommand command) override;
    bool postCloseRequest(platform::WindowId window) override;
    std::optional<platform::WindowId> findWindowByTitle(std::string_view title) override;
    platform::WindowId foregroundWindow() override;
    bool setForegroundWindow(platform::WindowId window) override;
    std::optional<platform::ShowState> showState(platform::WindowId window) override;
    bool restackWindows(const std::vector<platform::WindowId>& topFirst) override;
    std::unique_ptr<platform::WindowEventSubscription> watchShownWindows(
        std::function<void(platform::WindowId)> shown) override;
};

}  // namespace umbrix::win32
