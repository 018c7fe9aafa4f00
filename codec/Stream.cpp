#include "Stream.h"

#include <algorithm>
#include <cstring>

namespace zanfo {

std::size_t MemorySource::Read(std::uint8_t* buffer, std::size_t count)
{
    const std::size_t n = std::min(count, bytes_.size() - position_);
    if (n) std::memcpy(buffer, bytes_.data() + position_, n);
    position_ += n;
    return n;
}

std::size_t MemorySink::Write(const std::uint8_t* data, std::size_t count)
{
    const std::size_t n = std::min(count, capacity_ - bytes_.size());
    bytes_.append(reinterpret_cast<const char*>(data), n);
    return n;
}

}  // namespace zanfo
