#pragma once
// The hourglass for the length of a scope; the normal cursor comes back however the scope ends.
#include "platform/CursorPort.hpp"

namespace umbrix::extras {

class BusyCursor {
public:
    explicit BusyCursor(platform::CursorPort& cursor) : cursor_(cursor) { cursor_.showBusy(true); }
    ~BusyCursor() { cursor_.showBusy(false); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    platform::CursorPort& cursor_;
};

}  // namespace umbrix::extras
