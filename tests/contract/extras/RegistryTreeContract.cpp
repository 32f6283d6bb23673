#include <gtest/gtest.h>

#include "ContractEnvironment.hpp"

namespace umbrix::contract {
namespace {

using platform::RegistryRoot;
using platform::RegistryValue;

class RegistryTreeContract : public ::testing::Test {
protected:
    void TearDown() override {
        (void)registry.deleteTree(RegistryRoot::CurrentUser, key);
        (void)registry.deleteTree(RegistryRoot::CurrentUser, key + " 2");
    }
    std::unique_ptr<ContractEnvironment> env = makeEnvironment();
    platform::RegistryPort& registry = env->platform().registry;
    std::string key = env->scratchRegistryKey();
};

TEST_F(RegistryTreeContract, ATreeGoesWithItsSubkeysAndValuesAndLeavesItsSiblingAlone) {
    ASSERT_TRUE(registry.writeValue(RegistryRoot::CurrentUser, key, "url1", RegistryValue::ofString("http://a.test/")));
    ASSERT_TRUE(registry.writeValue(RegistryRoot::CurrentUser, key + "\\Sub\\Deeper", "v", RegistryValue::ofDWord(1)));
    // Sorts between the key and its subkeys: must not be taken for either.
    ASSERT_TRUE(registry.writeValue(RegistryRoot::CurrentUser, key + " 2", "v", RegistryValue::ofDWord(2)));

    EXPECT_FALSE(registry.deleteKey(RegistryRoot::CurrentUser, key)) << "a key with subkeys needs the tree deletion";
    ASSERT_TRUE(registry.deleteTree(RegistryRoot::CurrentUser, key));
    EXPECT_FALSE(registry.keyExists(RegistryRoot::CurrentUser, key));
    EXPECT_FALSE(registry.keyExists(RegistryRoot::CurrentUser, key + "\\Sub"));
    EXPECT_EQ(registry.readValue(RegistryRoot::CurrentUser, key + " 2", "v"), RegistryValue::ofDWord(2));

    EXPECT_EQ(registry.deleteTree(RegistryRoot::CurrentUser, key).error, platform::errors::kFileNotFound);
}

}  // namespace
}  // namespace umbrix::contract
