#include "password/PasswordStore.hpp"

#include "password/Secrets.hpp"

namespace umbrix::password {

using platform::RegistryRoot;
using platform::RegistryType;
using platform::RegistryValue;

namespace {
constexpr RegistryRoot kRoot = RegistryRoot::CurrentUser;
}  // namespace

PasswordStore::PasswordStore(platform::RegistryPort& registry, platform::CryptoPort& crypto, std::string baseKey,
                             std::uint32_t iterations)
    : registry_(registry), crypto_(crypto), baseKey_(std::move(baseKey)), iterations_(iterations) {}

bool PasswordStore::hasPlainPassword() {
    auto plain = registry_.readValue(kRoot, passwordKey(), kPlainPasswordValue);
    bool found = plain && plain->type == RegistryType::String;
    if (plain) wipe(plain->text);
    return found;
}

std::optional<PasswordHash> PasswordStore::migratePlainPassword(std::string& plain) {
    auto hash = hashPassword(crypto_, plain, iterations_);
    wipe(plain);
    // Without a hash the plain value stays for the next start; nothing here can check it.
    if (!hash) return std::nullopt;
    const RegistryValue stored = RegistryValue::ofString(encodePasswordHash(*hash));
    if (registry_.writeValue(kRoot, passwordKey(), kPasswordHashValue, stored) &&
        registry_.readValue(kRoot, passwordKey(), kPasswordHashValue) == stored) {
        // Should the delete fail, the next start migrates the same value again.
        (void)registry_.deleteValue(kRoot, passwordKey(), kPlainPasswordValue);
    }
    return hash;
}

std::optional<PasswordHash> PasswordStore::readPassword() {
    if (!registry_.keyExists(kRoot, baseKey_)) return std::nullopt;
    if (auto plain = registry_.readValue(kRoot, passwordKey(), kPlainPasswordValue);
        plain && plain->type == RegistryType::String) {
        if (!plain->text.empty()) return migratePlainPassword(plain->text);
        // An empty plain value meant "no password"; it holds no secret, so a failed delete
        // only leaves it to be deleted next time.
        (void)registry_.deleteValue(kRoot, passwordKey(), kPlainPasswordValue);
    }
    auto stored = registry_.readValue(kRoot, passwordKey(), kPasswordHashValue);
    if (!stored || stored->type != RegistryType::String) return std::nullopt;
    // A damaged record counts as no password rather than as one nobody can type: the user can
    // then set a new one, and the windows still come back.
    return parsePasswordHash(stored->text);
}

PasswordSave PasswordStore::writePassword(std::string_view password, std::string_view hint) {
    if (!registry_.keyExists(kRoot, baseKey_) && !registry_.createKey(kRoot, baseKey_)) return {};
    auto hash = hashPassword(crypto_, password, iterations_);
    if (!hash) return {};
    if (!registry_.writeValue(kRoot, passwordKey(), kPasswordHashValue,
                              RegistryValue::ofString(encodePasswordHash(*hash))))
        return {};
    // A plain value is only left by a start-up that could not finish its migration. It would
    // win at the next start, so the new password counts as saved only once it is gone.
    if (hasPlainPassword() && !registry_.deleteValue(kRoot, passwordKey(), kPlainPasswordValue)) return {};
    if (!registry_.writeValue(kRoot, hintKey(), kHintValue, RegistryValue::ofString(std::string(hint))))
        return {PasswordSaveResult::HintNotRecorded, hash};
    return {PasswordSaveResult::Saved, hash};
}

std::optional<std::string> PasswordStore::readHint() {
    if (!registry_.keyExists(kRoot, baseKey_)) return std::nullopt;
    auto hint = registry_.readValue(kRoot, hintKey(), kHintValue);
    if (hint && hint->type == RegistryType::String) return hint->text;
    return std::string(kUndefinedHint);
}

}  // namespace umbrix::password
