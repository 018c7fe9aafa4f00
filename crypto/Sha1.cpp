#include "Sha1.h"

#include <cstring>

#include "BigEndian.h"
#include "Error.h"
#include "Wipe.h"

namespace zanfo {
namespace {

constexpr uint32_t Rol(uint32_t x, int n) { return (x << n) | (x >> (32 - n)); }

[[noreturn]] void NotInitialized() { throw Error("SHA1: Not initialized"); }

}  // namespace

TDCP_sha1::TDCP_sha1(TComponent* owner) : TDCP_hash(owner)
{
    algorithm_ = "SHA1";
    hashSize_ = 160;
    Burn();
}

TDCP_sha1::~TDCP_sha1()
{
    if (initialized_) Burn();
}

void TDCP_sha1::Init()
{
    Burn();
    hash_[0] = 0x67452301;
    hash_[1] = 0xEFCDAB89;
    hash_[2] = 0x98BADCFE;
    hash_[3] = 0x10325476;
    hash_[4] = 0xC3D2E1F0;
    initialized_ = true;
}

void TDCP_sha1::Burn()
{
    lenHi_ = lenLo_ = 0;
    index_ = 0;
    SecureZero(buffer_, sizeof buffer_);
    SecureZero(hash_, sizeof hash_);
    initialized_ = false;
}

void TDCP_sha1::Update(const void* buffer, int32_t size)
{
    if (!initialized_) NotInitialized();
    if (size <= 0) return;

    // The 64-bit bit count: low 32 bits of 8 x size with carry, then the bits above.
    const uint32_t bits = uint32_t(size) << 3;
    lenLo_ += bits;
    if (lenLo_ < bits) ++lenHi_;
    lenHi_ += uint32_t(size) >> 29;

    auto in = static_cast<const uint8_t*>(buffer);
    while (size > 0) {
        const int32_t room = 64 - index_;
        if (size < room) {
            std::memcpy(buffer_ + index_, in, size_t(size));
            index_ += size;
            return;
        }
        std::memcpy(buffer_ + index_, in, size_t(room));
        Compress();
        in += room;
        size -= room;
    }
}

void TDCP_sha1::Final(void* digest)
{
    if (!initialized_) NotInitialized();
    buffer_[index_] = 0x80;
    if (index_ >= 56) Compress();  // no room left for the bit count
    big_endian::Store(buffer_ + 56, lenHi_);
    big_endian::Store(buffer_ + 60, lenLo_);
    Compress();
    auto out = static_cast<uint8_t*>(digest);
    for (int i = 0; i < 5; ++i) big_endian::Store(out + 4 * i, hash_[i]);
    Burn();
}

void TDCP_sha1::Compress()
{
    index_ = 0;
    uint32_t w[80];
    for (int t = 0; t < 16; ++t) w[t] = big_endian::Load(buffer_ + 4 * t);
    for (int t = 16; t < 80; ++t) w[t] = Rol(w[t - 3] ^ w[t - 8] ^ w[t - 14] ^ w[t - 16], 1);

    uint32_t a = hash_[0], b = hash_[1], c = hash_[2], d = hash_[3], e = hash_[4];
    auto step = [&](uint32_t f, uint32_t k, uint32_t wt) {
        const uint32_t t = Rol(a, 5) + f + e + k + wt;
        e = d;
        d = c;
        c = Rol(b, 30);
        b = a;
        a = t;
    };
    for (int t = 0; t < 20; ++t) step((b & c) | (~b & d), 0x5A827999, w[t]);
    for (int t = 20; t < 40; ++t) step(b ^ c ^ d, 0x6ED9EBA1, w[t]);
    for (int t = 40; t < 60; ++t) step((b & c) | (b & d) | (c & d), 0x8F1BBCDC, w[t]);
    for (int t = 60; t < 80; ++t) step(b ^ c ^ d, 0xCA62C1D6, w[t]);
    hash_[0] += a;
    hash_[1] += b;
    hash_[2] += c;
    hash_[3] += d;
    hash_[4] += e;

    // The block and its schedule held message bytes: they do not outlive the call.
    SecureZero(w, sizeof w);
    SecureZero(buffer_, sizeof buffer_);
}

}  // namespace zanfo
