#pragma once
// Everything the core may ask of Windows, one port per area. Adapters: platform/win32 (the
// real calls) and platform/sim (an in-memory Windows for tests).
#include "platform/CryptoPort.hpp"
#include "platform/DialogPort.hpp"
#include "platform/FilePort.hpp"
#include "platform/HotkeyPort.hpp"
#include "platform/RegistryPort.hpp"
#include "platform/SystemPort.hpp"
#include "platform/TextPort.hpp"
#include "platform/TrayPort.hpp"

namespace umbrix::platform {

struct Platform {
    FilePort& files;
    SystemPort& system;
    TextPort& text;
    RegistryPort& registry;
    HotkeyPort& hotkeys;
    TrayPort& tray;
    DialogPort& dialogs;
    CryptoPort& crypto;
};

}  // namespace umbrix::platform
