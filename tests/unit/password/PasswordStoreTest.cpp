#include <gtest/gtest.h>

#include "FaultyRegistry.hpp"
#include "password/PasswordStore.hpp"
#include "password/UnhidePassword.hpp"
#include "sim/SimMachine.hpp"

namespace umbrix::password {
namespace {

using platform::RegistryRoot;
using platform::RegistryValue;

const std::string kBase(kPasswordBaseKey);
const std::string kPasswordKey = kBase + "\\QVAcc";
const std::string kHintKey = kBase + "\\QVAccHelp";
constexpr std::uint32_t kCheapIterations = 5;  // real hashes take 600000; tests need no such cost

class PasswordStoreTest : public ::testing::Test {
protected:
    // What the program knows after a start on the registry as it is.
    bool startAndVerify(std::string_view candidate) {
        PasswordStore store(machine.registry, machine.crypto, kBase, kCheapIterations);
        UnhidePassword current(machine.crypto);
        current.replace(store.readPassword());
        return current.verify(candidate);
    }
    std::optional<RegistryValue> value(const std::string& key, const char* name) {
        return machine.registry.readValue(RegistryRoot::CurrentUser, key, name);
    }
    void writePlain(const std::string& password) {
        ASSERT_TRUE(machine.registry.writeValue(RegistryRoot::CurrentUser, kPasswordKey, "Key",
                                                RegistryValue::ofString(password)));
    }

    sim::SimMachine machine;
    PasswordStore store{machine.registry, machine.crypto, kBase, kCheapIterations};
};

TEST_F(PasswordStoreTest, APasswordIsStoredAsASaltedHashWithItsIterationsAndTheHintAsText) {
    auto saved = store.writePassword("Secret 1", "my hint");
    ASSERT_EQ(saved.result, PasswordSaveResult::Saved);
    auto stored = value(kPasswordKey, "KeyHash");
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->type, platform::RegistryType::String);
    EXPECT_EQ(parsePasswordHash(stored->text), saved.hash);
    EXPECT_EQ(stored->text.rfind("pbkdf2-sha256$5$", 0), 0u);
    EXPECT_EQ(stored->text.find("Secret"), std::string::npos);
    EXPECT_EQ(value(kPasswordKey, "Key"), std::nullopt);
    EXPECT_EQ(value(kHintKey, "Hint"), RegistryValue::ofString("my hint"));

