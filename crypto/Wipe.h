#pragma once
#include <cstddef>

namespace zanfo {

// Fills n bytes with `value` in a way the optimiser may not drop, for key material.
void SecureFill(void* data, std::size_t n, unsigned char value);

// SecureFill with zeros.
inline void SecureZero(void* data, std::size_t n) { SecureFill(data, n, 0); }

}  // namespace zanfo
