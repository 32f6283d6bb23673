#include "HotkeySession.hpp"
#include "sim/SimHotkeys.hpp"

namespace umbrix::contract {

namespace {

sim::SimHotkeys& simHotkeys(ContractEnvironment& env) { return dynamic_cast<sim::SimHotkeys&>(env.platform().hotkeys); }

class SimOtherProcess final : public OtherProcessHotkey {
public:
    SimOtherProcess(sim::SimHotkeys& hotkeys, std::uint32_t modifiers, std::uint32_t virtualKey)
        : hotkeys_(hotkeys), modifiers_(modifiers), virtualKey_(virtualKey) {
        hotkeys_.holdInOtherProgram(modifiers_, virtualKey_);
    }
    ~SimOtherProcess() override { hotkeys_.releaseInOtherProgram(modifiers_, virtualKey_); }

private:
    sim::SimHotkeys& hotkeys_;
    std::uint32_t modifiers_, virtualKey_;
};

}  // namespace

std::unique_ptr<OtherProcessHotkey> holdInAnotherProcess(ContractEnvironment& env, std::uint32_t modifiers,
                                                         std::uint32_t virtualKey) {
    return std::make_unique<SimOtherProcess>(simHotkeys(env), modifiers, virtualKey);
}

bool pressUntil(ContractEnvironment& env, std::uint32_t modifiers, std::uint32_t virtualKey,
                const std::function<bool()>& arrived) {
    simHotkeys(env).press(modifiers, virtualKey);
    return arrived();
}

}  // namespace umbrix::contract
