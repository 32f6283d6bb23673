#pragma once
// Everything the core may ask of Windows, one port per area. Adapters: platform/win32 (the
// real calls) and platform/sim (an in-memory Windows for tests).
#include "platform/AudioPort.hpp"
#include "platform/CursorPort.hpp"
#include "platform/FilePort.hpp"
#include "platform/InternetCachePort.hpp"
#include "platform/RegistryPort.hpp"
#include "platform/ShellPort.hpp"
#include "platform/SystemPort.hpp"
#include "platform/TextPort.hpp"
#include "platform/UrlHistoryPort.hpp"

namespace umbrix::platform {

struct Platform {
    FilePort& files;
    SystemPort& system;
    TextPort& text;
    RegistryPort& registry;
    ShellPort& shell;
    InternetCachePort& internetCache;
    UrlHistoryPort& urlHistory;
    AudioPort& audio;
    CursorPort& cursor;
};

}  // namespace umbrix::platform
