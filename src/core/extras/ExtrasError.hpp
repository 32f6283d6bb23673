#pragma once
// A failure that ends a run of the activation extras: the later steps of that run do not
// happen. Whoever runs the extras owns it (the program-wide handler discards it unseen).
#include <cstdint>
#include <stdexcept>
#include <string>

namespace umbrix::extras {

class ExtrasError : public std::runtime_error {
public:
    ExtrasError(const std::string& what, std::uint32_t code) : std::runtime_error(what), code_(code) {}
    // The Win32 error code or HRESULT of the failed call; 0 when the system gave none.
    std::uint32_t code() const { return code_; }

private:
    std::uint32_t code_;
};

}  // namespace umbrix::extras
