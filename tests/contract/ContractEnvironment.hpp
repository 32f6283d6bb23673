#pragma once
// What a contract case runs against: the ports of one adapter and a fresh scratch folder.
#include <cstdint>
#include <memory>
#include <string>

#include "platform/Platform.hpp"

namespace umbrix::contract {

class ContractEnvironment {
public:
    virtual ~ContractEnvironment() = default;
    virtual platform::Platform platform() = 0;
    // A new, empty folder for this test, as a full Windows path without a trailing "\".
    virtual std::string scratchFolder() = 0;
    // A new, empty key path under HKEY_CURRENT_USER for this test.
    virtual std::string scratchRegistryKey() = 0;
    virtual bool isRealWindows() const = 0;
    // The test's thread runs its message loop this long: timers fire, posted messages arrive.
    virtual void runMessagesFor(std::uint32_t milliseconds) = 0;
};

// Defined once per adapter: SimEnvironment.cpp natively, Win32Environment.cpp for Windows.
std::unique_ptr<ContractEnvironment> makeEnvironment();

}  // namespace umbrix::contract
