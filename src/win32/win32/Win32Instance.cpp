#include "win32/Win32Instance.hpp"

#include <windows.h>

#include "win32/Utf16.hpp"

namespace umbrix::win32 {

using platform::InstanceClaim;

InstanceClaim Win32Instance::claimInstance(std::string_view name) {
    // Create and test in one call: opening first and creating after would let two starts at
    // the same moment both find no mutex and both run.
    UniqueHandle handle(CreateMutexW(nullptr, TRUE, widen(name).c_str()));
    DWORD error = GetLastError();
    if (handle && error == ERROR_ALREADY_EXISTS) return InstanceClaim::AlreadyRunning;
    if (!handle) return error == ERROR_ACCESS_DENIED ? InstanceClaim::AlreadyRunning : InstanceClaim::Unavailable;
    mutex_ = std::move(handle);
    owned_ = true;
    return InstanceClaim::Owned;
}

bool Win32Instance::releaseInstanceOwnership() {
    if (!mutex_ || !owned_) return false;
    owned_ = false;
    return ReleaseMutex(mutex_.get()) != 0;
}

}  // namespace umbrix::win32
