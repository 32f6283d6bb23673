#include "win32/Win32Crypto.hpp"

#include <windows.h>
#include <bcrypt.h>

namespace umbrix::win32 {

namespace {

bool succeeded(NTSTATUS status) { return status >= 0; }

PUCHAR bytesOf(std::string_view text) { return reinterpret_cast<PUCHAR>(const_cast<char*>(text.data())); }

class HmacSha256Provider {
public:
    HmacSha256Provider() {
        if (!succeeded(
                BCryptOpenAlgorithmProvider(&handle_, BCRYPT_SHA256_ALGORITHM, nullptr, BCRYPT_ALG_HANDLE_HMAC_FLAG)))
            handle_ = nullptr;
    }
    HmacSha256Provider(const HmacSha256Provider&) = delete;
    HmacSha256Provider& operator=(const HmacSha256Provider&) = delete;
    ~HmacSha256Provider() {
        if (handle_) BCryptCloseAlgorithmProvider(handle_, 0);
    }
    BCRYPT_ALG_HANDLE get() const { return handle_; }

private:
    BCRYPT_ALG_HANDLE handle_ = nullptr;
};

}  // namespace

std::optional<std::string> Win32Crypto::pbkdf2Sha256(std::string_view password, std::string_view salt,
                                                     std::uint32_t iterations, std::size_t length) {
    if (iterations == 0 || length == 0) return std::nullopt;
    HmacSha256Provider provider;
    if (!provider.get()) return std::nullopt;
    std::string derived(length, '\0');
    if (!succeeded(BCryptDeriveKeyPBKDF2(provider.get(), bytesOf(password), static_cast<ULONG>(password.size()),
                                         bytesOf(salt), static_cast<ULONG>(salt.size()), iterations,
                                         reinterpret_cast<PUCHAR>(derived.data()), static_cast<ULONG>(length), 0)))
        return std::nullopt;
    return derived;
}

std::optional<std::string> Win32Crypto::randomBytes(std::size_t count) {
    std::string bytes(count, '\0');
    if (!succeeded(BCryptGenRandom(nullptr, reinterpret_cast<PUCHAR>(bytes.data()), static_cast<ULONG>(count),
                                   BCRYPT_USE_SYSTEM_PREFERRED_RNG)))
        return std::nullopt;
    return bytes;
}

}  // namespace umbrix::win32
