#pragma once
// The sim's cryptography: the portable PBKDF2 and a seeded random source, so a test can repeat
// a run byte for byte; both can be made to fail.
#include <random>

#include "platform/CryptoPort.hpp"

namespace umbrix::sim {

class SimCrypto final : public platform::CryptoPort {
public:
    std::optional<std::string> pbkdf2Sha256(std::string_view password, std::string_view salt, std::uint32_t iterations,
                                            std::size_t length) override;
    std::optional<std::string> randomBytes(std::size_t count) override;

    bool refuseDerivation = false;
    bool refuseRandom = false;
    int derivations = 0;
    std::uint64_t derivedIterations = 0;  // the work done, summed over every derivation

private:
    std::mt19937_64 random_{0x5EED};
};

}  // namespace umbrix::sim
