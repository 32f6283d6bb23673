#include "sim/SimCrypto.hpp"

#include "crypto/Pbkdf2.hpp"

namespace umbrix::sim {

std::optional<std::string> SimCrypto::pbkdf2Sha256(std::string_view password, std::string_view salt,
                                                   std::uint32_t iterations, std::size_t length) {
    // A zero iteration count or an empty output derives nothing; the program never asks for either.
    if (refuseDerivation || iterations == 0 || length == 0) return std::nullopt;
    ++derivations;
    derivedIterations += iterations;
    return crypto::pbkdf2HmacSha256(password, salt, iterations, length);
}

std::optional<std::string> SimCrypto::randomBytes(std::size_t count) {
    if (refuseRandom) return std::nullopt;
    std::string bytes(count, '\0');
    for (char& byte : bytes) byte = static_cast<char>(random_() & 0xFF);
    return bytes;
}

}  // namespace umbrix::sim
