#pragma once
// Handling of password text and digests in memory.
#include <string>
#include <string_view>

namespace umbrix::password {

// Overwrites the characters before emptying the string, so a typed password does not linger in
// the freed buffer. Best effort: copies made by the system's controls are not reached.
inline void wipe(std::string& secret) {
    volatile char* bytes = secret.data();
    for (std::size_t i = 0; i < secret.size(); ++i) bytes[i] = 0;
    secret.clear();
}

// Equal bytes, in a time that depends on the lengths only, not on where the first difference is.
inline bool constantTimeEquals(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    unsigned char difference = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        difference |= static_cast<unsigned char>(static_cast<unsigned char>(a[i]) ^ static_cast<unsigned char>(b[i]));
    return difference == 0;
}

}  // namespace umbrix::password
