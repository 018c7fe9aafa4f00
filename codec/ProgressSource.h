#pragma once
#include <cstdint>
#include <functional>

#include "Stream.h"

namespace zanfo {

// Passes reads through and reports the running byte count after each one. The
// callback may raise Cancelled to stop the run between chunks.
class ProgressSource final : public ByteSource {
public:
    using Callback = std::function<void(std::uint64_t done)>;
    ProgressSource(ByteSource& inner, Callback callback) : inner_(inner), callback_(std::move(callback)) {}

    std::size_t Read(std::uint8_t* buffer, std::size_t count) override
    {
        const std::size_t n = inner_.Read(buffer, count);
        done_ += n;
        if (callback_) callback_(done_);
        return n;
    }

private:
    ByteSource& inner_;
    Callback callback_;
    std::uint64_t done_ = 0;
};

}  // namespace zanfo
