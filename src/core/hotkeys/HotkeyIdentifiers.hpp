#pragma once
// The identifiers of the program's hotkey components: one counter for the whole process, owned
// by the program and handed to every component. It starts at 0 and every activation of any
// component takes the next one; none is ever used twice.
#include <cstdint>

namespace umbrix::hotkeys {

class HotkeyIdentifiers {
public:
    HotkeyIdentifiers() = default;
    HotkeyIdentifiers(const HotkeyIdentifiers&) = delete;
    HotkeyIdentifiers& operator=(const HotkeyIdentifiers&) = delete;

    std::int32_t next() { return next_++; }
    std::int32_t peek() const { return next_; }

private:
    std::int32_t next_ = 0;
};

}  // namespace umbrix::hotkeys
