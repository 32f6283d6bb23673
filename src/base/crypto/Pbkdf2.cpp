#include "crypto/Pbkdf2.hpp"

#include <algorithm>
#include <array>

#include "crypto/Sha256.hpp"

namespace umbrix::crypto {

namespace {

std::string_view asText(const Sha256::Digest& digest) {
    return {reinterpret_cast<const char*>(digest.data()), digest.size()};
}

// The keyed inner and outer states, prepared once: PBKDF2 runs HMAC hundreds of thousands of
// times with the same key.
class Hmac {
public:
    explicit Hmac(std::string_view key) {
        std::array<char, Sha256::kBlockSize> block{};
        if (key.size() > Sha256::kBlockSize) {
            auto digest = Sha256::of(key);
            std::copy(digest.begin(), digest.end(), block.begin());
        } else {
            std::copy(key.begin(), key.end(), block.begin());
        }
        std::array<char, Sha256::kBlockSize> pad;
        for (std::size_t i = 0; i < pad.size(); ++i) pad[i] = static_cast<char>(block[i] ^ 0x36);
        inner_.update({pad.data(), pad.size()});
        for (std::size_t i = 0; i < pad.size(); ++i) pad[i] = static_cast<char>(block[i] ^ 0x5c);
        outer_.update({pad.data(), pad.size()});
    }

    Sha256::Digest of(std::string_view message) const {
        Sha256 inner = inner_;
        inner.update(message);
        auto innerDigest = inner.finish();
        Sha256 outer = outer_;
        outer.update(asText(innerDigest));
        return outer.finish();
    }

private:
    Sha256 inner_;
    Sha256 outer_;
};

}  // namespace

std::string hmacSha256(std::string_view key, std::string_view message) {
    return std::string(asText(Hmac(key).of(message)));
}

std::string pbkdf2HmacSha256(std::string_view password, std::string_view salt, std::uint32_t iterations,
                             std::size_t length) {
    const Hmac prf(password);
    std::string derived;
    derived.reserve(length);
    for (std::uint32_t blockIndex = 1; derived.size() < length; ++blockIndex) {
        std::string first(salt);
        for (int shift = 24; shift >= 0; shift -= 8) first += static_cast<char>((blockIndex >> shift) & 0xFF);
        Sha256::Digest u = prf.of(first);
        Sha256::Digest t = u;
        for (std::uint32_t i = 1; i < iterations; ++i) {
            u = prf.of(asText(u));
            for (std::size_t j = 0; j < t.size(); ++j) t[j] ^= u[j];
        }
        derived.append(asText(t).substr(0, std::min(t.size(), length - derived.size())));
    }
    return derived;
}

}  // namespace umbrix::crypto
