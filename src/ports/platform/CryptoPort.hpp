#pragma once
// The system's cryptography: key derivation for stored passwords and random salts.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace umbrix::platform {

class CryptoPort {
public:
    CryptoPort() = default;
    CryptoPort(const CryptoPort&) = delete;
    CryptoPort& operator=(const CryptoPort&) = delete;
    virtual ~CryptoPort() = default;

    // BCryptOpenAlgorithmProvider(BCRYPT_SHA256_ALGORITHM, BCRYPT_ALG_HANDLE_HMAC_FLAG) +
    // BCryptDeriveKeyPBKDF2: PBKDF2-HMAC-SHA256 of the password bytes; nullopt when the
    // system refuses.
    virtual std::optional<std::string> pbkdf2Sha256(std::string_view password, std::string_view salt,
                                                    std::uint32_t iterations, std::size_t length) = 0;

    // BCryptGenRandom(BCRYPT_USE_SYSTEM_PREFERRED_RNG); nullopt when the system refuses.
    virtual std::optional<std::string> randomBytes(std::size_t count) = 0;
};

}  // namespace umbrix::platform
