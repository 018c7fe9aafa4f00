#include "Blowfish.h"

#include <cstring>
#include <string>

#include "BigEndian.h"
#include "BlowfishTables.h"
#include "Error.h"
#include "Wipe.h"

namespace zanfo {

using big_endian::Load;
using big_endian::Store;

#if defined(__GNUC__) || defined(__clang__)
#define ZANFO_ALWAYS_INLINE inline __attribute__((always_inline))
#else
#define ZANFO_ALWAYS_INLINE __forceinline
#endif

// Blowfish's F on this key's S-boxes, from the most significant byte to the least.
ZANFO_ALWAYS_INLINE uint32_t TDCP_blowfish::F(uint32_t x) const
{
    return ((s_[0][x >> 24] + s_[1][(x >> 16) & 0xFF]) ^ s_[2][(x >> 8) & 0xFF]) + s_[3][x & 0xFF];
}

// One round with the two halves' roles given; the sixteen are written out below.
#define BF_ROUND(a, b, n) a ^= F(b) ^ p_[n]

TDCP_blowfish::TDCP_blowfish(TComponent* owner) : TDCP_blockcipher(owner)
{
    algorithm_ = "Blowfish";
    blockSize_ = 64;
    maxKeySize_ = 448;
    Burn();
}

TDCP_blowfish::~TDCP_blowfish()
{
    if (initialized_) Burn();
}

ZANFO_ALWAYS_INLINE void TDCP_blowfish::Encrypt(uint32_t& left, uint32_t& right) const
{
    uint32_t l = left ^ p_[0], r = right;
    BF_ROUND(r, l, 1);
    BF_ROUND(l, r, 2);
    BF_ROUND(r, l, 3);
    BF_ROUND(l, r, 4);
    BF_ROUND(r, l, 5);
    BF_ROUND(l, r, 6);
    BF_ROUND(r, l, 7);
    BF_ROUND(l, r, 8);
    BF_ROUND(r, l, 9);
    BF_ROUND(l, r, 10);
    BF_ROUND(r, l, 11);
    BF_ROUND(l, r, 12);
    BF_ROUND(r, l, 13);
    BF_ROUND(l, r, 14);
    BF_ROUND(r, l, 15);
    BF_ROUND(l, r, 16);
    left = r ^ p_[17];
    right = l;
}

ZANFO_ALWAYS_INLINE void TDCP_blowfish::Decrypt(uint32_t& left, uint32_t& right) const
{
    uint32_t l = left ^ p_[17], r = right;
    BF_ROUND(r, l, 16);
    BF_ROUND(l, r, 15);
    BF_ROUND(r, l, 14);
    BF_ROUND(l, r, 13);
    BF_ROUND(r, l, 12);
    BF_ROUND(l, r, 11);
    BF_ROUND(r, l, 10);
    BF_ROUND(l, r, 9);
    BF_ROUND(r, l, 8);
    BF_ROUND(l, r, 7);
    BF_ROUND(r, l, 6);
    BF_ROUND(l, r, 5);
    BF_ROUND(r, l, 4);
    BF_ROUND(l, r, 3);
    BF_ROUND(r, l, 2);
    BF_ROUND(l, r, 1);
    left = r ^ p_[0];
    right = l;
}

// Eight independent decryptions interleaved: CBC decryption has no chain between
// blocks, so the processor overlaps eight S-box lookup chains (measured: four
// leave it waiting on load latency). The halves are plain locals so they can
// live in registers.
#define BF_ROUND8(a, b, n)         \
    do {                           \
        const uint32_t k = p_[n];  \
        a##0 ^= F(b##0) ^ k;    \
        a##1 ^= F(b##1) ^ k;    \
        a##2 ^= F(b##2) ^ k;    \
        a##3 ^= F(b##3) ^ k;    \
        a##4 ^= F(b##4) ^ k;    \
        a##5 ^= F(b##5) ^ k;    \
        a##6 ^= F(b##6) ^ k;    \
        a##7 ^= F(b##7) ^ k;    \
    } while (0)

// Writes plain block i: D(C(i)) XOR C(i-1). Run from the last block to the first,
// each reads the cipher block before it while that is still there, so in place works.
#define BF_PLAIN(i, prevLeft, prevRight)                  \
    do {                                                  \
        Store(out + 8 * (i), r##i ^ k0 ^ (prevLeft));     \
        Store(out + 8 * (i) + 4, l##i ^ (prevRight));     \
    } while (0)

ZANFO_ALWAYS_INLINE void TDCP_blowfish::Decrypt8(const uint8_t* in, uint8_t* out, uint32_t& cl,
                                                 uint32_t& cr) const
{
    const uint32_t k17 = p_[17];
    uint32_t l0 = Load(in) ^ k17, l1 = Load(in + 8) ^ k17, l2 = Load(in + 16) ^ k17,
             l3 = Load(in + 24) ^ k17, l4 = Load(in + 32) ^ k17, l5 = Load(in + 40) ^ k17,
             l6 = Load(in + 48) ^ k17, l7 = Load(in + 56) ^ k17;
    uint32_t r0 = Load(in + 4), r1 = Load(in + 12), r2 = Load(in + 20), r3 = Load(in + 28),
             r4 = Load(in + 36), r5 = Load(in + 44), r6 = Load(in + 52), r7 = Load(in + 60);
    BF_ROUND8(r, l, 16);
    BF_ROUND8(l, r, 15);
    BF_ROUND8(r, l, 14);
    BF_ROUND8(l, r, 13);
    BF_ROUND8(r, l, 12);
    BF_ROUND8(l, r, 11);
    BF_ROUND8(r, l, 10);
    BF_ROUND8(l, r, 9);
    BF_ROUND8(r, l, 8);
    BF_ROUND8(l, r, 7);
    BF_ROUND8(r, l, 6);
    BF_ROUND8(l, r, 5);
    BF_ROUND8(r, l, 4);
    BF_ROUND8(l, r, 3);
    BF_ROUND8(r, l, 2);
    BF_ROUND8(l, r, 1);
    const uint32_t k0 = p_[0];
    const uint32_t nextLeft = Load(in + 56), nextRight = Load(in + 60);
    BF_PLAIN(7, Load(in + 48), Load(in + 52));
    BF_PLAIN(6, Load(in + 40), Load(in + 44));
    BF_PLAIN(5, Load(in + 32), Load(in + 36));
    BF_PLAIN(4, Load(in + 24), Load(in + 28));
    BF_PLAIN(3, Load(in + 16), Load(in + 20));
    BF_PLAIN(2, Load(in + 8), Load(in + 12));
    BF_PLAIN(1, Load(in), Load(in + 4));
    BF_PLAIN(0, cl, cr);
    cl = nextLeft;
    cr = nextRight;
}

void TDCP_blowfish::Init(const void* key, int32_t size, const void* iv)
{
    if (initialized_) Burn();
    if (size <= 0 || size > maxKeySize_ || size % 8 != 0)
        throw Error("Blowfish: Invalid key size - " + std::to_string(size));

    const auto k = static_cast<const uint8_t*>(key);
    const int32_t n = size / 8;
    std::memcpy(p_, blowfish_tables::kInitialP, sizeof p_);
    std::memcpy(s_, blowfish_tables::kInitialS, sizeof s_);

    // The key bytes, used cyclically, are XORed into the P-array.
    for (int i = 0, j = 0; i < 18; ++i) {
        const uint32_t word = uint32_t(k[j]) << 24 | uint32_t(k[(j + 1) % n]) << 16 |
                              uint32_t(k[(j + 2) % n]) << 8 | k[(j + 3) % n];
        p_[i] ^= word;
        j = (j + 4) % n;
    }
    // 521 encryptions, each over the tables as far as they have been replaced.
    uint32_t l = 0, r = 0;
    for (int i = 0; i < 18; i += 2) {
        Encrypt(l, r);
        p_[i] = l;
        p_[i + 1] = r;
    }
    for (auto& box : s_) {
        for (int m = 0; m < 256; m += 2) {
            Encrypt(l, r);
            box[m] = l;
            box[m + 1] = r;
        }
    }
    SecureZero(&l, sizeof l);
    SecureZero(&r, sizeof r);

    if (iv) {
        std::memcpy(iv_, iv, sizeof iv_);
    } else {
        uint32_t a = 0xFFFFFFFF, b = 0xFFFFFFFF;
        Encrypt(a, b);
        Store(iv_, a);
        Store(iv_ + 4, b);
    }
    std::memcpy(cv_, iv_, sizeof cv_);
    initialized_ = true;
}

void TDCP_blowfish::Burn()
{
    SecureFill(s_, sizeof s_, 0xFF);
    SecureFill(p_, sizeof p_, 0xFF);
    SecureFill(iv_, sizeof iv_, 0xFF);
    SecureFill(cv_, sizeof cv_, 0xFF);
    initialized_ = false;
}

void TDCP_blowfish::Reset() { std::memcpy(cv_, iv_, sizeof cv_); }

void TDCP_blowfish::CheckInitialized() const
{
    if (!initialized_) throw Error("Blowfish: Not initialized");
}

void TDCP_blowfish::EncryptECB(const void* inData, void* outData)
{
    CheckInitialized();
    auto in = static_cast<const uint8_t*>(inData);
    auto out = static_cast<uint8_t*>(outData);
    uint32_t l = Load(in), r = Load(in + 4);
    Encrypt(l, r);
    Store(out, l);
    Store(out + 4, r);
}

void TDCP_blowfish::DecryptECB(const void* inData, void* outData)
{
    CheckInitialized();
    auto in = static_cast<const uint8_t*>(inData);
    auto out = static_cast<uint8_t*>(outData);
    uint32_t l = Load(in), r = Load(in + 4);
    Decrypt(l, r);
    Store(out, l);
    Store(out + 4, r);
}

// The last r bytes (1 to 7) XOR E(chaining value); the chaining value stays.
void TDCP_blowfish::XorTail(const uint8_t* in, uint8_t* out, int32_t r) const
{
    uint32_t a = Load(cv_), b = Load(cv_ + 4);
    Encrypt(a, b);
    uint8_t k[8];
    Store(k, a);
    Store(k + 4, b);
    for (int32_t i = 0; i < r; ++i) out[i] = in[i] ^ k[i];
    SecureZero(k, sizeof k);
}

void TDCP_blowfish::EncryptCBC(const void* inData, void* outData, int32_t size)
{
    CheckInitialized();
    if (size <= 0) return;
    auto in = static_cast<const uint8_t*>(inData);
    auto out = static_cast<uint8_t*>(outData);
    const int32_t blocks = size / 8;
    uint32_t cl = Load(cv_), cr = Load(cv_ + 4);
    for (int32_t k = 0; k < blocks; ++k, in += 8, out += 8) {
        cl ^= Load(in);
        cr ^= Load(in + 4);
        Encrypt(cl, cr);
        Store(out, cl);
        Store(out + 4, cr);
    }
    Store(cv_, cl);
    Store(cv_ + 4, cr);
    if (const int32_t r = size % 8) XorTail(in, out, r);
}

void TDCP_blowfish::DecryptCBC(const void* inData, void* outData, int32_t size)
{
    CheckInitialized();
    if (size <= 0) return;
    auto in = static_cast<const uint8_t*>(inData);
    auto out = static_cast<uint8_t*>(outData);
    int32_t blocks = size / 8;
    uint32_t cl = Load(cv_), cr = Load(cv_ + 4);
    for (; blocks >= 8; blocks -= 8, in += 64, out += 64) Decrypt8(in, out, cl, cr);
    for (; blocks > 0; --blocks, in += 8, out += 8) {
        const uint32_t nl = Load(in), nr = Load(in + 4);
        uint32_t l = nl, r = nr;
        Decrypt(l, r);
        Store(out, l ^ cl);
        Store(out + 4, r ^ cr);
        cl = nl;
        cr = nr;
    }
    Store(cv_, cl);
    Store(cv_ + 4, cr);
    if (const int32_t r = size % 8) XorTail(in, out, r);
}

// 8-bit CFB: each byte XOR the first byte of E(chaining value); the chaining value
// moves one byte left and takes in the cipher byte (the output when encrypting,
// the input when decrypting).
void TDCP_blowfish::Cfb8(const uint8_t* in, uint8_t* out, int32_t size, bool decrypt)
{
    CheckInitialized();
    for (int32_t i = 0; i < size; ++i) {
        uint32_t a = Load(cv_), b = Load(cv_ + 4);
        Encrypt(a, b);
        const uint8_t input = in[i];
        out[i] = input ^ uint8_t(a >> 24);
        std::memmove(cv_, cv_ + 1, 7);
        cv_[7] = decrypt ? input : out[i];
    }
}

void TDCP_blowfish::EncryptCFB8bit(const void* inData, void* outData, int32_t size)
{
    Cfb8(static_cast<const uint8_t*>(inData), static_cast<uint8_t*>(outData), size, false);
}

void TDCP_blowfish::DecryptCFB8bit(const void* inData, void* outData, int32_t size)
{
    Cfb8(static_cast<const uint8_t*>(inData), static_cast<uint8_t*>(outData), size, true);
}

}  // namespace zanfo
