#pragma once
// The user at the unlock prompt, as a script step of the simulated dialogs: the next prompt
// that comes up is answered with a password and OK, or cancelled.
#include <string>

#include "password/UnlockPrompt.hpp"
#include "sim/SimDialogs.hpp"

namespace umbrix::password::testing {

inline void userTypesIntoPrompt(sim::SimDialogs& dialogs, const std::string& text) {
    dialogs.userStep<TPassword_f>([text](TPassword_f& prompt) {
        prompt.PassWord = text;
        prompt.Button1Click();
    });
}

inline void userCancelsPrompt(sim::SimDialogs& dialogs) {
    dialogs.userStep<TPassword_f>([](TPassword_f& prompt) { prompt.CancelBtnClick(); });
}

}  // namespace umbrix::password::testing
