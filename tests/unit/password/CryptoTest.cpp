#include <gtest/gtest.h>

#include "crypto/Pbkdf2.hpp"
#include "password/Secrets.hpp"
#include "crypto/Sha256.hpp"

namespace umbrix::password {
namespace {

using crypto::hmacSha256;
using crypto::pbkdf2HmacSha256;
using crypto::Sha256;
using crypto::toHex;

std::string hexOf(const Sha256::Digest& digest) {
    return toHex({reinterpret_cast<const char*>(digest.data()), digest.size()});
}

TEST(Sha256, MatchesThePublishedExamples) {
    // FIPS 180-2, appendix B, and the empty message.
    EXPECT_EQ(hexOf(Sha256::of("abc")), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(hexOf(Sha256::of("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq")),
              "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
    EXPECT_EQ(hexOf(Sha256::of(std::string(1000000, 'a'))),
              "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");
    EXPECT_EQ(hexOf(Sha256::of("")), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
}

TEST(Sha256, FeedingInPiecesGivesTheSameDigest) {
    const std::string message(200, 'x');
    for (std::size_t split : {0u, 1u, 55u, 56u, 63u, 64u, 65u, 199u}) {
        Sha256 hash;
        hash.update(std::string_view(message).substr(0, split));
        hash.update(std::string_view(message).substr(split));
        EXPECT_EQ(hash.finish(), Sha256::of(message)) << split;
    }
}

TEST(HmacSha256, MatchesRfc4231) {
    EXPECT_EQ(toHex(hmacSha256("Jefe", "what do ya want for nothing?")),
              "5bdcc146bf60754e6a042426089575c75a003f089d2739839dec58b964ec3843");
    // A key longer than a block is hashed first.
    EXPECT_EQ(toHex(hmacSha256(std::string(131, '\xaa'), "Test Using Larger Than Block-Size Key - Hash Key First")),
              "60e431591ee0b67f0d8a26aacbf5b77f8e0bc6213728c5140546040f0ee37f54");
}

TEST(Pbkdf2HmacSha256, ShortOutputsArePrefixesOfLongerOnes) {
    const std::string full = pbkdf2HmacSha256("pw", "salt", 3, 70);
    EXPECT_EQ(full.size(), 70u);
    EXPECT_EQ(pbkdf2HmacSha256("pw", "salt", 3, 20), full.substr(0, 20));
    EXPECT_NE(pbkdf2HmacSha256("pw", "salt", 4, 20), full.substr(0, 20));
}

TEST(ConstantTimeEquals, ComparesEveryByteAndTheLength) {
    const std::string digest(32, '\x5a');
    std::string first = digest, last = digest;
    first[0] ^= 1;
    last[31] ^= 0x80;
    EXPECT_TRUE(constantTimeEquals(digest, digest));
    EXPECT_FALSE(constantTimeEquals(digest, first));
    EXPECT_FALSE(constantTimeEquals(digest, last));
    EXPECT_FALSE(constantTimeEquals(digest, digest.substr(0, 31)));
    EXPECT_TRUE(constantTimeEquals("", ""));
}

TEST(Wipe, LeavesNoCharacterOfTheSecretInItsBuffer) {
    std::string secret = "a password long enough to live on the heap";
    const char* buffer = secret.data();
    const std::size_t size = secret.size();
    wipe(secret);
    EXPECT_TRUE(secret.empty());
    EXPECT_EQ(std::string(buffer, size), std::string(size, '\0'));  // clear() keeps the buffer
}

}  // namespace
}  // namespace umbrix::password
