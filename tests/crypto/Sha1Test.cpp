#include "crypto/Sha1.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "crypto/Error.h"
#include "support/Hex.h"
#include "support/Raised.h"

using zanfo::TDCP_sha1;

namespace {

std::string Digest(const std::string& message, const std::vector<std::size_t>& pieces = {})
{
    TDCP_sha1 hash;
    hash.Init();
    std::size_t at = 0;
    for (std::size_t piece : pieces) {
        hash.Update(message.data() + at, int32_t(piece));
        at += piece;
    }
    hash.Update(message.data() + at, int32_t(message.size() - at));
    std::string digest(20, '\0');
    hash.Final(digest.data());
    return ToHex(digest);
}

struct Vector {
    std::string message;
    const char* digest;
};

}  // namespace

// FIPS 180-1, appendices A and B, and the empty message.
TEST(Sha1, PublishedExamples)
{
    const Vector vectors[] = {
        {"abc", "a9993e364706816aba3e25717850c26c9cd0d89d"},
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "84983e441c3bd26ebaae4aa1f95129e5e54670f1"},
        {"", "da39a3ee5e6b4b0d3255bfef95601890afd80709"},
    };
    for (const auto& v : vectors) EXPECT_EQ(Digest(v.message), v.digest) << v.message;
}

// FIPS 180-1, appendix C: one million "a", in one call and in pieces of 1000.
TEST(Sha1, MillionAInOneCallAndInMany)
{
    const std::string million(1000000, 'a');
    const char* expected = "34aa973cd4c4daa4f61eeb2bdbad27316534016f";
    EXPECT_EQ(Digest(million), expected);
    EXPECT_EQ(Digest(million, std::vector<std::size_t>(999, 1000)), expected);
}

// Lengths around the padding boundary; digests from an independent implementation.
TEST(Sha1, LengthsAroundThePaddingBoundary)
{
    const std::pair<std::size_t, const char*> cases[] = {
        {55, "8ae2d46729cfe68ff927af5eec9c7d1b66d65ac2"},
        {56, "636e2ec698dac903498e648bd2f3af641d3c88cb"},
        {63, "6d942da0c4392b123528f2905c713a3ce28364bd"},
        {64, "c6138d514ffa2135bfce0ed0b8fac65669917ec7"},
        {65, "69bd728ad6e13cd76ff19751fde427b00e395746"},
        {119, "41c89d06001bab4ab78736b44efe7ce18ce6ae08"},
        {120, "d3dbd653bd8597b7475321b60a36891278e6a04a"},
    };
    for (const auto& [n, digest] : cases) EXPECT_EQ(Digest(Pattern(n)), digest) << n;
}

TEST(Sha1, EverySplitGivesTheDigestOfOneCall)
{
    const std::string message = Pattern(300);
    const std::string whole = Digest(message);
    std::mt19937 random(7);
    for (int trial = 0; trial < 300; ++trial) {
        std::vector<std::size_t> pieces;
        std::size_t left = message.size();
        while (left > 0) {
            // Mostly small pieces (0 and 1 included), sometimes a 64-byte-aligned one.
            std::size_t piece = random() % 4 == 0 ? 64 : random() % 9;
            piece = std::min(piece, left);
            pieces.push_back(piece);
            left -= piece;
        }
        pieces.pop_back();  // the remainder goes in the final call
        ASSERT_EQ(Digest(message, pieces), whole) << "trial " << trial;
    }
}

// Past 512 MiB the bit count no longer fits its low word.
TEST(Sha1, BitCountCarriesIntoTheHighWord)
{
    TDCP_sha1 hash;
    hash.Init();
    const std::string mebibyte(1 << 20, '\0');
    for (int i = 0; i < 512; ++i) hash.Update(mebibyte.data(), int32_t(mebibyte.size()));
    hash.Update(mebibyte.data(), 100);
    std::string digest(20, '\0');
    hash.Final(digest.data());
    EXPECT_EQ(ToHex(digest), "c5215538017064a4d9ab0eb3108f0bd32a89bfaa");
}

TEST(Sha1, FinalWritesTwentyBytesAndBurns)
{
    TDCP_sha1 hash;
    hash.Init();
    hash.UpdateStr("abc");
    std::string block(32, '\xFF');
    hash.Final(block.data());
    EXPECT_EQ(ToHex(block), "a9993e364706816aba3e25717850c26c9cd0d89d" + std::string(24, 'f'));

    EXPECT_FALSE(hash.Initialized());
    EXPECT_EQ(Raised<zanfo::Error>([&] { hash.Final(block.data()); }), "SHA1: Not initialized");
    EXPECT_EQ(Raised<zanfo::Error>([&] { hash.UpdateStr("x"); }), "SHA1: Not initialized");
    EXPECT_EQ(Raised<zanfo::Error>([] { TDCP_sha1().Update("x", 1); }), "SHA1: Not initialized");

    // Init starts afresh, independent of the earlier digest; Init mid-digest discards it.
    hash.Init();
    hash.UpdateStr("zzz");
    hash.Init();
    hash.UpdateStr("");
    hash.Final(block.data());
    EXPECT_EQ(ToHex(block.substr(0, 20)), "da39a3ee5e6b4b0d3255bfef95601890afd80709");
}

TEST(Sha1, PropertiesDiscardAssignments)
{
    TDCP_sha1 hash;
    hash.SetAlgorithm("MD5");
    hash.SetHashSize(128);
    EXPECT_EQ(hash.Algorithm(), "SHA1");
    EXPECT_EQ(hash.HashSize(), 160);
}
