#include "Wipe.h"

namespace zanfo {

void SecureFill(void* data, std::size_t n, unsigned char value)
{
    // A volatile pointer makes every store observable, so a wipe of a buffer that
    // is about to die is not optimised away.
    volatile unsigned char* p = static_cast<volatile unsigned char*>(data);
    for (std::size_t i = 0; i < n; ++i) p[i] = value;
}

}  // namespace zanfo
