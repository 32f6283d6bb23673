#pragma once
// Keeps the Task Manager away from whoever sits at the keyboard while the desktop is hidden,
// through the current user's policy value "DisableTaskMgr". Two options write it in two forms:
// the Task Manager option as REG_SZ "1" (deleted to lift it), the Ctrl+Alt+Del option as
// REG_DWORD 1 (REG_DWORD 0 to lift it). Whichever writes last decides.
//
// The restriction lives in the registry and outlives the program. So that a crash never leaves
// the user locked out, every restriction the program writes is marked under its own key
// ("Software\Umbrix", "TaskManagerRestricted") and unmarked when lifted; the next start lifts a
// marked restriction that is still in place, and never one the program did not write.
#include "platform/RegistryPort.hpp"

namespace umbrix::extras {

class SystemLockdown {
public:
    explicit SystemLockdown(platform::RegistryPort& registry);

    // The process may write the local machine's Run key: it writes "AdministratorRightsCheck"
    // there and deletes it again at once. Any failure answers false. Leaves no trace.
    bool hasAdministratorRights();

    // `disabled`: "DisableTaskMgr" = REG_SZ "1"; otherwise the value is deleted (a missing value
    // is fine). 0 when done, 1 when a failure interrupted it; nothing is thrown.
    int setTaskManagerPolicy(bool disabled);

    // `enabled` false applies the restriction (REG_DWORD 1), true lifts it (REG_DWORD 0); the
    // Explorer policies key is opened, created if absent, in both cases. A policy key that cannot
    // be opened is passed over; a refused write of the value throws ExtrasError.
    void setCtrlAltDelPolicy(bool enabled);

    // Before every hide or close action and when stealth mode is entered: the Task Manager
    // option follows its check box, for an administrator only.
    void applyTaskManagerOption(bool disableTaskManager);

    // At a normal exit: with administrator rights both policies are lifted (the value ends as
    // REG_DWORD 0); without them, a restriction this program wrote is lifted all the same.
    void liftAtExit();

    // At start-up, once this is the only instance: lifts the restriction an earlier run left in
    // place (a crash, or an exit that could not lift it). True when it lifted one.
    bool liftLeftoverRestriction();

private:
    bool markRestricted();
    void unmarkRestricted();
    bool markedRestricted();

    platform::RegistryPort& registry_;
};

}  // namespace umbrix::extras
