#include "password/PasswordHash.hpp"

#include "password/Secrets.hpp"
#include "crypto/Sha256.hpp"

namespace umbrix::password {

namespace {

constexpr std::string_view kScheme = "pbkdf2-sha256";

std::optional<std::string> fromHex(std::string_view hex) {
    if (hex.size() % 2 != 0) return std::nullopt;
    auto digit = [](char c) -> int {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    };
    std::string bytes;
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        int high = digit(hex[i]), low = digit(hex[i + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        bytes += static_cast<char>(high * 16 + low);
    }
    return bytes;
}

std::optional<std::uint32_t> fromDecimal(std::string_view text) {
    if (text.empty() || text.size() > 10) return std::nullopt;
    std::uint64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    }
    if (value > 0xFFFFFFFFull) return std::nullopt;
    return static_cast<std::uint32_t>(value);
}

}  // namespace

std::string encodePasswordHash(const PasswordHash& hash) {
    return std::string(kScheme) + "$" + std::to_string(hash.iterations) + "$" + crypto::toHex(hash.salt) + "$" +
           crypto::toHex(hash.hash);
}

std::optional<PasswordHash> parsePasswordHash(std::string_view text) {
    std::string_view fields[4];
    for (int i = 0; i < 3; ++i) {
        auto separator = text.find('$');
        if (separator == std::string_view::npos) return std::nullopt;
        fields[i] = text.substr(0, separator);
        text.remove_prefix(separator + 1);
    }
    fields[3] = text;
    if (fields[0] != kScheme) return std::nullopt;
    auto iterations = fromDecimal(fields[1]);
    auto salt = fromHex(fields[2]);
    auto hash = fromHex(fields[3]);
    if (!iterations || *iterations == 0 || *iterations > kMaxIterations) return std::nullopt;
    if (!salt || salt->empty() || !hash || hash->size() != kHashSize) return std::nullopt;
    return PasswordHash{*iterations, std::move(*salt), std::move(*hash)};
}

std::optional<PasswordHash> hashPassword(platform::CryptoPort& crypto, std::string_view password,
                                         std::uint32_t iterations) {
    auto salt = crypto.randomBytes(kSaltSize);
    if (!salt || salt->size() != kSaltSize) return std::nullopt;
    auto hash = crypto.pbkdf2Sha256(password, *salt, iterations, kHashSize);
    if (!hash || hash->size() != kHashSize) return std::nullopt;
    return PasswordHash{iterations, std::move(*salt), std::move(*hash)};
}

bool matchesPasswordHash(platform::CryptoPort& crypto, const PasswordHash& hash, std::string_view candidate) {
    auto derived = crypto.pbkdf2Sha256(candidate, hash.salt, hash.iterations, kHashSize);
    if (!derived) return false;
    bool same = constantTimeEquals(*derived, hash.hash);
    wipe(*derived);
    return same;
}

}  // namespace umbrix::password
