#include "ExtrasContractSupport.hpp"
#include "platform/sim/SimMachine.hpp"

namespace umbrix::contract::extras {

bool mayChangeTheUsersState(ContractEnvironment&) { return true; }

std::int64_t recycleBinItems(ContractEnvironment& env) {
    return static_cast<std::int64_t>(dynamic_cast<sim::SimShell&>(env.platform().shell).recycleBin.size());
}

void addCachedPage(ContractEnvironment& env, const std::string& url) {
    dynamic_cast<sim::SimInternetCache&>(env.platform().internetCache).content.insert(url);
}

std::uint64_t foregroundWindow(ContractEnvironment& env) {
    return dynamic_cast<sim::SimShell&>(env.platform().shell).foregroundWindow;
}

bool endProcess(ContractEnvironment& env, std::uint32_t processId) {
    auto& shell = dynamic_cast<sim::SimShell&>(env.platform().shell);
    if (!shell.processes.count(processId)) return false;
    shell.endProcess(processId);
    return true;
}

bool endProcessOfWindow(ContractEnvironment& env, std::uint64_t window) {
    const sim::SimWindow* shown = dynamic_cast<sim::SimShell&>(env.platform().shell).window(window);
    return shown && endProcess(env, shown->processId);
}

ComApartment::ComApartment() = default;
ComApartment::~ComApartment() = default;

}  // namespace umbrix::contract::extras
