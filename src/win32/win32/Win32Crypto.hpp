#pragma once
#include "platform/CryptoPort.hpp"

namespace umbrix::win32 {

class Win32Crypto final : public platform::CryptoPort {
public:
    std::optional<std::string> pbkdf2Sha256(std::string_view password, std::string_view salt, std::uint32_t iterations,
                                            std::size_t length) override;
    std::optional<std::string> randomBytes(std::size_t count) override;
};

}  // namespace umbrix::win32
