#include <gtest/gtest.h>

#include "ContractEnvironment.hpp"
#include "password/PasswordStore.hpp"
#include "password/UnhidePassword.hpp"

namespace umbrix::contract {
namespace {

using password::PasswordSaveResult;
using password::PasswordStore;
using platform::RegistryRoot;
using platform::RegistryValue;

constexpr std::uint32_t kCheapIterations = 10;

// The program's store under a scratch base key, so a run never touches the user's password.
class PasswordStoreContract : public ::testing::Test {
protected:
    ~PasswordStoreContract() override {
        for (const std::string& key : {passwordKey, hintKey}) {
            for (const auto& name : registry.valueNames(RegistryRoot::CurrentUser, key))
                (void)registry.deleteValue(RegistryRoot::CurrentUser, key, name);
            (void)registry.deleteKey(RegistryRoot::CurrentUser, key);
        }
        (void)registry.deleteKey(RegistryRoot::CurrentUser, base);
    }
    bool startAndVerify(std::string_view candidate) {
        PasswordStore fresh(registry, crypto, base, kCheapIterations);
        password::UnhidePassword current(crypto);
        current.replace(fresh.readPassword());
        return current.verify(candidate);
    }

    std::unique_ptr<ContractEnvironment> env = makeEnvironment();
    platform::RegistryPort& registry = env->platform().registry;
    platform::CryptoPort& crypto = env->platform().crypto;
    std::string base = env->scratchRegistryKey();
    std::string passwordKey = base + "\\QVAcc";
    std::string hintKey = base + "\\QVAccHelp";
    PasswordStore store{registry, crypto, base, kCheapIterations};
};

TEST_F(PasswordStoreContract, APasswordAndItsHintSurviveARestartWithoutThePasswordInTheRegistry) {
    EXPECT_EQ(store.readPassword(), std::nullopt);
    EXPECT_EQ(store.readHint(), std::nullopt);
    ASSERT_EQ(store.writePassword("S\xC3\xA9same ouvre-toi", "a caf\xC3\xA9 hint").result, PasswordSaveResult::Saved);
    EXPECT_TRUE(startAndVerify("S\xC3\xA9same ouvre-toi"));
    EXPECT_FALSE(startAndVerify("s\xC3\xA9same ouvre-toi"));
    EXPECT_EQ(store.readHint(), std::string("a caf\xC3\xA9 hint"));
    for (const auto& name : registry.valueNames(RegistryRoot::CurrentUser, passwordKey)) {
        auto stored = registry.readValue(RegistryRoot::CurrentUser, passwordKey, name);
        ASSERT_TRUE(stored);
        EXPECT_EQ(stored->text.find("ouvre"), std::string::npos) << name;
    }
}

TEST_F(PasswordStoreContract, APlainPasswordIsMigratedToItsHash) {
    ASSERT_TRUE(registry.writeValue(RegistryRoot::CurrentUser, passwordKey, "Key", RegistryValue::ofString("Plain 1")));
    EXPECT_TRUE(startAndVerify("Plain 1"));
    EXPECT_EQ(registry.readValue(RegistryRoot::CurrentUser, passwordKey, "Key"), std::nullopt);
    auto hash = registry.readValue(RegistryRoot::CurrentUser, passwordKey, "KeyHash");
    ASSERT_TRUE(hash);
    EXPECT_EQ(hash->text.rfind("pbkdf2-sha256$10$", 0), 0u);
    EXPECT_TRUE(startAndVerify("Plain 1"));
}

TEST_F(PasswordStoreContract, AMissingHintReadsAsNotDefined) {
    ASSERT_TRUE(registry.createKey(RegistryRoot::CurrentUser, base));
    EXPECT_EQ(store.readHint(), std::string("Your password hint is not defined"));
}

}  // namespace
}  // namespace umbrix::contract
