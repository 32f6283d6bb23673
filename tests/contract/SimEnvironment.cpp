#include "ContractEnvironment.hpp"
#include "platform/sim/SimMachine.hpp"

namespace umbrix::contract {

namespace {

class SimEnvironment final : public ContractEnvironment {
public:
    platform::Platform platform() override { return machine_.platform(); }
    std::string scratchFolder() override {
        std::string folder = "C:\\Users\\user\\AppData\\Local\\Temp\\contract" + std::to_string(++count_);
        machine_.files.makeDirectories(folder);
        return folder;
    }
    bool isRealWindows() const override { return false; }

private:
    sim::SimMachine machine_;
    int count_ = 0;
};

}  // namespace

std::unique_ptr<ContractEnvironment> makeEnvironment() { return std::make_unique<SimEnvironment>(); }

}  // namespace umbrix::contract
