#pragma once
// The simulated mouse cursor: busy or normal.
#include "platform/CursorPort.hpp"

namespace umbrix::sim {

class SimCursor final : public platform::CursorPort {
public:
    void showBusy(bool isBusy) override {
        if (isBusy && !busy) ++busyShows;
        busy = isBusy;
        ++changes;
    }

    bool busy = false;
    int changes = 0;  // every showBusy call
    int busyShows = 0;  // times the hourglass appeared over the normal cursor
};

}  // namespace umbrix::sim
