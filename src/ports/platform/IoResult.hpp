#pragma once
// Outcome of a port operation that can fail: ok, or the system's error code.
#include <cstdint>

namespace umbrix::platform {

struct IoResult {
    std::uint32_t error = 0;  // 0 on success, otherwise the Win32 error code (GetLastError)

    static IoResult success() { return {}; }
    static IoResult failure(std::uint32_t code) { return {code == 0 ? 1u : code}; }
    bool ok() const { return error == 0; }
    explicit operator bool() const { return ok(); }
};

// Win32 error codes the core and the sim speak of.
namespace errors {
inline constexpr std::uint32_t kFileNotFound = 2;  // ERROR_FILE_NOT_FOUND
inline constexpr std::uint32_t kPathNotFound = 3;  // ERROR_PATH_NOT_FOUND
inline constexpr std::uint32_t kAccessDenied = 5;  // ERROR_ACCESS_DENIED
inline constexpr std::uint32_t kWriteFault = 29;  // ERROR_WRITE_FAULT
inline constexpr std::uint32_t kSharingViolation = 32;  // ERROR_SHARING_VIOLATION
inline constexpr std::uint32_t kDiskFull = 112;  // ERROR_DISK_FULL
inline constexpr std::uint32_t kAlreadyExists = 183;  // ERROR_ALREADY_EXISTS
}  // namespace errors

}  // namespace umbrix::platform
