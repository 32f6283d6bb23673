#pragma once
// Everything the core may ask of Windows, one port per area. Adapters: src/win32 (the
// real calls) and src/sim (an in-memory Windows for tests).
#include "platform/AudioPort.hpp"
#include "platform/ClockPort.hpp"
#include "platform/CryptoPort.hpp"
#include "platform/CursorPort.hpp"
#include "platform/DialogPort.hpp"
#include "platform/FilePort.hpp"
#include "platform/HotkeyPort.hpp"
#include "platform/IconPort.hpp"
#include "platform/InstancePort.hpp"
#include "platform/InternetCachePort.hpp"
#include "platform/NetworkPort.hpp"
#include "platform/ProcessPort.hpp"
#include "platform/RegistryPort.hpp"
#include "platform/ShellPort.hpp"
#include "platform/SystemPort.hpp"
#include "platform/TextPort.hpp"
#include "platform/TrayPort.hpp"
#include "platform/UrlHistoryPort.hpp"
#include "platform/WindowPort.hpp"

namespace umbrix::platform {

// Adapters fill it with designated initialisers, one line per port in this order.
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
    IconPort& icons;
    ClockPort& clock;
    ShellPort& shell;
    InternetCachePort& internetCache;
    UrlHistoryPort& urlHistory;
    AudioPort& audio;
    CursorPort& cursor;
    HotkeyPort& hotkeys;
    TrayPort& tray;
    CryptoPort& crypto;
};

}  // namespace umbrix::platform
