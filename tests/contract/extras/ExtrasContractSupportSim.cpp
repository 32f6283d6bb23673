#include "ExtrasContractSupport.hpp"
#include "sim/SimMachine.hpp"

namespace umbrix::contract::extras {

bool mayChangeTheUsersState(ContractEnvironment&) { return true; }

std::int64_t recycleBinItems(ContractEnvironment& env) {
    return static_cast<std::int64_t>(dynamic_cast<sim::SimShell&>(env.platform().shell).recycleBin.size());
}

void addCachedPage(ContractEnvironment& env, const std::string& url) {
    dynamic_cast<sim::SimInternetCache&>(env.platform().internetCache).content.insert(url);
}

// The process ends and its windows close with it.
bool endProcess(ContractEnvironment& env, std::uint32_t processId) {
    platform::Platform platform = env.platform();
    auto& processes = dynamic_cast<sim::SimProcesses&>(platform.processes);
    auto& windows = dynamic_cast<sim::SimWindows&>(platform.windows);
    const platform::ProcessId process{processId};
    if (!processes.find(process)) return false;
    for (platform::WindowId window : windows.zOrder()) {
        if (windows.find(window)->owner == process) windows.destroy(window);
    }
    processes.end(process);
    return true;
}

bool endProcessOfWindow(ContractEnvironment& env, std::uint64_t window) {
    const sim::SimWindows::Window* shown =
        dynamic_cast<sim::SimWindows&>(env.platform().windows).find(platform::WindowId{window});
    return shown && endProcess(env, shown->owner.value);
}

ComApartment::ComApartment() = default;
ComApartment::~ComApartment() = default;

}  // namespace umbrix::contract::extras
