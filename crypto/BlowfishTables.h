#pragma once
#include <cstdint>

// Blowfish's key-independent starting tables: the digits of pi.
namespace zanfo::blowfish_tables {
extern const std::uint32_t kInitialP[18];
extern const std::uint32_t kInitialS[4][256];
}  // namespace zanfo::blowfish_tables
