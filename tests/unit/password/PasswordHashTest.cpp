#include <gtest/gtest.h>

#include "password/PasswordHash.hpp"
#include "sim/SimCrypto.hpp"

namespace umbrix::password {
namespace {

TEST(PasswordHash, TheStoredFormRoundTrips) {
    sim::SimCrypto crypto;
    auto hash = hashPassword(crypto, "Secret", 7);
    ASSERT_TRUE(hash);
    const std::string text = encodePasswordHash(*hash);
    EXPECT_EQ(text.rfind("pbkdf2-sha256$7$", 0), 0u);
    EXPECT_EQ(text.size(), std::string("pbkdf2-sha256$7$").size() + 2 * kSaltSize + 1 + 2 * kHashSize);
    EXPECT_EQ(parsePasswordHash(text), hash);
}

TEST(PasswordHash, OnlyWellFormedRecordsParse) {
    const std::string salt(32, 'a'), hash(64, 'b');
    EXPECT_TRUE(parsePasswordHash("pbkdf2-sha256$1$" + salt + "$" + hash));
    EXPECT_TRUE(parsePasswordHash("pbkdf2-sha256$10000000$" + salt + "$" + hash));
    for (const std::string& bad : std::vector<std::string>{
             "pbkdf2-sha1$1$" + salt + "$" + hash,  // another scheme
             "PBKDF2-SHA256$1$" + salt + "$" + hash,  // scheme names are exact
             "pbkdf2-sha256$0$" + salt + "$" + hash,  // no iterations
             "pbkdf2-sha256$10000001$" + salt + "$" + hash,  // a check would take minutes
             "pbkdf2-sha256$-1$" + salt + "$" + hash,
             "pbkdf2-sha256$99999999999$" + salt + "$" + hash,
             "pbkdf2-sha256$1$$" + hash,  // no salt
             "pbkdf2-sha256$1$" + salt + "$" + hash.substr(2),  // short hash
             "pbkdf2-sha256$1$" + salt + "$" + hash + "00",  // long hash
             "pbkdf2-sha256$1$" + salt + "x$" + hash,  // odd hex
             "pbkdf2-sha256$1$" + salt + "$" + hash + "$",  // a fifth field
             "pbkdf2-sha256$1$" + salt,
             "Secret",
             "",
         }) {
        EXPECT_EQ(parsePasswordHash(bad), std::nullopt) << bad;
    }
}

TEST(PasswordHash, EachHashHasItsOwnSalt) {
    sim::SimCrypto crypto;
    auto first = hashPassword(crypto, "Secret", 3);
    auto second = hashPassword(crypto, "Secret", 3);
    ASSERT_TRUE(first && second);
    EXPECT_NE(first->salt, second->salt);
    EXPECT_NE(first->hash, second->hash);
    EXPECT_TRUE(matchesPasswordHash(crypto, *second, "Secret"));
}

TEST(PasswordHash, OnlyTheExactTextMatches) {
    sim::SimCrypto crypto;
    auto hash = hashPassword(crypto, " Pass word ", 3);
    ASSERT_TRUE(hash);
    EXPECT_TRUE(matchesPasswordHash(crypto, *hash, " Pass word "));
    for (const char* other : {"Pass word", " pass word ", " PASS WORD ", " Pass word", "Pass word ", ""})
        EXPECT_FALSE(matchesPasswordHash(crypto, *hash, other)) << '"' << other << '"';
}

TEST(PasswordHash, NoHashComesOfARefusedDerivationAndNothingMatchesOne) {
    sim::SimCrypto crypto;
    auto hash = hashPassword(crypto, "Secret", 3);
    crypto.refuseRandom = true;
    EXPECT_EQ(hashPassword(crypto, "Secret", 3), std::nullopt);
    crypto.refuseRandom = false;
    crypto.refuseDerivation = true;
    EXPECT_EQ(hashPassword(crypto, "Secret", 3), std::nullopt);
    EXPECT_FALSE(matchesPasswordHash(crypto, *hash, "Secret"));
}

}  // namespace
}  // namespace umbrix::password
