#include "ContractEnvironment.hpp"
#include "sim/SimMachine.hpp"

namespace umbrix::contract {

namespace {

class SimEnvironment final : public ContractEnvironment {
public:
    // Wine runs the Windows side with the rights of an administrator; so does this machine.
    SimEnvironment() { machine_.registry.administrator = true; }
    platform::Platform platform() override { return machine_.platform(); }
    std::string scratchFolder() override {
        std::string folder = "C:\\Users\\user\\AppData\\Local\\Temp\\contract" + std::to_string(++count_);
        machine_.files.makeDirectories(folder);
        return folder;
    }
    std::string scratchRegistryKey() override { return "Software\\Umbrix Tests\\" + std::to_string(++count_); }
    bool isRealWindows() const override { return false; }
    void runMessagesFor(std::uint32_t milliseconds) override { machine_.tray.letTimePass(milliseconds); }

private:
    sim::SimMachine machine_;
    int count_ = 0;
};

}  // namespace

std::unique_ptr<ContractEnvironment> makeEnvironment() { return std::make_unique<SimEnvironment>(); }

}  // namespace umbrix::contract
