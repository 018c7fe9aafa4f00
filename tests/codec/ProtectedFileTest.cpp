#include "codec/ProtectedFile.h"

#include <gtest/gtest.h>

#include <string>

#include "codec/IoError.h"
#include "crypto/Blowfish.h"
#include "support/Hex.h"
#include "support/Raised.h"

using namespace zanfo;

namespace {

std::string Encode(const std::string& password, const std::string& plain)
{
    TDCP_blowfish cipher;
    MemorySource source(plain);
    MemorySink target;
    EncodeFile(cipher, password, source, target);
    return target.Bytes();
}

DecodeResult Decode(const std::string& password, const std::string& protectedBytes, std::string& plain)
{
    TDCP_blowfish cipher;
    MemorySource source(protectedBytes);
    MemorySink target;
    const DecodeResult result = DecodeFile(cipher, password, source, target);
    plain = target.Bytes();
    return result;
}


}  // namespace

// Worked examples of the format, computed independently of this program.
TEST(ProtectedFile, WorkedExamples)
{
    struct Key {
        const char* password;
        const char* keyBlock;
        const char* keyCheck;
    };
    const Key keys[] = {
        {"", "da39a3ee5e6b4b0d3255bfef95601890afd80709ffffffffffffffffffffffff",
         "a3b7a3d4f70fb87b425506d69529624b942312f26425680535569a86b4e71a02"},
        {"616263", "a9993e364706816aba3e25717850c26c9cd0d89dffffffffffffffffffffffff",
         "1336fe9f6bc7cb54131c54fc44f628c44f0912ed7fdb3d34a346660f8f61c3c0"},
        {"5365f161", "e69a8accf6b261f1aa971b74b87f6a90c5ca5a41ffffffffffffffffffffffff",
         "ed5ee52d3ce67f82e93caa5d99ca60af80929e937f3bfdd88274ba87762889d4"},
    };
    for (const auto& k : keys) {
        const std::string password = FromHex(k.password);
        const KeyBlock block = DeriveKeyBlock(password);
        EXPECT_EQ(ToHex({reinterpret_cast<const char*>(block.data()), block.size()}), k.keyBlock);
        // An empty file protects to the key check alone.
        EXPECT_EQ(ToHex(Encode(password, "")), k.keyCheck) << k.password;
    }

    struct File {
        const char* plain;
        const char* protectedBytes;
    };
    const File files[] = {
        {"486921", "1336fe9f6bc7cb54131c54fc44f628c44f0912ed7fdb3d34a346660f8f61c3c0501b7f"},
        {"426c6f7766697368",
         "1336fe9f6bc7cb54131c54fc44f628c44f0912ed7fdb3d34a346660f8f61c3c02cf1c6b986e4ae11"},
        {"546869727465656e2062797465",
         "1336fe9f6bc7cb54131c54fc44f628c44f0912ed7fdb3d34a346660f8f61c3c0e9ebfc30f119775830dbdea4"
         "be"},
        {"000102030405060708090a0b0c0d0e0f10111213",
         "1336fe9f6bc7cb54131c54fc44f628c44f0912ed7fdb3d34a346660f8f61c3c07dfd232965eb78dc7c50acff"
         "dbc83af138b28218"},
    };
    for (const auto& f : files) {
        EXPECT_EQ(ToHex(Encode("abc", FromHex(f.plain))), f.protectedBytes) << f.plain;
        std::string back;
        EXPECT_EQ(Decode("abc", FromHex(f.protectedBytes), back), DecodeResult::Accepted);
        EXPECT_EQ(ToHex(back), f.plain);
    }
}

