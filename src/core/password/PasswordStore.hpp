#pragma once
// Where the unhide password and its hint live: under the current user's registry, base key
// "SOFTWARE\Microsoft\Windows\CurrentVersion\LogoAcc", the password as a salted hash in value
// "KeyHash" of subkey "QVAcc" and the hint as plain text in value "Hint" of subkey "QVAccHelp".
//
// Earlier versions kept the password itself in value "Key" of "QVAcc". Such a value is the
// newest password whenever it is found (this version deletes it once its hash is safely
// stored), so reading migrates it: write the hash, read it back, then delete the plain value.
// A failure at any step leaves the plain value in place for the next start, and the password
// keeps working meanwhile.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "password/PasswordHash.hpp"
#include "platform/CryptoPort.hpp"
#include "platform/RegistryPort.hpp"

namespace umbrix::password {

inline constexpr std::string_view kPasswordBaseKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\LogoAcc";
inline constexpr std::string_view kPasswordSection = "QVAcc";
inline constexpr std::string_view kPlainPasswordValue = "Key";
inline constexpr std::string_view kPasswordHashValue = "KeyHash";
inline constexpr std::string_view kHintSection = "QVAccHelp";
inline constexpr std::string_view kHintValue = "Hint";
inline constexpr std::string_view kUndefinedHint = "Your password hint is not defined";

enum class PasswordSaveResult {
    Saved,
    NotRecorded,  // nothing changed: the earlier password stays
    HintNotRecorded,  // the password is changed; the hint kept its earlier value
};

struct PasswordSave {
    PasswordSaveResult result = PasswordSaveResult::NotRecorded;
    std::optional<PasswordHash> hash;  // the new password's hash unless NotRecorded
};

class PasswordStore {
public:
    // `baseKey` under HKEY_CURRENT_USER; new passwords are hashed with `iterations`.
    PasswordStore(platform::RegistryPort& registry, platform::CryptoPort& crypto,
                  std::string baseKey = std::string(kPasswordBaseKey), std::uint32_t iterations = kDefaultIterations);

    // The stored password at start-up, migrating a plain value. nullopt means none is set:
    // the base key or the value is missing, or what is stored cannot be used.
    std::optional<PasswordHash> readPassword();

    // A new password and hint. The base key is created when it is missing.
    PasswordSave writePassword(std::string_view password, std::string_view hint);

    // The hint: nullopt when the base key cannot be opened; kUndefinedHint when the hint is missing.
    std::optional<std::string> readHint();

    const std::string& baseKey() const { return baseKey_; }
    std::uint32_t iterations() const { return iterations_; }

private:
    std::optional<PasswordHash> migratePlainPassword(std::string& plain);
    std::string passwordKey() const { return baseKey_ + "\\" + std::string(kPasswordSection); }
    std::string hintKey() const { return baseKey_ + "\\" + std::string(kHintSection); }
    bool hasPlainPassword();

    platform::RegistryPort& registry_;
    platform::CryptoPort& crypto_;
    std::string baseKey_;
    std::uint32_t iterations_;
};

}  // namespace umbrix::password
