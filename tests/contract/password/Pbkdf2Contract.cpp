#include <gtest/gtest.h>

#include "ContractEnvironment.hpp"
#include "crypto/Pbkdf2.hpp"
#include "crypto/Sha256.hpp"

namespace umbrix::contract {
namespace {

using crypto::toHex;

class Pbkdf2Contract : public ::testing::Test {
protected:
    std::unique_ptr<ContractEnvironment> env = makeEnvironment();
    platform::CryptoPort& crypto = env->platform().crypto;
};

TEST_F(Pbkdf2Contract, TheSystemsDerivationMatchesRfc7914) {
    EXPECT_EQ(toHex(crypto.pbkdf2Sha256("passwd", "salt", 1, 64).value_or("")),
              "55ac046e56e3089fec1691c22544b605f94185216dde0465e68b9d57c20dacbc"
              "49ca9cccf179b645991664b39d77ef317c71b845b1e30bd509112041d3a19783");
    EXPECT_EQ(toHex(crypto.pbkdf2Sha256("Password", "NaCl", 80000, 64).value_or("")),
              "4ddcd8f60b98be21830cee5ef22701f9641a4418d04c0414aeff08876b34ab56"
              "a1d425a1225833549adb841b51c9b3176a272bdebba1d078478f62b397f33c8d");
}

TEST_F(Pbkdf2Contract, TheSystemAndThePortableDerivationGiveTheSameBytes) {
    struct Case {
        std::string password, salt;
        std::uint32_t iterations;
        std::size_t length;
    };
    const Case cases[] = {
        {"", "salt", 2, 32},  // an empty password
        {"Secret", std::string("\0\x01\xFF", 3), 3, 32},  // salt bytes of every kind
        {std::string(100, 'p'), "salt", 4, 32},  // a password longer than a block
        {"caf\xC3\xA9 \xE4\xB8\xAD", "0123456789abcdef", 1000, 32},  // UTF-8 text
        {"Secret", "salt", 5, 1},
        {"Secret", "salt", 5, 33},  // a second block, cut short
        {"Secret", "salt", 5, 96},
    };
    for (const auto& c : cases) {
        auto derived = crypto.pbkdf2Sha256(c.password, c.salt, c.iterations, c.length);
        ASSERT_TRUE(derived) << c.iterations << " iterations";
        EXPECT_EQ(toHex(*derived), toHex(crypto::pbkdf2HmacSha256(c.password, c.salt, c.iterations, c.length)))
            << c.password.size() << " byte password, " << c.length << " bytes";
    }
}

TEST_F(Pbkdf2Contract, RandomBytesComeInTheLengthAskedAndDiffer) {
    auto first = crypto.randomBytes(16), second = crypto.randomBytes(16);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->size(), 16u);
    EXPECT_NE(*first, *second);
    EXPECT_EQ(crypto.randomBytes(0).value_or("x"), "");
}

}  // namespace
}  // namespace umbrix::contract
