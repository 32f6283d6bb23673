#pragma once
// The simulated mouse cursor: busy or normal.
#include "platform/CursorPort.hpp"

namespace umbrix::sim {

class SimCursor final : public platform::CursorPort {
public:
    void showBusy(bool isBusy) override {
        busy = isBusy;
        ++changes;
    }

    bool busy = false;
    int changes = 0;
};

}  // namespace umbrix::sim
