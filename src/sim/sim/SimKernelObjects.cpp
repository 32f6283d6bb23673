#include "sim/SimKernelObjects.hpp"

namespace umbrix::sim {

using platform::InstanceClaim;

int SimKernelObjects::openHandles(const std::string& name) const {
    auto it = objects_.find(name);
    return it == objects_.end() ? 0 : it->second.handles;
}

std::optional<int> SimKernelObjects::mutexOwner(const std::string& name) const {
    auto it = objects_.find(name);
    if (it == objects_.end() || it->second.kind != Kind::Mutex) return std::nullopt;
    return it->second.owner;
}

void SimKernelObjects::createForeignEvent(const std::string& name) {
    auto& object = objects_[name];
    if (object.handles == 0) object.kind = Kind::Event;
    ++object.handles;
}

void SimKernelObjects::closeForeignEvent(const std::string& name) {
    auto it = objects_.find(name);
    if (it != objects_.end() && it->second.kind == Kind::Event && --it->second.handles == 0) objects_.erase(it);
}

InstanceClaim SimInstance::claimInstance(std::string_view nameView) {
    std::string name(nameView);
    auto it = kernel_.objects_.find(name);
    if (it != kernel_.objects_.end()) {
        // ERROR_INVALID_HANDLE for another kind of object; ERROR_ALREADY_EXISTS for a mutex,
        // whose extra handle the port closes at once.
        bool mutex = it->second.kind == SimKernelObjects::Kind::Mutex;
        journal_.add("CreateMutexW " + name + (mutex ? " -> already exists" : " -> invalid handle"));
        return mutex ? InstanceClaim::AlreadyRunning : InstanceClaim::Unavailable;
    }
    kernel_.objects_[name] = {SimKernelObjects::Kind::Mutex, 1, processId_};
    held_ = name;
    journal_.add("CreateMutexW " + name + " -> owned");
    return InstanceClaim::Owned;
}

bool SimInstance::releaseInstanceOwnership() {
    if (!held_) return false;
    auto& object = kernel_.objects_.at(*held_);
    if (object.owner != processId_) return false;
    object.owner.reset();
    journal_.add("ReleaseMutex " + *held_);
    return true;
}

void SimInstance::endProcess() {
    if (!held_) return;
    auto it = kernel_.objects_.find(*held_);
    if (it != kernel_.objects_.end()) {
        if (it->second.owner == processId_) it->second.owner.reset();  // abandoned
        if (--it->second.handles == 0) kernel_.objects_.erase(it);
    }
    held_.reset();
}

}  // namespace umbrix::sim
