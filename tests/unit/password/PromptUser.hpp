#pragma once
// The user at the unlock prompt, as a script step of the simulated dialogs: the next prompt
// that comes up is answered with a password and OK, or cancelled.
#include <string>

#include "password/UnlockPrompt.hpp"
#include "sim/SimDialogs.hpp"

namespace umbrix::password::testing {

inline void userTypesIntoPrompt(sim::SimDialogs& dialogs, const std::string& text) {
    dialogs.userStep<UnlockPrompt>([text](UnlockPrompt& prompt) {
        prompt.typedPassword = text;
        prompt.confirm();
    });
}

inline void userCancelsPrompt(sim::SimDialogs& dialogs) {
    dialogs.userStep<UnlockPrompt>([](UnlockPrompt& prompt) { prompt.cancel(); });
}

}  // namespace umbrix::password::testing
