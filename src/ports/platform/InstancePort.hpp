#pragma once
// The named mutex through which only one instance of the program runs at a time.
#include <string_view>

namespace umbrix::platform {

enum class InstanceClaim {
    Owned,  // the mutex was created by this process and is owned by it
    AlreadyRunning,  // another process holds the name: another instance is running
    Unavailable,  // the name cannot be used (another kind of object has it, or no resources)
};

class InstancePort {
public:
    InstancePort() = default;
    InstancePort(const InstancePort&) = delete;
    InstancePort& operator=(const InstancePort&) = delete;
    virtual ~InstancePort() = default;

    // CreateMutexW(NULL, TRUE, name) in one step, so two starts at the same moment cannot both
    // win: GetLastError() == ERROR_ALREADY_EXISTS (or ERROR_ACCESS_DENIED: the mutex exists under
    // other rights) means AlreadyRunning, and the extra handle is closed at once. An owned handle
    // stays open until the process ends, so the name exists exactly as long as this instance.
    virtual InstanceClaim claimInstance(std::string_view name) = 0;

    // ReleaseMutex on the owned mutex; the handle, and with it the name, stays. False when this
    // process owns no instance mutex.
    virtual bool releaseInstanceOwnership() = 0;
};

}  // namespace umbrix::platform
