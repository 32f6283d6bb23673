#pragma once
// A stored password: PBKDF2-HMAC-SHA256 of its UTF-8 bytes with a random salt, kept with its
// iteration count so the count can rise for new passwords while old hashes still verify.
// Stored form: "pbkdf2-sha256$<iterations>$<salt in hex>$<hash in hex>".
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/CryptoPort.hpp"

namespace umbrix::password {

inline constexpr std::uint32_t kDefaultIterations = 600000;
// A higher count read back is refused: checking a password would freeze the program for minutes.
inline constexpr std::uint32_t kMaxIterations = 10000000;
inline constexpr std::size_t kSaltSize = 16;
inline constexpr std::size_t kHashSize = 32;

struct PasswordHash {
    std::uint32_t iterations = 0;
    std::string salt;  // bytes
    std::string hash;  // kHashSize bytes
    friend bool operator==(const PasswordHash&, const PasswordHash&) = default;
};

std::string encodePasswordHash(const PasswordHash& hash);
// nullopt for anything but a well-formed record with 1 to kMaxIterations iterations.
std::optional<PasswordHash> parsePasswordHash(std::string_view text);

// A new hash with a fresh salt; nullopt when the system's cryptography refuses.
std::optional<PasswordHash> hashPassword(platform::CryptoPort& crypto, std::string_view password,
                                         std::uint32_t iterations);
// Whether the candidate is the password: exact bytes, compared in constant time.
bool matchesPasswordHash(platform::CryptoPort& crypto, const PasswordHash& hash, std::string_view candidate);

}  // namespace umbrix::password
