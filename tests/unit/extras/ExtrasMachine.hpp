#pragma once
// The sim machine the extras run against, with its registry seen through a recorder that adds
// registry changes to the machine's journal (so the order of all steps shows in one list) and
// can refuse to create one chosen key, as a key whose parent forbids new subkeys would.
#include <optional>
#include <string>

#include "sim/SimMachine.hpp"

namespace umbrix::extras::testing {

using platform::IoResult;
using platform::RegistryRoot;
using platform::RegistryValue;

inline const std::string kSystemPolicies = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System";
inline const std::string kExplorerPolicies = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
inline const std::string kTypedUrls = "Software\\Microsoft\\Internet Explorer\\TypedURLs";
inline const std::string kRun = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

class RecordingRegistry final : public platform::RegistryPort {
public:
    RecordingRegistry(sim::SimRegistry& inner, sim::SimJournal& journal) : inner_(inner), journal_(journal) {}

    IoResult createKey(RegistryRoot root, std::string_view path) override {
        journal_.add("registry.createKey " + lastPart(path));
        if (refusedKey_ && trimmed(path) == *refusedKey_ && !inner_.keyExists(root, path)) {
            return IoResult::failure(platform::errors::kAccessDenied);
        }
        return inner_.createKey(root, path);
    }
    bool keyExists(RegistryRoot root, std::string_view path) override { return inner_.keyExists(root, path); }
    std::optional<RegistryValue> readValue(RegistryRoot root, std::string_view path, std::string_view name) override {
        return inner_.readValue(root, path, name);
    }
    IoResult writeValue(RegistryRoot root, std::string_view path, std::string_view name, const RegistryValue& value,
                        bool createKey) override {
        journal_.add("registry.write " + std::string(name));
        return inner_.writeValue(root, path, name, value, createKey);
    }
    IoResult deleteValue(RegistryRoot root, std::string_view path, std::string_view name) override {
        journal_.add("registry.deleteValue " + std::string(name));
        return inner_.deleteValue(root, path, name);
    }
    IoResult deleteKey(RegistryRoot root, std::string_view path) override {
        journal_.add("registry.deleteKey " + lastPart(path));
        return inner_.deleteKey(root, path);
    }
    IoResult deleteTree(RegistryRoot root, std::string_view path) override {
        journal_.add("registry.deleteTree " + lastPart(path));
        return inner_.deleteTree(root, path);
    }
    std::vector<std::string> valueNames(RegistryRoot root, std::string_view path) override {
        return inner_.valueNames(root, path);
    }

    // Creating this key (when it does not exist) is refused with access denied.
    void refuseToCreate(const std::string& path) { refusedKey_ = path; }

private:
    static std::string trimmed(std::string_view path) {
        while (!path.empty() && path.front() == '\\') path.remove_prefix(1);
        while (!path.empty() && path.back() == '\\') path.remove_suffix(1);
        return std::string(path);
    }
    static std::string lastPart(std::string_view path) {
        std::string key = trimmed(path);
        return key.substr(key.find_last_of('\\') + 1);
    }

    sim::SimRegistry& inner_;
    sim::SimJournal& journal_;
    std::optional<std::string> refusedKey_;
};

struct ExtrasMachine {
    platform::Platform platform() {
        // The simulated machine, with the registry calls also written to the journal.
        platform::Platform p = sim.platform();
        return platform::Platform{
            .files = p.files,
            .system = p.system,
            .text = p.text,
            .registry = registry,
            .network = p.network,
            .instance = p.instance,
            .dialogs = p.dialogs,
            .windows = p.windows,
            .processes = p.processes,
            .icons = p.icons,
            .clock = p.clock,
            .shell = p.shell,
            .internetCache = p.internetCache,
            .urlHistory = p.urlHistory,
            .audio = p.audio,
            .cursor = p.cursor,
            .hotkeys = p.hotkeys,
            .tray = p.tray,
            .crypto = p.crypto,
        };
    }
    std::optional<RegistryValue> policyValue() {
        return sim.registry.readValue(RegistryRoot::CurrentUser, kSystemPolicies, "DisableTaskMgr");
    }
    std::string recentFolder() const { return sim.system.specialFolders.at(platform::SpecialFolder::Recent); }

    sim::SimMachine sim;
    RecordingRegistry registry{sim.registry, sim.journal};
};

}  // namespace umbrix::extras::testing
