#include "extras/SystemLockdown.hpp"

#include "extras/ExtrasError.hpp"

namespace umbrix::extras {

using platform::RegistryRoot;
using platform::RegistryType;
using platform::RegistryValue;

namespace {

constexpr const char* kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* kProbeValue = "AdministratorRightsCheck";
// Both options name the same key, the second written from the root with a trailing "\".
constexpr const char* kSystemPolicies = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System";
constexpr const char* kSystemPoliciesFromRoot = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System\\";
constexpr const char* kExplorerPolicies = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer\\";
constexpr const char* kPolicyValue = "DisableTaskMgr";
constexpr const char* kMarkerKey = "Software\\Umbrix";
constexpr const char* kMarkerValue = "TaskManagerRestricted";

bool isTaskManagerForm(const std::optional<RegistryValue>& value) {
    return value && value->type == RegistryType::String && value->text == "1";
}

bool isCtrlAltDelForm(const std::optional<RegistryValue>& value) {
    return value && value->type == RegistryType::DWord && value->number == 1;
}

}  // namespace

SystemLockdown::SystemLockdown(platform::RegistryPort& registry) : registry_(registry) {}

bool SystemLockdown::hasAdministratorRights() {
    (void)registry_.createKey(RegistryRoot::LocalMachine, kRunKey);  // the write below tells
    if (!registry_.writeValue(RegistryRoot::LocalMachine, kRunKey, kProbeValue, RegistryValue::ofString("1"))) {
        return false;
    }
    if (!registry_.readValue(RegistryRoot::LocalMachine, kRunKey, kProbeValue)) return false;
    return registry_.deleteValue(RegistryRoot::LocalMachine, kRunKey, kProbeValue).ok();
}

int SystemLockdown::setTaskManagerPolicy(bool disabled) {
    if (!registry_.createKey(RegistryRoot::CurrentUser, kSystemPolicies)) return 1;
    if (disabled) {
        bool newlyMarked = markRestricted();
        auto written = registry_.writeValue(RegistryRoot::CurrentUser, kSystemPolicies, kPolicyValue,
                                            RegistryValue::ofString("1"), false);
        if (written) return 0;
        if (newlyMarked) unmarkRestricted();  // whatever the value holds now is not the program's
        return 1;
    }
    auto deleted = registry_.deleteValue(RegistryRoot::CurrentUser, kSystemPolicies, kPolicyValue);
    if (!deleted && deleted.error != platform::errors::kFileNotFound) return 1;
    unmarkRestricted();
    return 0;
}

void SystemLockdown::setCtrlAltDelPolicy(bool enabled) {
    if (registry_.createKey(RegistryRoot::CurrentUser, kSystemPoliciesFromRoot)) {
        bool newlyMarked = !enabled && markRestricted();
        auto written = registry_.writeValue(RegistryRoot::CurrentUser, kSystemPoliciesFromRoot, kPolicyValue,
                                            RegistryValue::ofDWord(enabled ? 0 : 1), false);
        if (!written) {
            if (newlyMarked) unmarkRestricted();
            throw ExtrasError("The Task Manager policy cannot be written", written.error);
        }
        if (enabled) unmarkRestricted();
    }
    // Only opened (and so created when absent): no value belongs there.
    (void)registry_.createKey(RegistryRoot::CurrentUser, kExplorerPolicies);
}

void SystemLockdown::applyTaskManagerOption(bool disableTaskManager) {
    if (hasAdministratorRights()) setTaskManagerPolicy(disableTaskManager);
}

void SystemLockdown::liftAtExit() {
    if (hasAdministratorRights()) setTaskManagerPolicy(false);
    if (hasAdministratorRights()) setCtrlAltDelPolicy(true);
    liftLeftoverRestriction();
}

bool SystemLockdown::liftLeftoverRestriction() {
    if (!markedRestricted()) return false;
    auto value = registry_.readValue(RegistryRoot::CurrentUser, kSystemPolicies, kPolicyValue);
    if (isTaskManagerForm(value)) return setTaskManagerPolicy(false) == 0;
    if (isCtrlAltDelForm(value)) {
        // Lifted in the form the Ctrl+Alt+Del option itself lifts it; the marker stays when the
        // write is refused, so the next start tries again.
        if (!registry_.writeValue(RegistryRoot::CurrentUser, kSystemPolicies, kPolicyValue, RegistryValue::ofDWord(0),
                                  false)) {
            return false;
        }
        unmarkRestricted();
        return true;
    }
    // Lifted already, or changed since by someone else: not the program's to touch.
    unmarkRestricted();
    return false;
}

// The marker is a safety net for the next start; a marker that cannot be written or removed
// must not stand in the way of the restriction the user asked for, so its result is not used.
// It is written before the restriction, so that no crash can leave a restriction unmarked.
// True when this call wrote it.
bool SystemLockdown::markRestricted() {
    if (markedRestricted()) return false;
    return registry_.writeValue(RegistryRoot::CurrentUser, kMarkerKey, kMarkerValue, RegistryValue::ofDWord(1)).ok();
}

void SystemLockdown::unmarkRestricted() {
    if (!markedRestricted()) return;
    (void)registry_.deleteValue(RegistryRoot::CurrentUser, kMarkerKey, kMarkerValue);
}

bool SystemLockdown::markedRestricted() {
    return registry_.readValue(RegistryRoot::CurrentUser, kMarkerKey, kMarkerValue).has_value();
}

}  // namespace umbrix::extras
