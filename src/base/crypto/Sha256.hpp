#pragma once
// SHA-256 (FIPS 180-4), portable: the sim's key derivation and the reference the system's
// implementation is checked against.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace umbrix::crypto {

class Sha256 {
public:
    static constexpr std::size_t kDigestSize = 32;
    static constexpr std::size_t kBlockSize = 64;
    using Digest = std::array<std::uint8_t, kDigestSize>;

    Sha256();
    void update(std::string_view bytes);
    Digest finish();

    static Digest of(std::string_view bytes);

private:
    void compress(const std::uint8_t* block);

    std::array<std::uint32_t, 8> state_;
    std::array<std::uint8_t, kBlockSize> buffer_{};
    std::size_t buffered_ = 0;
    std::uint64_t length_ = 0;
};

std::string toHex(std::string_view bytes);

}  // namespace umbrix::crypto
