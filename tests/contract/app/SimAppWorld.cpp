#include <algorithm>

#include "AppWorld.hpp"
#include "sim/SimApplication.hpp"
#include "sim/SimKernelObjects.hpp"

namespace umbrix::contract {

namespace {

class SimAppWorld final : public AppWorld {
public:
    std::unique_ptr<platform::InstancePort> startProcess() override {
        return std::make_unique<sim::SimInstance>(kernel_, journal_, ++lastProcessId_);
    }
    void createForeignObject(const std::string& name) override { kernel_.createForeignEvent(name); }

    platform::ApplicationPort& application() override { return application_; }
    bool applicationWindowExists() override { return application_.applicationWindow.exists; }
    bool controllerWindowExists() override { return application_.controllerWindow.exists; }
    bool applicationWindowIsToolWindow() override {
        return application_.applicationWindow.toolWindow && !application_.applicationWindow.appWindow;
    }
    void postCloseToController() override { application_.postClose(); }
    bool endSession(bool anotherProgramRefuses) override { return application_.endSession(anotherProgramRefuses); }

    bool windowExists(const platform::ModelessWindow& window) override {
        return application_.hostedWindow(window) != nullptr;
    }
    int openWindowCount() override {
        return static_cast<int>(
            std::ranges::count_if(application_.hostedWindows, [](const auto& w) { return w.isOpen(); }));
    }
    bool windowVisible(const platform::ModelessWindow& window) override {
        const auto* hosted = application_.hostedWindow(window);
        return hosted && hosted->visible;
    }
    platform::WindowBounds windowBounds(const platform::ModelessWindow& window) override {
        const auto* hosted = application_.hostedWindow(window);
        return hosted && hosted->bounds ? *hosted->bounds : platform::WindowBounds{};
    }
    void sendClose(platform::ModelessWindow& window) override { application_.requestClose(window); }
    void changeDpi(platform::ModelessWindow& window, int dpi, const platform::WindowBounds& suggested) override {
        application_.changeDpi(window, dpi, suggested);
    }
    std::optional<std::uint8_t> windowOpacity(const platform::ModelessWindow& window) override {
        const auto* hosted = application_.hostedWindow(window);
        return hosted ? hosted->alpha : std::nullopt;
    }
    bool hasSizingBorder(const platform::ModelessWindow& window) override {
        const auto* hosted = application_.hostedWindow(window);
        return hosted && hosted->sizingBorder;
    }

private:
    sim::SimKernelObjects kernel_;
    sim::SimJournal journal_;
    sim::SimApplication application_{journal_};
    int lastProcessId_ = 0;
};

}  // namespace

std::unique_ptr<AppWorld> makeAppWorld() { return std::make_unique<SimAppWorld>(); }

}  // namespace umbrix::contract
