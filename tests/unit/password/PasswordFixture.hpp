#pragma once
// The password machinery of one program against the sim, with cheap hashes.
#include <string>

#include "password/PasswordGate.hpp"
#include "password/PasswordStore.hpp"
#include "password/UnhidePassword.hpp"
#include "password/UnlockPromptSlot.hpp"
#include "sim/SimMachine.hpp"

namespace umbrix::password {

class PasswordFixture {
protected:
    static constexpr std::uint32_t kCheapIterations = 5;

    // A password set in an earlier run, as this run reads it at start-up.
    void setPassword(const std::string& text, const std::string& hint = "") {
        auto saved = store.writePassword(text, hint);
        ASSERT_EQ(saved.result, PasswordSaveResult::Saved);
        password.replace(store.readPassword());
    }
    const platform::MessageBoxRequest& lastBox() const { return machine.dialogs.messageBoxes.back().request; }
    std::size_t boxCount() const { return machine.dialogs.messageBoxes.size(); }

    sim::SimMachine machine;
    PasswordStore store{machine.registry, machine.crypto, std::string(kPasswordBaseKey), kCheapIterations};
    UnhidePassword password{machine.crypto};
    UnlockPromptSlot prompts{machine.dialogs, machine.cursor, password, store};
    PasswordGate gate{machine.dialogs, machine.cursor, password, store, prompts};
};

}  // namespace umbrix::password
