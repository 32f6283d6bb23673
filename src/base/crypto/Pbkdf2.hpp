#pragma once
// HMAC-SHA256 (RFC 2104) and PBKDF2-HMAC-SHA256 (RFC 8018), portable. The program derives keys
// through the crypto port; this is the sim's implementation and the reference for the system's.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace umbrix::crypto {

std::string hmacSha256(std::string_view key, std::string_view message);

std::string pbkdf2HmacSha256(std::string_view password, std::string_view salt, std::uint32_t iterations,
                             std::size_t length);

}  // namespace umbrix::crypto
