#pragma once
#include <bit>
#include <cstdint>
#include <cstring>

// Big-endian 32-bit words, read and written whole: the byte order of both
// SHA-1's words and Blowfish's block halves.
namespace zanfo::big_endian {

constexpr std::uint32_t ByteSwap(std::uint32_t v)
{
    return (v >> 24) | ((v >> 8) & 0xFF00) | ((v << 8) & 0xFF0000) | (v << 24);
}

inline std::uint32_t Load(const std::uint8_t* p)
{
    std::uint32_t v;
    std::memcpy(&v, p, 4);
    return std::endian::native == std::endian::little ? ByteSwap(v) : v;
}

inline void Store(std::uint8_t* p, std::uint32_t v)
{
    if constexpr (std::endian::native == std::endian::little) v = ByteSwap(v);
    std::memcpy(p, &v, 4);
}

}  // namespace zanfo::big_endian
