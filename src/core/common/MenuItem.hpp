#pragma once
// One command entry of a popup menu, for a menu whose commands are an enumeration.
#include <cstdint>

#include "platform/ApplicationPort.hpp"

namespace umbrix {

template <class Command>
platform::MenuEntry menuItem(Command command, const char* caption) {
    platform::MenuEntry entry;
    entry.command = static_cast<std::uint32_t>(command);
    entry.caption = caption;
    return entry;
}

}  // namespace umbrix
