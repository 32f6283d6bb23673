#include "extras/EngineJoins.hpp"

namespace umbrix::extras {

void markDecoyWindow(Decoy& decoy, engine::EngineState& state) {
    // Asked afresh each time: a window handle outlives nothing, and a stale one could name
    // a window the user opened later.
    state.decoyAppHandle = platform::WindowId{decoy.DecoyWindow().value_or(0)};
}

}  // namespace umbrix::extras