    EXPECT_TRUE(startAndVerify("Secret 1"));
    EXPECT_FALSE(startAndVerify("secret 1"));
    EXPECT_FALSE(startAndVerify(""));
}

TEST_F(PasswordStoreTest, NewPasswordsTakeSixHundredThousandIterationsByDefault) {
    PasswordStore real(machine.registry, machine.crypto);
    ASSERT_EQ(real.writePassword("Secret", "").result, PasswordSaveResult::Saved);
    auto stored =
        machine.registry.readValue(RegistryRoot::CurrentUser, std::string(kPasswordBaseKey) + "\\QVAcc", "KeyHash");
    ASSERT_TRUE(stored);
    EXPECT_EQ(parsePasswordHash(stored->text)->iterations, 600000u);
}

TEST_F(PasswordStoreTest, WithoutTheBaseKeyThereIsNoPasswordAndNoHint) {
    EXPECT_EQ(store.readPassword(), std::nullopt);
    EXPECT_EQ(store.readHint(), std::nullopt);
    ASSERT_TRUE(machine.registry.createKey(RegistryRoot::CurrentUser, kBase));
    EXPECT_EQ(store.readPassword(), std::nullopt);
    EXPECT_EQ(store.readHint(), std::string("Your password hint is not defined"));
    ASSERT_EQ(store.writePassword("x", "").result, PasswordSaveResult::Saved);
    EXPECT_EQ(store.readHint(), std::string(""));
}

TEST_F(PasswordStoreTest, APlainPasswordFoundAtStartUpIsReplacedByItsHash) {
    writePlain("Old plain");
    auto hash = store.readPassword();
    ASSERT_TRUE(hash);
    EXPECT_EQ(value(kPasswordKey, "Key"), std::nullopt);
    EXPECT_EQ(parsePasswordHash(value(kPasswordKey, "KeyHash")->text), hash);
    EXPECT_TRUE(startAndVerify("Old plain"));
}

struct MigrationFault {
    const char* name;
    std::set<std::string> refuseWrites, refuseDeletes, garbleWrites;
};

class MigrationInterrupted : public PasswordStoreTest, public ::testing::WithParamInterface<MigrationFault> {};

TEST_P(MigrationInterrupted, NeverLosesThePassword) {
    writePlain("Old plain");
    FaultyRegistry faulty(machine.registry);
    faulty.refuseWrites = GetParam().refuseWrites;
    faulty.refuseDeletes = GetParam().refuseDeletes;
    faulty.garbleWrites = GetParam().garbleWrites;
    {
        PasswordStore failing(faulty, machine.crypto, kBase, kCheapIterations);
        UnhidePassword current(machine.crypto);
        current.replace(failing.readPassword());
        EXPECT_TRUE(current.verify("Old plain"));  // works for this run
        EXPECT_FALSE(current.verify("Old"));
    }
    // The plain value waits for the next start, which finishes the job.
    EXPECT_EQ(value(kPasswordKey, "Key"), RegistryValue::ofString("Old plain"));
    EXPECT_TRUE(startAndVerify("Old plain"));
    EXPECT_EQ(value(kPasswordKey, "Key"), std::nullopt);
    EXPECT_TRUE(startAndVerify("Old plain"));
}

INSTANTIATE_TEST_SUITE_P(PasswordStore, MigrationInterrupted,
                         ::testing::Values(MigrationFault{"HashNotWritten", {"KeyHash"}, {}, {}},
                                           MigrationFault{"HashReadBackWrong", {}, {}, {"KeyHash"}},
                                           MigrationFault{"PlainNotDeleted", {}, {"Key"}, {}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PasswordStoreTest, AMigrationWithoutCryptographyLeavesThePlainValueForTheNextStart) {
    writePlain("Old plain");
    machine.crypto.refuseDerivation = true;
    EXPECT_EQ(store.readPassword(), std::nullopt);
    machine.crypto.refuseDerivation = false;
    EXPECT_EQ(value(kPasswordKey, "Key"), RegistryValue::ofString("Old plain"));
    EXPECT_TRUE(startAndVerify("Old plain"));
}

TEST_F(PasswordStoreTest, AnEmptyPlainValueMeantNoPasswordAndGoes) {
    writePlain("");
    EXPECT_EQ(store.readPassword(), std::nullopt);
    EXPECT_EQ(value(kPasswordKey, "Key"), std::nullopt);
}

TEST_F(PasswordStoreTest, APlainValueLeftByAnEarlierStartIsDeletedWhenANewPasswordIsSaved) {
    writePlain("Old plain");
    FaultyRegistry faulty(machine.registry);
    faulty.refuseDeletes = {"Key"};
    PasswordStore stuck(faulty, machine.crypto, kBase, kCheapIterations);
    ASSERT_TRUE(stuck.readPassword());
    // While the plain value cannot go, a new password would be undone at the next start.
    EXPECT_EQ(stuck.writePassword("New", "").result, PasswordSaveResult::NotRecorded);
    EXPECT_TRUE(startAndVerify("Old plain"));

    PasswordStore healthy(machine.registry, machine.crypto, kBase, kCheapIterations);
    writePlain("Old plain");
    EXPECT_EQ(healthy.writePassword("New", "").result, PasswordSaveResult::Saved);
    EXPECT_EQ(value(kPasswordKey, "Key"), std::nullopt);
    EXPECT_TRUE(startAndVerify("New"));
}

TEST_F(PasswordStoreTest, ARefusedSaveChangesNothing) {
    ASSERT_EQ(store.writePassword("First", "first hint").result, PasswordSaveResult::Saved);
    machine.registry.lockKey(RegistryRoot::CurrentUser, kBase);
    auto saved = store.writePassword("Second", "second hint");
    EXPECT_EQ(saved.result, PasswordSaveResult::NotRecorded);
    EXPECT_EQ(saved.hash, std::nullopt);
    EXPECT_TRUE(startAndVerify("First"));
    EXPECT_EQ(store.readHint(), std::string("first hint"));
}

TEST_F(PasswordStoreTest, ABaseKeyThatCannotBeCreatedRecordsNothing) {
    machine.registry.lockKey(RegistryRoot::CurrentUser, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion");
    EXPECT_EQ(store.writePassword("First", "").result, PasswordSaveResult::NotRecorded);
    EXPECT_FALSE(machine.registry.keyExists(RegistryRoot::CurrentUser, kBase));
}

TEST_F(PasswordStoreTest, ARefusedHintLeavesTheNewPasswordInPlace) {
    ASSERT_EQ(store.writePassword("First", "first hint").result, PasswordSaveResult::Saved);
    FaultyRegistry faulty(machine.registry);
    faulty.refuseWrites = {"Hint"};
    PasswordStore noHint(faulty, machine.crypto, kBase, kCheapIterations);
    auto saved = noHint.writePassword("Second", "second hint");
    EXPECT_EQ(saved.result, PasswordSaveResult::HintNotRecorded);
    ASSERT_TRUE(saved.hash);
    EXPECT_TRUE(startAndVerify("Second"));
    EXPECT_EQ(store.readHint(), std::string("first hint"));
}

TEST_F(PasswordStoreTest, ADamagedHashCountsAsNoPassword) {
    for (const RegistryValue& damaged :
         {RegistryValue::ofString("pbkdf2-sha256$5$zz$00"), RegistryValue::ofDWord(1),
          RegistryValue::ofString("pbkdf2-sha256$4000000000$" + std::string(32, '0') + "$" + std::string(64, '0'))}) {
        ASSERT_TRUE(machine.registry.writeValue(RegistryRoot::CurrentUser, kPasswordKey, "KeyHash", damaged));
        EXPECT_EQ(store.readPassword(), std::nullopt);
        EXPECT_TRUE(startAndVerify(""));
    }
}

}  // namespace
}  // namespace umbrix::password
