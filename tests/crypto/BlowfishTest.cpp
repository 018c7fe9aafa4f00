#include "crypto/Blowfish.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "crypto/Error.h"
#include "support/Hex.h"
#include "support/Raised.h"

using zanfo::TDCP_blowfish;

namespace {

struct EcbVector {
    const char* key;
    const char* plain;
    const char* cipher;
};

// Eric Young's Blowfish test set, published with the cipher's description.
// Fixed keys:
const EcbVector kFixedKeys[] = {
        {"0123456789ABCDEF", "0000000000000000", "245946885754369A"},
        {"0000000000000000", "0000000000000000", "4EF997456198DD78"},
        {"FFFFFFFFFFFFFFFF", "0000000000000000", "F21E9A77B71C49BC"},
        {"584023641ABA6176", "004BD6EF09176062", "452031C1E4FADA8E"},
        {"FEDCBA9876543210", "0123456789ABCDEF", "0ACEAB0FC6A0A28D"},
        {"1111111111111111", "0123456789ABCDEF", "7D0CC630AFDA1EC7"},
        {"1F1F1F1F0E0E0E0E", "0123456789ABCDEF", "A790795108EA3CAE"},
        {"E0FEE0FEF1FEF1FE", "0123456789ABCDEF", "C39E072D9FAC631D"},
        {"0101010101010101", "0123456789ABCDEF", "FA34EC4847B268B2"},
        {"7CA110454A1A6E57", "01A1D6D039776742", "59C68245EB05282B"},
        {"07A1133E4A0B2686", "0248D43806F67172", "1730E5778BEA1DA4"},
        {"49E95D6D4CA229BF", "02FE55778117F12A", "CF9C5D7A4986ADB5"},
        {"0113B970FD34F2CE", "059B5E0851CF143A", "48F4D0884C379918"},
        {"4FB05E1515AB73A7", "072D43A077075292", "7A8E7BFA937E89A3"},
        {"0170F175468FB5E6", "0756D8E0774761D2", "432193B78951FC98"},
        {"3000000000000000", "1000000000000001", "7D856F9A613063F2"},
        {"1111111111111111", "1111111111111111", "2466DD878B963C9D"},
        {"0123456789ABCDEF", "1111111111111111", "61F9C3802281B096"},
        {"37D06BB516CB7546", "164D5E404F275232", "5F99D04F5B163969"},
        {"018310DC409B26D6", "1D9D5C5018F728C2", "D1ABB290658BC778"},
        {"04689104C2FD3B2F", "26955F6835AF609A", "D887E0393C2DA6E3"},
        {"1C587F1C13924FEF", "305532286D6F295A", "55CB3774D13EF201"},
        {"07A7137045DA2A16", "3BDD119049372802", "2EEDDA93FFD39C79"},
        {"04B915BA43FEB5B6", "42FD443059577FA2", "353882B109CE8F1A"},
        {"49793EBC79B3258F", "437540C8698F3CFA", "53C55F9CB49FC019"},
        {"025816164629B007", "480D39006EE762F2", "7555AE39F59B87BD"},
        {"3849674C2602319E", "51454B582DDF440A", "A25E7856CF2651EB"},
        {"0131D9619DC1376E", "5CD54CA83DEF57DA", "B1B8CC0B250F09A0"},
        {"1F08260D1AC2465E", "6B056E18759F5CCA", "4A057A3B24D3977B"},
        {"43297FAD38E373FE", "762514B829BF486A", "13F04154D69D1AE5"},
        {"0000000000000000", "FFFFFFFFFFFFFFFF", "014933E0CDAFF6E4"},
        {"FFFFFFFFFFFFFFFF", "FFFFFFFFFFFFFFFF", "51866FD5B85ECB8A"},
        {"FEDCBA9876543210", "FFFFFFFFFFFFFFFF", "6B5C5A9C5D9E0A5A"},
        {"57686F206973204A6F686E2047616C743F", "FEDCBA9876543210", "CC91732B8022F684"},
        {"6162636465666768696A6B6C6D6E6F707172737475767778797A", "424C4F5746495348", "324ED0FEF413A203"},
};
// Variable key length, 1 to 24 bytes:
const EcbVector kVariableKeys[] = {
        {"F0", "FEDCBA9876543210", "F9AD597C49DB005E"},
        {"F0E1", "FEDCBA9876543210", "E91D21C1D961A6D6"},
        {"F0E1D2", "FEDCBA9876543210", "E9C2B70A1BC65CF3"},
        {"F0E1D2C3", "FEDCBA9876543210", "BE1E639408640F05"},
        {"F0E1D2C3B4", "FEDCBA9876543210", "B39E44481BDB1E6E"},
        {"F0E1D2C3B4A5", "FEDCBA9876543210", "9457AA83B1928C0D"},
        {"F0E1D2C3B4A596", "FEDCBA9876543210", "8BB77032F960629D"},
        {"F0E1D2C3B4A59687", "FEDCBA9876543210", "E87A244E2CC85E82"},
        {"F0E1D2C3B4A5968778", "FEDCBA9876543210", "15750E7A4F4EC577"},
        {"F0E1D2C3B4A596877869", "FEDCBA9876543210", "122BA70B3AB64AE0"},
        {"F0E1D2C3B4A5968778695A", "FEDCBA9876543210", "3A833C9AFFC537F6"},
        {"F0E1D2C3B4A5968778695A4B", "FEDCBA9876543210", "9409DA87A90F6BF2"},
        {"F0E1D2C3B4A5968778695A4B3C", "FEDCBA9876543210", "884F80625060B8B4"},
        {"F0E1D2C3B4A5968778695A4B3C2D", "FEDCBA9876543210", "1F85031C19E11968"},
        {"F0E1D2C3B4A5968778695A4B3C2D1E", "FEDCBA9876543210", "79D9373A714CA34F"},
        {"F0E1D2C3B4A5968778695A4B3C2D1E0F", "FEDCBA9876543210", "93142887EE3BE15C"},
        {"F0E1D2C3B4A5968778695A4B3C2D1E0F00", "FEDCBA9876543210", "03429E838CE2D14B"},
        {"F0E1D2C3B4A5968778695A4B3C2D1E0F0011", "FEDCBA9876543210", "A4299E27469FF67B"},
        {"F0E1D2C3B4A5968778695A4B3C2D1E0F001122", "FEDCBA9876543210", "AFD5AED1C1BC96A8"},
        {"F0E1D2C3B4A5968778695A4B3C2D1E0F00112233", "FEDCBA9876543210", "10851C0E3858DA9F"},
        {"F0E1D2C3B4A5968778695A4B3C2D1E0F0011223344", "FEDCBA9876543210", "E6F51ED79B9DB21F"},
        {"F0E1D2C3B4A5968778695A4B3C2D1E0F001122334455", "FEDCBA9876543210", "64A6E14AFD36B46F"},
        {"F0E1D2C3B4A5968778695A4B3C2D1E0F00112233445566", "FEDCBA9876543210", "80C7D7D45A5479AD"},
        {"F0E1D2C3B4A5968778695A4B3C2D1E0F0011223344556677", "FEDCBA9876543210", "05044B62FA52D080"},
};

std::string Lower(std::string s)
{
    for (char& c : s) c = char(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

void Key(TDCP_blowfish& bf, const std::string& key)
{
    bf.Init(key.data(), int32_t(key.size() * 8), nullptr);
}


// CBC with the partial-block rule, written from single-block ECB calls.
std::string ReferenceCbc(TDCP_blowfish& bf, std::string iv, const std::string& data, bool encrypt)
{
    std::string out = data;
    std::size_t full = data.size() / 8 * 8;
    for (std::size_t i = 0; i < full; i += 8) {
        char block[8];
        if (encrypt) {
            for (int k = 0; k < 8; ++k) block[k] = data[i + k] ^ iv[k];
            bf.EncryptECB(block, &out[i]);
            iv = out.substr(i, 8);
        } else {
            bf.DecryptECB(&data[i], block);
            for (int k = 0; k < 8; ++k) out[i + k] = block[k] ^ iv[k];
            iv = data.substr(i, 8);
        }
    }
    char stream[8];
    bf.EncryptECB(iv.data(), stream);
    for (std::size_t i = full; i < data.size(); ++i) out[i] = data[i] ^ stream[i - full];
    return out;
}

std::string DerivedIv(TDCP_blowfish& bf)
{
    std::string iv(8, '\0');
    bf.EncryptECB(std::string(8, '\xFF').data(), iv.data());
    return iv;
}

}  // namespace

TEST(Blowfish, PublishedEcbVectors)
{
    std::vector<EcbVector> all(std::begin(kFixedKeys), std::end(kFixedKeys));
    all.insert(all.end(), std::begin(kVariableKeys), std::end(kVariableKeys));
    {
        for (const auto& v : all) {
            TDCP_blowfish bf;
            Key(bf, FromHex(v.key));
            const std::string plain = FromHex(v.plain);
            std::string out(8, '\0'), back(8, '\0');
            bf.EncryptECB(plain.data(), out.data());
            EXPECT_EQ(ToHex(out), Lower(v.cipher)) << "key " << v.key;
            bf.DecryptECB(out.data(), back.data());
            EXPECT_EQ(back, plain) << "key " << v.key;
        }
    }
}

TEST(Blowfish, KeySizes)
{
    TDCP_blowfish bf;
    const std::string key = Pattern(56);
    for (int32_t size = 8; size <= 448; size += 8)
        EXPECT_EQ(Raised<zanfo::Error>([&] { bf.Init(key.data(), size, nullptr); }), "") << size;

    for (int32_t size : {0, -8, 12, 456}) {
        Key(bf, "key");  // a keyed component is burned before the size is looked at
        EXPECT_EQ(Raised<zanfo::Error>([&] { bf.Init(key.data(), size, nullptr); }),
                  "Blowfish: Invalid key size - " + std::to_string(size));
        EXPECT_FALSE(bf.Initialized());
        char block[8] = {};
        EXPECT_EQ(Raised<zanfo::Error>([&] { bf.EncryptCBC(block, block, 8); }), "Blowfish: Not initialized");
    }
}

TEST(Blowfish, OnlyTheFirstSizeOver8KeyBytesCount)
{
    TDCP_blowfish a, b;
    std::string key = Pattern(16);
    a.Init(key.data(), 64, nullptr);
    key[10] ^= 1;
    b.Init(key.data(), 64, nullptr);
    EXPECT_EQ(DerivedIv(a), DerivedIv(b));
}

TEST(Blowfish, IvIsDerivedOrGiven)
{
    TDCP_blowfish a, b;
    Key(a, "secret");
    Key(b, "secret");
    const std::string iv = DerivedIv(a);
    const std::string data = Pattern(16);
    std::string outA(16, '\0'), outB(16, '\0');
    a.EncryptCBC(data.data(), outA.data(), 16);
    b.Init("secret", 48, iv.data());
    b.EncryptCBC(data.data(), outB.data(), 16);
    EXPECT_EQ(outA, outB);
    EXPECT_EQ(outA, ReferenceCbc(a, iv, data, true));
}

TEST(Blowfish, CbcPartialBlockRule)
{
    TDCP_blowfish bf;
    Key(bf, "partial");
    const std::string iv = DerivedIv(bf);
    std::string stream(8, '\0');
    bf.EncryptECB(iv.data(), stream.data());

    // Five bytes: each XOR E(chaining value); the chaining value stays, so a second call repeats.
    const std::string five = "hello";
    std::string first(5, '\0'), second(5, '\0');
    bf.EncryptCBC(five.data(), first.data(), 5);
    bf.EncryptCBC(five.data(), second.data(), 5);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(char(first[i]), char(five[i] ^ stream[i]));
    EXPECT_EQ(first, second);

    // Thirteen bytes: one block that becomes the chaining value, then a tail under E(that block).
    bf.Reset();
    const std::string thirteen = Pattern(13);
    std::string out(13, '\0');
    bf.EncryptCBC(thirteen.data(), out.data(), 13);
    EXPECT_EQ(out, ReferenceCbc(bf, iv, thirteen, true));
}

TEST(Blowfish, CbcMatchesTheReferenceForEveryLengthBothWays)
{
    TDCP_blowfish bf;
    Key(bf, "lengths");
    const std::string iv = DerivedIv(bf);
    for (std::size_t n = 0; n <= 200; ++n) {
        const std::string plain = Pattern(n, unsigned(n));
        std::string enc(n, '\0');
        bf.Reset();
        bf.EncryptCBC(plain.data(), enc.data(), int32_t(n));
        ASSERT_EQ(enc, ReferenceCbc(bf, iv, plain, true)) << n;

        // Decryption takes four blocks at a time: in place and out of place must agree.
        std::string dec(n, '\0'), inPlace = enc;
        bf.Reset();
        bf.DecryptCBC(enc.data(), dec.data(), int32_t(n));
        bf.Reset();
        bf.DecryptCBC(inPlace.data(), inPlace.data(), int32_t(n));
        ASSERT_EQ(dec, plain) << n;
        ASSERT_EQ(inPlace, plain) << n;
    }
}

TEST(Blowfish, ChainingCarriesAcrossCalls)
{
    TDCP_blowfish bf;
    Key(bf, "chain");
    const std::string plain = Pattern(45);
    std::string whole(45, '\0'), split = plain;
    bf.EncryptCBC(plain.data(), whole.data(), 45);
    bf.Reset();
    bf.EncryptCBC(split.data(), split.data(), 16);
    bf.EncryptCBC(split.data() + 16, split.data() + 16, 29);
    EXPECT_EQ(split, whole);

    bf.Reset();
    bf.DecryptCBC(split.data(), split.data(), 45);
    EXPECT_EQ(split, plain);

    // Any split whose pieces but the last are whole blocks, in both directions.
    std::mt19937 random(3);
    const std::string longer = Pattern(1000);
    std::string enc(1000, '\0');
    bf.Reset();
    bf.EncryptCBC(longer.data(), enc.data(), 1000);
    for (int trial = 0; trial < 50; ++trial) {
        std::string e = longer, d;
        bf.Reset();
        std::vector<std::size_t> cuts;
        std::size_t at = 0;
        while (at < 1000) {
            std::size_t piece = 8 * (random() % 20);
            if (at + piece >= 1000 || random() % 10 == 0) piece = 1000 - at;
            cuts.push_back(piece);
            bf.EncryptCBC(e.data() + at, e.data() + at, int32_t(piece));
            at += piece;
        }
        ASSERT_EQ(e, enc) << trial;
        bf.Reset();
        at = 0;
        for (std::size_t piece : cuts) {
            bf.DecryptCBC(e.data() + at, e.data() + at, int32_t(piece));
            at += piece;
        }
        ASSERT_EQ(e, longer) << trial;
    }
}

TEST(Blowfish, ZeroOrNegativeSizeWritesNothing)
{
    TDCP_blowfish bf;
    Key(bf, "nothing");
    std::string buffer = Pattern(16), untouched = buffer;
    for (int32_t size : {0, -1, -8}) {
        bf.EncryptCBC(buffer.data(), buffer.data(), size);
        bf.DecryptCBC(buffer.data(), buffer.data(), size);
        bf.EncryptCFB8bit(buffer.data(), buffer.data(), size);
        bf.DecryptCFB8bit(buffer.data(), buffer.data(), size);
    }
    EXPECT_EQ(buffer, untouched);
    // ... and the chaining value did not move: a block now encrypts as from the IV.
    std::string a(8, '\0'), b(8, '\0');
    bf.EncryptCBC(buffer.data(), a.data(), 8);
    bf.Reset();
    bf.EncryptCBC(buffer.data(), b.data(), 8);
    EXPECT_EQ(a, b);
}

TEST(Blowfish, Cfb8RoundTripsAndMatchesItsDefinition)
{
    TDCP_blowfish bf;
    Key(bf, "cfb");
    const std::string plain = Pattern(37);
    std::string enc(37, '\0');
    bf.EncryptCFB8bit(plain.data(), enc.data(), 37);

    // Definition: each byte XOR the first byte of E(register); the register shifts in the cipher byte.
    std::string reg = DerivedIv(bf);
    for (std::size_t i = 0; i < plain.size(); ++i) {
        char k[8];
        bf.EncryptECB(reg.data(), k);
        ASSERT_EQ(char(plain[i] ^ k[0]), enc[i]) << i;
        reg = reg.substr(1) + enc[i];
    }

    std::string back = enc;
    bf.Reset();
    bf.DecryptCFB8bit(back.data(), back.data(), 37);
    EXPECT_EQ(back, plain);
}

TEST(Blowfish, BurnAndFreshComponentsRefuseData)
{
    TDCP_blowfish bf;
    char block[8] = {};
    EXPECT_EQ(Raised<zanfo::Error>([&] { bf.EncryptECB(block, block); }), "Blowfish: Not initialized");
    Key(bf, "burn");
    bf.Burn();
    EXPECT_FALSE(bf.Initialized());
    EXPECT_NO_THROW(bf.Reset());
    for (auto op : {&TDCP_blowfish::EncryptCBC, &TDCP_blowfish::DecryptCBC,
                    &TDCP_blowfish::EncryptCFB8bit, &TDCP_blowfish::DecryptCFB8bit})
        EXPECT_EQ(Raised<zanfo::Error>([&] { (bf.*op)(block, block, 8); }), "Blowfish: Not initialized");
    EXPECT_EQ(Raised<zanfo::Error>([&] { bf.DecryptECB(block, block); }), "Blowfish: Not initialized");
}

TEST(Blowfish, PropertiesDiscardAssignments)
{
    TDCP_blowfish bf;
    bf.SetAlgorithm("AES");
    bf.SetBlockSize(128);
    bf.SetMaxKeySize(256);
    EXPECT_EQ(bf.Algorithm(), "Blowfish");
    EXPECT_EQ(bf.BlockSize(), 64);
    EXPECT_EQ(bf.MaxKeySize(), 448);
}
