#include "BlockCipher.h"

namespace zanfo {

TDCP_blockcipher::TDCP_blockcipher(TComponent* owner) : TComponent(owner) {}

}  // namespace zanfo
