#include "DesktopProbe.hpp"
#include "sim/SimProcesses.hpp"
#include "sim/SimIcons.hpp"
#include "sim/SimWindows.hpp"

namespace umbrix::contract {

namespace {

class SimDesktopProbe final : public DesktopProbe {
public:
    SimDesktopProbe(platform::Platform ports, const std::vector<ProbeWindow>& requests)
        : windows_(dynamic_cast<sim::SimWindows&>(ports.windows)),
          processes_(dynamic_cast<sim::SimProcesses&>(ports.processes)) {
        const std::string path = "C:\\Umbrix tests\\probe.exe";
        dynamic_cast<sim::SimIcons&>(ports.icons).setFileIcon(path, "probe");
        process_ = processes_.start(path);
        sink_ = windows_.open({"", process_});
        for (const ProbeWindow& request : requests) {
            sim::SimWindows::Blueprint blueprint{request.title, process_};
            blueprint.visible = !request.hidden;
            blueprint.state = request.minimized ? platform::ShowState::Minimized : platform::ShowState::Normal;
            blueprint.refusesClose = request.refuseClose;
            if (request.modalDialog && !opened_.empty()) blueprint.ownerWindow = opened_.back();
            opened_.push_back(windows_.open(blueprint));
        }
    }
    ~SimDesktopProbe() override { end(); }

    platform::ProcessId processId() const override { return process_; }
    const std::vector<platform::WindowId>& windows() const override { return opened_; }
    platform::WindowId sink() const override { return sink_; }

    // The sim's hang lasts until the probe is next given a moment.
    void stopAnswering() override { windows_.setAnswering(process_, false); }
    bool answering() override { return windows_.answering(process_); }

    void showItself(std::size_t index) override { windows_.setVisible(opened_.at(index), true); }

    void letItRun() override {
        windows_.setAnswering(process_, true);
        windows_.deliverPostedMessages();
        windows_.deliverWindowEvents();
        // Like probe.exe, it ends once its last titled window has closed.
        bool anyLeft = false;
        for (auto window : opened_) anyLeft = anyLeft || windows_.find(window) != nullptr;
        if (!anyLeft && !opened_.empty()) end();
    }
    bool hasEnded() override { return ended_; }

private:
    void end() {
        if (ended_) return;
        ended_ = true;
        for (auto window : opened_) windows_.destroy(window);
        windows_.destroy(sink_);
        processes_.end(process_);
    }

    sim::SimWindows& windows_;
    sim::SimProcesses& processes_;
    platform::ProcessId process_;
    platform::WindowId sink_;
    std::vector<platform::WindowId> opened_;
    bool ended_ = false;
};

}  // namespace

std::unique_ptr<DesktopProbe> startProbe(ContractEnvironment& env, const std::vector<ProbeWindow>& windows) {
    return std::make_unique<SimDesktopProbe>(env.platform(), windows);
}

}  // namespace umbrix::contract
