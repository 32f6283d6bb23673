#pragma once
// The rest of the session around a hotkey contract case: another program holding a combination,
// and the user pressing one. Defined once per adapter.
#include <cstdint>
#include <functional>
#include <memory>

#include "ContractEnvironment.hpp"

namespace umbrix::contract {

// Another process holds the combination for as long as this lives.
class OtherProcessHotkey {
public:
    virtual ~OtherProcessHotkey() = default;
};

std::unique_ptr<OtherProcessHotkey> holdInAnotherProcess(ContractEnvironment& env, std::uint32_t modifiers,
                                                         std::uint32_t virtualKey);

// Presses the combination, then lets the program's messages flow until `arrived` answers true or
// a few seconds have passed; returns `arrived()`.
bool pressUntil(ContractEnvironment& env, std::uint32_t modifiers, std::uint32_t virtualKey,
                const std::function<bool()>& arrived);

}  // namespace umbrix::contract
