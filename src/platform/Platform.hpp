#pragma once
// Everything the core may ask of Windows, one port per area. Adapters: platform/win32 (the
// real calls) and platform/sim (an in-memory Windows for tests).
#include "platform/ClockPort.hpp"
#include "platform/DialogPort.hpp"
#include "platform/FilePort.hpp"
#include "platform/InstancePort.hpp"
#include "platform/NetworkPort.hpp"
#include "platform/ProcessPort.hpp"
#include "platform/RegistryPort.hpp"
#include "platform/ShellIconPort.hpp"
#include "platform/SystemPort.hpp"
#include "platform/TextPort.hpp"
#include "platform/WindowPort.hpp"

namespace umbrix::platform {

struct Platform {
    FilePort& files;
    SystemPort& system;
    TextPort& text;
    RegistryPort& registry;
    NetworkPort& network;
    InstancePort& instance;
    DialogPort& dialogs;
    WindowPort& windows;
    ProcessPort& processes;
    ShellIconPort& icons;
    ClockPort& clock;
};

}  // namespace umbrix::platform
