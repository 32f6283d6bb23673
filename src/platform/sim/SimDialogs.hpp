#pragma once
// Message boxes of the simulated process, answered by a scripted user.
#include <deque>
#include <vector>

#include "platform/DialogPort.hpp"
#include "platform/sim/SimJournal.hpp"

namespace umbrix::sim {

class SimDialogs final : public platform::DialogPort {
public:
    explicit SimDialogs(SimJournal& journal) : journal_(journal) {}

    // Each box takes the next scripted answer; without one the user presses the box's first
    // button (OK, Yes or Retry), as pressing Enter would.
    platform::DialogButton messageBox(const platform::MessageBoxRequest& request) override;

    std::deque<platform::DialogButton> answers;
    std::vector<platform::MessageBoxRequest> shown;

private:
    SimJournal& journal_;
};

}  // namespace umbrix::sim