// The chunked body equals one CBC pass over the whole file, chaining from the IV.
TEST(ProtectedFile, RoundTripsAtTheLengthsThatMatter)
{
    for (std::size_t n : {0u, 1u, 7u, 8u, 9u, 8191u, 8192u, 8193u, 8195u, 2 * 8192u + 5, 3 * 8192u}) {
        const std::string plain = Pattern(n, unsigned(n));
        const std::string encoded = Encode("pässword", plain);
        ASSERT_EQ(encoded.size(), n + 32) << n;

        TDCP_blowfish reference;
        KeyBlock key = DeriveKeyBlock("pässword");
        reference.Init(key.data(), 256, nullptr);
        std::string body = plain;
        reference.EncryptCBC(body.data(), body.data(), int32_t(n));
        EXPECT_EQ(encoded.substr(32), body) << n;

        std::string back;
        ASSERT_EQ(Decode("pässword", encoded, back), DecodeResult::Accepted) << n;
        EXPECT_EQ(back, plain) << n;
    }
}

TEST(ProtectedFile, KeyCheckDependsOnThePasswordAlone)
{
    const std::string a = Encode("same", Pattern(100));
    const std::string b = Encode("same", Pattern(50) + "different tail");
    EXPECT_EQ(a.substr(0, 32), b.substr(0, 32));
    EXPECT_EQ(a.substr(32, 48), b.substr(32, 48));  // six whole blocks in common
    EXPECT_NE(Encode("other", Pattern(100)).substr(0, 32), a.substr(0, 32));
}

TEST(ProtectedFile, WrongPasswordOrForeignFileIsRefusedAndWritesNothing)
{
    const std::string encoded = Encode("right", Pattern(5000));
    std::string out;
    EXPECT_EQ(Decode("wrong", encoded, out), DecodeResult::Refused);
    EXPECT_EQ(out, "");

    for (int bit : {0, 77, 255}) {
        std::string damaged = encoded;
        damaged[bit / 8] ^= char(1 << (bit % 8));
        EXPECT_EQ(Decode("right", damaged, out), DecodeResult::Refused) << bit;
        EXPECT_EQ(out, "");
    }
    EXPECT_EQ(Decode("right", Pattern(32), out), DecodeResult::Refused);
}

TEST(ProtectedFile, ShortProtectedFileIsAnEndOfFileError)
{
    const std::string encoded = Encode("pw", "");
    for (std::size_t n : {0u, 1u, 31u}) {
        std::string out;
        EXPECT_EQ(Raised<IoError>([&] { Decode("pw", encoded.substr(0, n), out); }),
                  "Read beyond end of file")
            << n;
        EXPECT_EQ(out, "");
    }
}

TEST(ProtectedFile, FullDiskIsReportedWhereverItHappens)
{
    const std::string plain = Pattern(20000);
    const std::string encoded = Encode("pw", plain);
    for (std::size_t capacity : {0u, 31u, 32u, 8223u, 8224u, 20031u}) {
        TDCP_blowfish cipher;
        MemorySource source(plain);
        MemorySink full(capacity);
        EXPECT_EQ(Raised<IoError>([&] { EncodeFile(cipher, "pw", source, full); }), "Disk full") << capacity;
        EXPECT_FALSE(cipher.Initialized()) << "the key is burned on the error path too";

        MemorySource protectedSource(encoded);
        MemorySink fullPlain(capacity);
        if (capacity < plain.size()) {
            EXPECT_EQ(Raised<IoError>([&] { DecodeFile(cipher, "pw", protectedSource, fullPlain); }),
                      "Disk full")
                << capacity;
        }
    }
}

TEST(ProtectedFile, CipherIsBurnedAfterEveryRun)
{
    TDCP_blowfish cipher;
    const std::string plain = Pattern(10);
    MemorySource source(plain);
    MemorySink sink;
    EncodeFile(cipher, "k", source, sink);
    EXPECT_FALSE(cipher.Initialized());

    for (const char* password : {"k", "not k"}) {
        MemorySource protectedSource(sink.Bytes());
        MemorySink out;
        DecodeFile(cipher, password, protectedSource, out);
        EXPECT_FALSE(cipher.Initialized()) << password;
    }
}
