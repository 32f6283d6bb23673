#include <gtest/gtest.h>

#include "ContractEnvironment.hpp"

namespace umbrix::contract {
namespace {

using platform::RegistryRoot;
using platform::RegistryType;
using platform::RegistryValue;

class RegistryPortContract : public ::testing::Test {
protected:
    void TearDown() override {
        for (const auto& name : registry.valueNames(RegistryRoot::CurrentUser, key)) {
            (void)registry.deleteValue(RegistryRoot::CurrentUser, key, name);
        }
        (void)registry.deleteKey(RegistryRoot::CurrentUser, key + "\\Sub");
        (void)registry.deleteKey(RegistryRoot::CurrentUser, key);
    }
    std::unique_ptr<ContractEnvironment> env = makeEnvironment();
    platform::RegistryPort& registry = env->platform().registry;
    std::string key = env->scratchRegistryKey();
};

TEST_F(RegistryPortContract, ValuesOfEveryTypeRoundTrip) {
    const RegistryValue values[] = {
        RegistryValue::ofString("1"),
        RegistryValue::ofString("C:\\Program Files\\Umbrix\\Umbrix.exe"),
        RegistryValue::ofString("caf\xC3\xA9 \xE4\xB8\xAD"),  // not limited to a code page
        RegistryValue::ofString(""),
        RegistryValue::ofDWord(0),
        RegistryValue::ofDWord(0xFFFFFFFFu),
        RegistryValue::ofBinary(std::string("\0\x01\xFFsalt", 7)),
    };
    for (const auto& value : values) {
        ASSERT_TRUE(registry.writeValue(RegistryRoot::CurrentUser, key, "Value", value));
        EXPECT_EQ(registry.readValue(RegistryRoot::CurrentUser, key, "Value"), value);
    }
}

TEST_F(RegistryPortContract, AValueChangesTypeWhenRewritten) {
    ASSERT_TRUE(registry.writeValue(RegistryRoot::CurrentUser, key, "DisableTaskMgr", RegistryValue::ofString("1")));
    ASSERT_TRUE(registry.writeValue(RegistryRoot::CurrentUser, key, "DisableTaskMgr", RegistryValue::ofDWord(0)));
    auto value = registry.readValue(RegistryRoot::CurrentUser, key, "disabletaskmgr");  // names ignore case
    ASSERT_TRUE(value);
    EXPECT_EQ(value->type, RegistryType::DWord);
    EXPECT_EQ(value->number, 0u);
}

TEST_F(RegistryPortContract, KeyPathsIgnoreSurroundingSeparatorsAndLetterCase) {
    ASSERT_TRUE(registry.writeValue(RegistryRoot::CurrentUser, "\\" + key + "\\", "Key", RegistryValue::ofString("x")));
    EXPECT_TRUE(registry.keyExists(RegistryRoot::CurrentUser, key));
    std::string upperKey = key;
    for (char& c : upperKey) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    EXPECT_EQ(registry.readValue(RegistryRoot::CurrentUser, upperKey, "Key"), RegistryValue::ofString("x"));
}

TEST_F(RegistryPortContract, WritingWithoutCreateNeedsAnExistingKey) {
    EXPECT_EQ(registry.writeValue(RegistryRoot::CurrentUser, key, "Umbrix", RegistryValue::ofString("x"), false).error,
              platform::errors::kFileNotFound);
    EXPECT_FALSE(registry.keyExists(RegistryRoot::CurrentUser, key));
    ASSERT_TRUE(registry.createKey(RegistryRoot::CurrentUser, key));
    EXPECT_TRUE(registry.writeValue(RegistryRoot::CurrentUser, key, "Umbrix", RegistryValue::ofString("x"), false));
}

TEST_F(RegistryPortContract, DeletingReportsWhatWasMissing) {
    EXPECT_EQ(registry.deleteValue(RegistryRoot::CurrentUser, key, "Absent").error, platform::errors::kFileNotFound);
    ASSERT_TRUE(registry.writeValue(RegistryRoot::CurrentUser, key, "A", RegistryValue::ofString("1")));
    ASSERT_TRUE(registry.writeValue(RegistryRoot::CurrentUser, key, "B", RegistryValue::ofDWord(1)));
    auto names = registry.valueNames(RegistryRoot::CurrentUser, key);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"A", "B"}));
    ASSERT_TRUE(registry.deleteValue(RegistryRoot::CurrentUser, key, "a"));
    EXPECT_EQ(registry.readValue(RegistryRoot::CurrentUser, key, "A"), std::nullopt);
    EXPECT_EQ(registry.deleteValue(RegistryRoot::CurrentUser, key, "A").error, platform::errors::kFileNotFound);
}

TEST_F(RegistryPortContract, AKeyWithSubkeysIsNotDeleted) {
    ASSERT_TRUE(registry.createKey(RegistryRoot::CurrentUser, key + "\\Sub"));
    EXPECT_FALSE(registry.deleteKey(RegistryRoot::CurrentUser, key));
    EXPECT_TRUE(registry.keyExists(RegistryRoot::CurrentUser, key + "\\Sub"));
    ASSERT_TRUE(registry.deleteKey(RegistryRoot::CurrentUser, key + "\\Sub"));
    ASSERT_TRUE(registry.deleteKey(RegistryRoot::CurrentUser, key));
    EXPECT_FALSE(registry.keyExists(RegistryRoot::CurrentUser, key));
    EXPECT_EQ(registry.deleteKey(RegistryRoot::CurrentUser, key).error, platform::errors::kFileNotFound);
}

TEST_F(RegistryPortContract, TheLocalMachineHiveIsWritableWithTheRightsOfThisMachine) {
    const std::string run = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
    ASSERT_TRUE(
        registry.writeValue(RegistryRoot::LocalMachine, run, "UmbrixContractCheck", RegistryValue::ofString("1")));
    EXPECT_EQ(registry.readValue(RegistryRoot::LocalMachine, run, "UmbrixContractCheck"), RegistryValue::ofString("1"));
    ASSERT_TRUE(registry.deleteValue(RegistryRoot::LocalMachine, run, "UmbrixContractCheck"));
}

}  // namespace
}  // namespace umbrix::contract
