#pragma once
// Named kernel objects of the simulated session, shared by every simulated process, and the
// instance mutex of one process. Names are case-sensitive, as in Windows.
#include <map>
#include <optional>
#include <string>

#include "platform/InstancePort.hpp"
#include "sim/SimJournal.hpp"

namespace umbrix::sim {

class SimKernelObjects {
public:
    enum class Kind { Mutex, Event };

    bool exists(const std::string& name) const { return objects_.count(name) != 0; }
    int openHandles(const std::string& name) const;
    // The process that owns the mutex, if any.
    std::optional<int> mutexOwner(const std::string& name) const;

    // Another program's object under `name` (CreateEventW), holding one handle until closed.
    void createForeignEvent(const std::string& name);
    void closeForeignEvent(const std::string& name);

private:
    friend class SimInstance;
    struct Object {
        Kind kind = Kind::Mutex;
        int handles = 0;
        std::optional<int> owner;
    };
    std::map<std::string, Object> objects_;
};

// The instance mutex as one process sees it. Ending the process (or destroying this object)
// closes its handle, as Windows does when a process exits.
class SimInstance final : public platform::InstancePort {
public:
    SimInstance(SimKernelObjects& kernel, SimJournal& journal, int processId = 1)
        : kernel_(kernel), journal_(journal), processId_(processId) {}
    ~SimInstance() override { endProcess(); }

    platform::InstanceClaim claimInstance(std::string_view name) override;
    bool releaseInstanceOwnership() override;

    void endProcess();
    int processId() const { return processId_; }

private:
    SimKernelObjects& kernel_;
    SimJournal& journal_;
    int processId_;
    std::optional<std::string> held_;
};

}  // namespace umbrix::sim
