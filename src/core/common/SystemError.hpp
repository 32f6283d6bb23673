#pragma once
// An error the system gave: a refused file write, registry change or device call. Carries the
// Win32 error code (or HRESULT) of the refused step, so that whoever drops it can still tell
// what Windows said.
#include <cstdint>
#include <stdexcept>
#include <string>

namespace umbrix {

class SystemError : public std::runtime_error {
public:
    SystemError(const std::string& what, std::uint32_t code) : std::runtime_error(what), code_(code) {}
    // The Win32 error code or HRESULT of the refused step; 0 when the system gave none.
    std::uint32_t code() const { return code_; }

private:
    std::uint32_t code_;
};

}  // namespace umbrix
