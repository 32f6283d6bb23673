#pragma once
// The decoy as the window engine sees it: its window kept out of the inventory. The extras
// name windows by their raw handle value, the engine by WindowId; the conversion lives here.
#include "engine/EngineState.hpp"
#include "extras/Decoy.hpp"

namespace umbrix::extras {

// Records the decoy's current window (or none) where the inventory looks for it, so that the
// next refresh, and the hide or close action built on it, leaves the decoy on screen.
void markDecoyWindow(Decoy& decoy, engine::EngineState& state);

}  // namespace umbrix::extras
