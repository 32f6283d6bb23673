#pragma once
// Everything the core may ask of Windows, one port per area. Adapters: platform/win32 (the
// real calls) and platform/sim (an in-memory Windows for tests).
#include "platform/DialogPort.hpp"
#include "platform/FilePort.hpp"
#include "platform/RegistryPort.hpp"
#include "platform/NetworkPort.hpp"
#include "platform/InstancePort.hpp"
#include "platform/SystemPort.hpp"
#include "platform/TextPort.hpp"

namespace umbrix::platform {

struct Platform {
    FilePort& files;
    SystemPort& system;
    TextPort& text;
    RegistryPort& registry;
    NetworkPort& network;
    InstancePort& instance;
    DialogPort& dialogs;
};

}  // namespace umbrix::platform
