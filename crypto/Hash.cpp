#include "Hash.h"

namespace zanfo {

TDCP_hash::TDCP_hash(TComponent* owner) : TComponent(owner) {}

void TDCP_hash::UpdateStr(std::string_view str)
{
    Update(str.data(), static_cast<int32_t>(str.size()));
}

}  // namespace zanfo
