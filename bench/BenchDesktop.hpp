#pragma once
// A busy simulated desktop for the benchmarks: windows of many kinds over many processes, and
// quiet stand-ins for the rest of the program.
#include <memory>

#include "engine/EngineLinks.hpp"
#include "engine/WindowEngine.hpp"
#include "sim/SimMachine.hpp"

namespace umbrix::bench {

// The rest of the program, doing nothing.
class QuietEngineLinks final : public engine::OwnWindows,
                               public engine::PanicButton,
                               public engine::TrayIcon,
                               public engine::Lockdown,
                               public engine::AudioMute,
                               public engine::ForegroundHistory,
                               public engine::EngineDialogs,
                               public engine::HideJournal {
public:
    engine::EngineLinks links() { return {*this, *this, *this, *this, *this, *this, *this, *this}; }
    std::string mainWindowCaption() override { return "UBX 7 for Office (Portable)"; }
    bool isMainWindowVisible() override { return false; }
    void closeMainWindow() override {}
    bool isPasswordPromptShown() override { return false; }
    void closeAndDestroyPasswordPrompt() override {}
    bool isAboutWindowShown() override { return false; }
    void closeAboutWindow() override {}
    platform::WindowId panicWindowHandle() override { return platform::WindowId{}; }
    bool isPanicWindowShown() override { return false; }
    void closePanicWindow() override {}
    void removeTrayIcon() override {}
    void showTrayIcon() override {}
    bool hasAdministratorRights() override { return false; }
    void setTaskManagerDisabled(bool) override {}
    void liftCtrlAltDelRestrictions() override {}
    void switchMuteOff() override {}
    platform::WindowId lastActiveHandle() override { return platform::WindowId{}; }
    bool askYesNo(const std::string&, const std::string&) override { return false; }
    std::optional<std::string> browseForFile(const engine::FileDialogRequest&) override { return std::nullopt; }
    void setWaitCursor(bool) override {}
    void aboutToHide(const engine::HiddenWindowList&, const std::vector<engine::HiddenWindowEntry>&) override {}
    void record(const engine::HiddenWindowList&) override {}
};

struct DesktopShape {
    int processes = 300;
    int windows = 200;
};

// The machine, with the engine on it.
struct BenchDesktop {
    explicit BenchDesktop(const DesktopShape& shape);

    sim::SimMachine machine;
    QuietEngineLinks links;
    settings::Options options;
    engine::WindowEngine engine{machine.platform(), links.links(), options};
    int listedWindows = 0;  // visible, titled, not cloaked, not excluded
};

}  // namespace umbrix::bench
