#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "Stream.h"
#include "crypto/BlockCipher.h"

namespace zanfo {

// The cipher key: SHA-1 of the password, then twelve 0xFF bytes.
using KeyBlock = std::array<std::uint8_t, 32>;
// The first 32 bytes of a protected file: the KeyBlock encrypted under itself.
using KeyCheck = std::array<std::uint8_t, 32>;
// The body is read, transformed in place and written in chunks of this size.
inline constexpr std::size_t ChunkSize = 8192;

enum class DecodeResult { Accepted, Refused };

// The KeyBlock of a password (its bytes in Windows-1252).
KeyBlock DeriveKeyBlock(std::string_view password);

// Writes the protected form of source to target: KeyCheck, then the CBC body.
// Raises IoError on a failed read or write; the cipher is burned on every path.
void EncodeFile(TDCP_blockcipher& cipher, std::string_view password, ByteSource& source,
                ByteSink& target);

// Restores a protected source into target. Refused (nothing written) when the
// key check does not match; IoError for a source shorter than 32 bytes.
DecodeResult DecodeFile(TDCP_blockcipher& cipher, std::string_view password, ByteSource& source,
                        ByteSink& target);

}  // namespace zanfo
