#pragma once
// The hourglass for the length of a scope (a password hash or a history clear takes a noticeable
// moment); the normal cursor comes back however the scope ends.
#include "platform/CursorPort.hpp"

namespace umbrix::platform {

class WaitCursorScope {
public:
    explicit WaitCursorScope(CursorPort& cursor) : cursor_(cursor) { cursor_.showBusy(true); }
    WaitCursorScope(const WaitCursorScope&) = delete;
    WaitCursorScope& operator=(const WaitCursorScope&) = delete;
    ~WaitCursorScope() { cursor_.showBusy(false); }

private:
    CursorPort& cursor_;
};

}  // namespace umbrix::platform
